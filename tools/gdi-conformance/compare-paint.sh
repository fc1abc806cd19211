#!/bin/sh
# The painters against the reference GDI: builds the paint harness
# (tools/gdi-paint) and our painter sources for Windows with MinGW-w64 (our
# platform's headers then map onto windows.h and the GDI extensions are their
# plain versions: platform/win/kernel/windows_build.h), runs it under
# 64-bit Wine in a fresh prefix, runs our native build of the same harness
# and compares the faces and window regions (compare-paint.py).
#   compare-paint.sh [BUILD_DIR]   (BUILD_DIR/tools/gdi-paint must exist)
# Extra arguments for compare-paint.py go in COMPARE_ARGS (e.g. --write-known).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${1:-build}
out="$build/gdi-paint-out"
mkdir -p "$out"
cxx=$(command -v x86_64-w64-mingw32-g++-posix || command -v x86_64-w64-mingw32-g++ || true)
[ -n "$cxx" ] || { echo "compare-paint.sh: x86_64-w64-mingw32-g++ is not installed" >&2; exit 2; }
"$cxx" -std=c++20 -O2 -Wall -Wextra -Werror -static \
  -I "$root" -I "$root/tools/gdi-paint" -o "$out/gdi-paint.exe" \
  "$root/tools/gdi-paint/main.cpp" "$root/tools/gdi-paint/canvas.cpp" "$root"/candybutton/painters/*.cpp \
  "$root/candybutton/button_region.cpp" "$root/candybutton/button_shape.cpp" "$root/candybutton/styles.cpp" \
  "$root/candybutton/color_arithmetic.cpp" "$root/candybutton/color_schemes.cpp" \
  -lgdi32 -luser32 -loleaut32
"$build/tools/gdi-paint" --against-render
"$build/tools/gdi-paint" > "$out/ours.txt"
"$here/run-wine.sh" "$out/gdi-paint.exe" > "$out/reference.txt"
# shellcheck disable=SC2086
python3 "$here/compare-paint.py" "$out/ours.txt" "$out/reference.txt"
