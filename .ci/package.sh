#!/bin/sh
# Packaging CI: install into a scratch prefix; build the example from a
# folder outside the repository against it and run it headless (a click must
# change the label, Tab the focus); build a tiny program with pkg-config only;
# make the Debian packages, check them with lintian, install them with dpkg
# and build the example once more against the system's package.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
if [ "$(id -u)" = 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get install -y --no-install-recommends lintian imagemagick dpkg-dev
fi
build=${BUILD:-build}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j2 --target candybutton candybutton-render brindlecovemediacenter candy_changelog
cmake --build "$build" -j2 --target candybutton_qt

scratch=$(mktemp -d /tmp/candy-package.XXXXXX)
installed=""
cleanup() {
  [ -z "$installed" ] || dpkg -r $installed >/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

step() { echo "== package: $*"; }

# A 2-D crop of a PNG as raw RGB bytes, hashed: equal crops give equal hashes.
crop_hash() { convert "$1" -crop "$2" +repage rgb:- | sha256sum | cut -d' ' -f1; }

# Builds examples/hello-candybutton copied to $1 (outside the repository),
# with CMAKE_PREFIX_PATH $2 (empty: the system's), runs it headless and
# checks its frames.
build_and_run_example() {
  dir=$1
  mkdir -p "$dir/frames"
  cp "$root/examples/hello-candybutton/CMakeLists.txt" "$root/examples/hello-candybutton/main.cpp" "$dir/"
  if [ -n "$2" ]; then
    cmake -S "$dir" -B "$dir/build" -DCMAKE_PREFIX_PATH="$2" >/dev/null
  else
    cmake -S "$dir" -B "$dir/build" >/dev/null
  fi
  cmake --build "$dir/build" -j2
  (cd "$dir" && CANDY_DISPLAY=headless CANDY_SCRIPT="$root/.ci/package/hello.script" \
      CANDY_FRAMES="$dir/frames" ./build/hello-candybutton)
  label=320x20+20+20
  [ "$(crop_hash "$dir/before.png" $label)" != "$(crop_hash "$dir/clicked.png" $label)" ] ||
    { echo "package: the click did not change the label" >&2; exit 1; }
  [ "$(crop_hash "$dir/clicked.png" $label)" != "$(crop_hash "$dir/tabbed.png" $label)" ] ||
    { echo "package: Tab and Enter did not click the second button" >&2; exit 1; }
  ls "$dir/frames" | grep -q '\.png$' || { echo "package: no frames written" >&2; exit 1; }
}

# Builds examples/qt-candybutton copied to $1 against prefix $2 (empty: the
# system's) and lets it click its own buttons on Qt's offscreen platform.
build_and_run_qt_example() {
  dir=$1
  mkdir -p "$dir"
  cp "$root/examples/qt-candybutton/CMakeLists.txt" "$root/examples/qt-candybutton/main.cpp" "$dir/"
  if [ -n "$2" ]; then
    cmake -S "$dir" -B "$dir/build" -DCMAKE_PREFIX_PATH="$2" >/dev/null
  else
    cmake -S "$dir" -B "$dir/build" >/dev/null
  fi
  cmake --build "$dir/build" -j2
  QT_QPA_PLATFORM=offscreen "$dir/build/qt-candybutton" --check
}

step "install into a scratch prefix"
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
test -f "$scratch/prefix/include/candybutton/candybutton.h"
test -f "$scratch/prefix/include/candybutton/render.h"
test -x "$scratch/prefix/bin/candybutton-render"
test -x "$scratch/prefix/bin/brindlecovemediacenter"

step "example against the prefix"
build_and_run_example "$scratch/hello-prefix" "$scratch/prefix"

step "tiny program with pkg-config"
PKG_CONFIG_PATH="$scratch/prefix/lib/pkgconfig" pkg-config --exists --print-errors candybutton
# shellcheck disable=SC2046
g++ -o "$scratch/tiny_render" "$root/.ci/package/tiny_render.cpp" \
  $(PKG_CONFIG_PATH="$scratch/prefix/lib/pkgconfig" pkg-config --cflags --libs candybutton)
"$scratch/tiny_render"

step "Qt example against the prefix, with CMake and with pkg-config"
build_and_run_qt_example "$scratch/qt-prefix" "$scratch/prefix"
# shellcheck disable=SC2046
g++ -std=c++17 -fPIC -o "$scratch/qt-pkg-config" "$root/examples/qt-candybutton/main.cpp" \
  $(PKG_CONFIG_PATH="$scratch/prefix/lib/pkgconfig" pkg-config --cflags --libs candybutton-qt)
QT_QPA_PLATFORM=offscreen "$scratch/qt-pkg-config" --check

step "Debian packages"
(cd "$build" && cpack -G DEB -B "$scratch/debs" >/dev/null)
debs=$(ls "$scratch"/debs/*.deb)
for deb in $debs; do dpkg-deb --info "$deb" | sed -n 's/^ Package: /package: /p'; done
lintian --fail-on error --tag-display-limit 0 $debs

step "dpkg -i"
dpkg -i $debs
installed="candybutton candybutton-dev candybutton-tools libcandybutton-qt-dev"
test -f /usr/share/applications/brindlecovemediacenter.desktop
test -f /usr/share/icons/hicolor/32x32/apps/brindlecovemediacenter.png
candybutton-render --style 3 --caption Music -o "$scratch/from-deb.png"

step "example against the system's package"
build_and_run_example "$scratch/hello-system" ""
build_and_run_qt_example "$scratch/qt-system" ""
step "done"
