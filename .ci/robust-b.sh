#!/bin/sh
# The builds that users and packagers pick, and the fuzz run: GCC Release and
# clang Release are built and pass every test, then every fuzz target runs
# for 45 seconds, two at a time (one per core): eight targets, three minutes.
set -eu
cd "$(dirname "$0")/.."
if [ "$(id -u)" = 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get install -y --no-install-recommends clang libclang-rt-14-dev \
    || { apt-get update && apt-get install -y --no-install-recommends clang libclang-rt-14-dev; }
fi
jobs=$(nproc)

cmake -S . -B build-gcc-release -DCMAKE_BUILD_TYPE=Release
cmake --build build-gcc-release -j "$jobs"
ctest --test-dir build-gcc-release --output-on-failure -j "$jobs"

CC=clang CXX=clang++ cmake -S . -B build-clang-release -DCMAKE_BUILD_TYPE=Release
cmake --build build-clang-release -j "$jobs"
ctest --test-dir build-clang-release --output-on-failure -j "$jobs"

make fuzz JOBS="$jobs" FUZZ_SECONDS=45 FUZZ_PARALLEL=2
