#!/bin/sh
# Packaging CI, everything built from folders outside the repository with
# the toolchain's default flags (PIE): install into a scratch prefix, which
# must hold only include/candybutton/ as headers and libcandybutton.so.1 as
# library; a C++17 program through find_package and one through pkg-config;
# a plugin (-shared -fPIC) that renders, loaded with dlopen; the example run
# headless (a click must change the label, Tab the focus); then the Debian
# packages, checked with lintian, installed with dpkg, and the example once
# more against the system's package. The same for the Qt widget's library
# (libcandybutton-qt) and its example, and a Qt program that checks the
# widget paints what render_button paints.
# Names, paths, man pages and debug symbol packages of the Debian packages
# are checked too, with lintian --pedantic.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
if [ "$(id -u)" = 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get install -y --no-install-recommends lintian imagemagick dpkg-dev man-db file
fi
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
build=${BUILD:-build}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" -j2 --target candybutton_public candybutton_qt candybutton-render brindlecovemediacenter candy_changelog

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

# Builds examples/$1 copied to $2 (outside the repository), with
# CMAKE_PREFIX_PATH $3 (empty: the system's).
build_example() {
  mkdir -p "$2"
  cp "$root/examples/$1/CMakeLists.txt" "$root/examples/$1/main.cpp" "$2/"
  if [ -n "$3" ]; then
    cmake -S "$2" -B "$2/build" -DCMAKE_PREFIX_PATH="$3" >/dev/null
  else
    cmake -S "$2" -B "$2/build" >/dev/null
  fi
  cmake --build "$2/build" -j2
}

# Builds hello-candybutton in $1 against prefix $2, runs it headless and
# checks its frames.
build_and_run_example() {
  dir=$1
  build_example hello-candybutton "$dir" "$2"
  mkdir -p "$dir/frames"
  (cd "$dir" && CANDY_DISPLAY=headless CANDY_SCRIPT="$root/.ci/package/hello.script" \
      CANDY_FRAMES="$dir/frames" ./build/hello-candybutton)
  label=320x20+20+20
  [ "$(crop_hash "$dir/before.png" $label)" != "$(crop_hash "$dir/clicked.png" $label)" ] ||
    { echo "package: the click did not change the label" >&2; exit 1; }
  [ "$(crop_hash "$dir/clicked.png" $label)" != "$(crop_hash "$dir/tabbed.png" $label)" ] ||
    { echo "package: Tab and Enter did not click the second button" >&2; exit 1; }
  ls "$dir/frames" | grep -q '\.png$' || { echo "package: no frames written" >&2; exit 1; }
}

# Builds qt-candybutton in $1 against prefix $2 and lets it click its own
# buttons on Qt's offscreen platform.
build_and_run_qt_example() {
  build_example qt-candybutton "$1" "$2"
  QT_QPA_PLATFORM=offscreen "$1/build/qt-candybutton" --check
}

step "install into a scratch prefix"
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
prefix=$scratch/prefix
[ "$(ls "$prefix/include")" = candybutton ] || { echo "package: headers outside include/candybutton" >&2; exit 1; }
test -f "$prefix/include/candybutton/candybutton.h"
test -f "$prefix/include/candybutton/render.h"
test -f "$prefix/lib/$multiarch/libcandybutton.so.1"
test -f "$prefix/lib/$multiarch/libcandybutton-qt.so.1"
test -f "$prefix/include/candybutton/qt/qcandybutton.h"
readelf -d "$prefix/lib/$multiarch/libcandybutton-qt.so.1" | grep -q 'NEEDED.*\[libcandybutton.so.1\]'
[ -z "$(ls "$prefix/lib/$multiarch" | grep '\.a$' || true)" ] || { echo "package: static libraries installed" >&2; exit 1; }
readelf -d "$prefix/lib/$multiarch/libcandybutton.so.1" | grep -q 'SONAME.*\[libcandybutton.so.1\]'
for program in candybutton-render brindlecovemediacenter; do
  test -x "$prefix/bin/$program"
  readelf -d "$prefix/bin/$program" | grep -q 'FLAGS_1.*PIE' || { echo "package: $program is not PIE" >&2; exit 1; }
done
test -f "$prefix/lib/$multiarch/pkgconfig/candybutton.pc"
test -f "$prefix/lib/$multiarch/cmake/CandyButton/CandyButtonConfig.cmake"
test -f "$prefix/share/man/man1/brindlecovemediacenter.1.gz"

step "C++17 program with default flags through find_package"
cp -r "$root/.ci/package/consumer" "$scratch/consumer"
cmake -S "$scratch/consumer" -B "$scratch/consumer/build" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
cmake --build "$scratch/consumer/build" -j2
readelf -d "$scratch/consumer/build/consumer" | grep -q 'FLAGS_1.*PIE'
CANDY_DISPLAY=headless CANDY_SCRIPT="$scratch/consumer/consumer.script" "$scratch/consumer/build/consumer"

step "tiny program with pkg-config"
export PKG_CONFIG_PATH="$prefix/lib/$multiarch/pkgconfig"
pkg-config --exists --print-errors candybutton
# shellcheck disable=SC2046
g++ -std=c++17 -o "$scratch/tiny_render" "$root/.ci/package/tiny_render.cpp" $(pkg-config --cflags --libs candybutton)
LD_LIBRARY_PATH="$prefix/lib/$multiarch" "$scratch/tiny_render"

step "plugin loaded with dlopen"
# shellcheck disable=SC2046
g++ -std=c++17 -shared -fPIC -o "$scratch/plugin.so" "$root/.ci/package/plugin.cpp" \
  $(pkg-config --cflags --libs candybutton) -Wl,-rpath,"$prefix/lib/$multiarch"
unset PKG_CONFIG_PATH
g++ -o "$scratch/plugin_host" "$root/.ci/package/plugin_host.cpp"
"$scratch/plugin_host" "$scratch/plugin.so"

step "example against the prefix"
build_and_run_example "$scratch/hello-prefix" "$prefix"

step "Qt example against the prefix, with CMake and with pkg-config"
build_and_run_qt_example "$scratch/qt-prefix" "$prefix"
# shellcheck disable=SC2046
g++ -std=c++17 -fPIC -o "$scratch/qt-pkg-config" "$root/examples/qt-candybutton/main.cpp" \
  $(PKG_CONFIG_PATH="$prefix/lib/$multiarch/pkgconfig" pkg-config --cflags --libs candybutton-qt) \
  -Wl,-rpath,"$prefix/lib/$multiarch"
QT_QPA_PLATFORM=offscreen "$scratch/qt-pkg-config" --check
# shellcheck disable=SC2046
g++ -std=c++17 -fPIC -o "$scratch/qt_look" "$root/.ci/package/qt_look.cpp" \
  $(PKG_CONFIG_PATH="$prefix/lib/$multiarch/pkgconfig" pkg-config --cflags --libs candybutton-qt candybutton) \
  -Wl,-rpath,"$prefix/lib/$multiarch"
QT_QPA_PLATFORM=offscreen "$scratch/qt_look"

step "Debian packages"
(cd "$build" && cpack -G DEB -B "$scratch/debs" >/dev/null)
debs=$(ls "$scratch"/debs/*.deb)
ddebs=$(ls "$scratch"/debs/*.ddeb 2>/dev/null || true)
# libcandybutton1 and libcandybutton-qt1 come when the build packages the
# shared libraries.
expected="brindlecovemediacenter candybutton-tools libcandybutton-dev libcandybutton-qt-dev "
expected_dbgsym="brindlecovemediacenter-dbgsym candybutton-tools-dbgsym "
if ls "$scratch"/debs/libcandybutton1_*.deb >/dev/null 2>&1; then
  expected="${expected}libcandybutton-qt1 libcandybutton1 "
  expected_dbgsym="${expected_dbgsym}libcandybutton-qt1-dbgsym libcandybutton1-dbgsym "
fi
names=$(for deb in $debs; do dpkg-deb --field "$deb" Package; done | LC_ALL=C sort | tr '\n' ' ')
[ "$names" = "$expected" ] || { echo "package: made [$names], expected [$expected]" >&2; exit 1; }
dbgsym=$(for deb in $ddebs; do dpkg-deb --field "$deb" Package; done | LC_ALL=C sort | tr '\n' ' ')
[ "$dbgsym" = "$expected_dbgsym" ] ||
  { echo "package: debug symbol packages [$dbgsym], expected [$expected_dbgsym]" >&2; exit 1; }
contents() { dpkg-deb --contents "$scratch"/debs/"$1"_*.deb | awk '{print $6}'; }
contents libcandybutton-dev | grep -q "^\./usr/lib/$multiarch/libcandybutton\.so$"
contents libcandybutton1 | grep -q "^\./usr/lib/$multiarch/libcandybutton\.so\.1"
contents libcandybutton-dev | grep -q "^\./usr/lib/$multiarch/pkgconfig/candybutton\.pc$"
contents libcandybutton-qt1 | grep -q "^\./usr/lib/$multiarch/libcandybutton-qt\.so\.1"
for path in "lib/$multiarch/libcandybutton-qt\.so" "lib/$multiarch/pkgconfig/candybutton-qt\.pc" \
    "include/candybutton/qt/qcandybutton\.h" "lib/$multiarch/cmake/CandyButton/CandyButtonQtTargets\.cmake"; do
  contents libcandybutton-qt-dev | grep -q "^\./usr/$path$" || { echo "package: no /usr/$path" >&2; exit 1; }
done
! contents libcandybutton-dev | grep -q "^\./usr/lib/[^/]*\.a$" || { echo "package: libraries outside $multiarch" >&2; exit 1; }
for path in usr/share/man/man1/brindlecovemediacenter.1.gz usr/share/icons/hicolor/scalable/apps/brindlecovemediacenter.svg \
    usr/share/icons/hicolor/16x16/apps/brindlecovemediacenter.png usr/share/applications/brindlecovemediacenter.desktop; do
  contents brindlecovemediacenter | grep -q "^\./$path$" || { echo "package: no /$path" >&2; exit 1; }
done
contents candybutton-tools | grep -q "^\./usr/share/man/man1/candybutton-render\.1\.gz$"
# Stripped: the symbols are in the -dbgsym package only.
dpkg-deb -x "$scratch"/debs/brindlecovemediacenter_*.deb "$scratch/unpacked"
! file "$scratch/unpacked/usr/bin/brindlecovemediacenter" | grep -q "not stripped" ||
  { echo "package: the launcher is not stripped" >&2; exit 1; }
for page in "$root"/packaging/man/*.1; do
  LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null | (! grep .) ||
    { echo "package: $page has formatting warnings" >&2; exit 1; }
done
lintian --pedantic --fail-on error,warning,pedantic --tag-display-limit 0 $debs

step "dpkg -i"
dpkg -i $debs
installed="$names"
test -f /usr/share/applications/brindlecovemediacenter.desktop
test -f /usr/share/icons/hicolor/32x32/apps/brindlecovemediacenter.png
candybutton-render --style 3 --caption Music -o "$scratch/from-deb.png"

step "examples against the system's packages"
build_and_run_example "$scratch/hello-system" ""
build_and_run_qt_example "$scratch/qt-system" ""
step "done"
