#!/bin/sh
# The differential check of our GDI against the reference: builds the cases
# for Windows with MinGW-w64, runs them under 64-bit Wine (a fresh prefix per
# run), runs our native build of the same cases and compares.
#   compare.sh [BUILD_DIR]      (default build; BUILD_DIR/tools/gdi-conformance must exist)
# RUNS (default 3) sets how many reference runs look for nondeterministic
# cases; extra arguments for compare.py go in COMPARE_ARGS (e.g. --write-known).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${1:-build}
runs=${RUNS:-3}
out="$build/gdi-conformance"
mkdir -p "$out"
cxx=$(command -v x86_64-w64-mingw32-g++-posix || command -v x86_64-w64-mingw32-g++ || true)
[ -n "$cxx" ] || { echo "compare.sh: x86_64-w64-mingw32-g++ is not installed" >&2; exit 2; }
"$cxx" -std=c++20 -O2 -Wall -Wextra -Werror -static -I "$root" -o "$out/gdi-conformance.exe" \
  "$here/main.cpp" "$here/compat.cpp" -lgdi32 -luser32
"$build/tools/gdi-conformance" > "$out/ours.txt"
refs=""
i=1
while [ "$i" -le "$runs" ]; do
  "$here/run-wine.sh" "$out/gdi-conformance.exe" > "$out/reference-$i.txt"
  refs="$refs $out/reference-$i.txt"
  i=$((i + 1))
done
# shellcheck disable=SC2086
python3 "$here/compare.py" "$out/ours.txt" $refs --known "$here/nondeterministic.txt" \
  ${COMPARE_ARGS:-}
