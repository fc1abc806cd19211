#!/bin/sh
# Packaging CI, everything built from folders outside the repository with
# the toolchain's default flags (PIE): install into a scratch prefix, which
# must hold only include/candybutton/ as headers and libcandybutton.so.1 as
# library; a C++17 program through find_package and one through pkg-config;
# a plugin (-shared -fPIC) that renders, loaded with dlopen; the example run
# headless (a click must change the label, Tab the focus); then the Debian
# packages, checked with lintian, installed with dpkg, and the example once
# more against the system's package.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
if [ "$(id -u)" = 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get install -y --no-install-recommends lintian imagemagick dpkg-dev
fi
build=${BUILD:-build}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j2 --target candybutton_public candybutton-render brindlecovemediacenter candy_changelog

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

step "install into a scratch prefix"
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
prefix=$scratch/prefix
[ "$(ls "$prefix/include")" = candybutton ] || { echo "package: headers outside include/candybutton" >&2; exit 1; }
test -f "$prefix/include/candybutton/candybutton.h"
test -f "$prefix/include/candybutton/render.h"
test -f "$prefix/lib/libcandybutton.so.1"
[ -z "$(ls "$prefix/lib" | grep '\.a$' || true)" ] || { echo "package: static libraries installed" >&2; exit 1; }
readelf -d "$prefix/lib/libcandybutton.so.1" | grep -q 'SONAME.*\[libcandybutton.so.1\]'
for program in candybutton-render brindlecovemediacenter; do
  test -x "$prefix/bin/$program"
  readelf -d "$prefix/bin/$program" | grep -q 'FLAGS_1.*PIE' || { echo "package: $program is not PIE" >&2; exit 1; }
done

step "C++17 program with default flags through find_package"
cp -r "$root/.ci/package/consumer" "$scratch/consumer"
cmake -S "$scratch/consumer" -B "$scratch/consumer/build" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$scratch/consumer/build" -j2
readelf -d "$scratch/consumer/build/consumer" | grep -q 'FLAGS_1.*PIE'
CANDY_DISPLAY=headless CANDY_SCRIPT="$scratch/consumer/consumer.script" "$scratch/consumer/build/consumer"

step "tiny program with pkg-config"
export PKG_CONFIG_PATH="$prefix/lib/pkgconfig"
pkg-config --exists --print-errors candybutton
# shellcheck disable=SC2046
g++ -std=c++17 -o "$scratch/tiny_render" "$root/.ci/package/tiny_render.cpp" $(pkg-config --cflags --libs candybutton)
LD_LIBRARY_PATH="$prefix/lib" "$scratch/tiny_render"

step "plugin loaded with dlopen"
# shellcheck disable=SC2046
g++ -std=c++17 -shared -fPIC -o "$scratch/plugin.so" "$root/.ci/package/plugin.cpp" \
  $(pkg-config --cflags --libs candybutton) -Wl,-rpath,"$prefix/lib"
unset PKG_CONFIG_PATH
g++ -o "$scratch/plugin_host" "$root/.ci/package/plugin_host.cpp"
"$scratch/plugin_host" "$scratch/plugin.so"

step "example against the prefix"
build_and_run_example "$scratch/hello-prefix" "$prefix"

step "Debian packages"
(cd "$build" && cpack -G DEB -B "$scratch/debs" >/dev/null)
debs=$(ls "$scratch"/debs/*.deb)
for deb in $debs; do dpkg-deb --info "$deb" | sed -n 's/^ Package: /package: /p'; done
lintian --fail-on error --tag-display-limit 0 $debs

step "dpkg -i"
dpkg -i $debs
installed="candybutton candybutton-dev candybutton-tools"
test -f /usr/share/applications/brindlecovemediacenter.desktop
test -f /usr/share/icons/hicolor/32x32/apps/brindlecovemediacenter.png
candybutton-render --style 3 --caption Music -o "$scratch/from-deb.png"

step "example against the system's package"
build_and_run_example "$scratch/hello-system" ""
step "done"
