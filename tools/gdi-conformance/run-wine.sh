#!/bin/sh
# Runs a Windows program under 64-bit Wine in a fresh prefix that has the
# classic system colours: run-wine.sh PROGRAM.exe [ARGS...]. Its standard
# output is the program's; Wine's own messages are dropped.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
[ -x "$wine" ] || { echo "run-wine.sh: wine64 is not installed" >&2; exit 2; }
prefix=$(mktemp -d /tmp/gdi-wine.XXXXXX)
trap 'WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; rm -rf "$prefix"' EXIT
export WINEPREFIX="$prefix" WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
unset DISPLAY WAYLAND_DISPLAY
"$wine" regedit /S "$(winepath -w "$here/classic-colors.reg" 2>/dev/null || echo "Z:$here/classic-colors.reg" | tr / '\\')" >/dev/null 2>&1
WINEPREFIX="$prefix" wineserver -w
"$wine" "$@"
