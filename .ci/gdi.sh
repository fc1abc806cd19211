#!/bin/sh
# The GDI stand-in against the reference: the same GDI calls built for
# Windows with MinGW-w64 and run under 64-bit Wine, compared with our build
# of them (tools/gdi-conformance). Fails on any difference outside the cases
# the reference answers nondeterministically or from rows it never computed.
# Then the painters themselves, built the same way, against our build of them
# (tools/gdi-paint).
set -eu
cd "$(dirname "$0")/.."
if [ "$(id -u)" = 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get install -y g++-mingw-w64-x86-64-posix wine64 wine python3
fi
make gdi-conformance
make gdi-paint
