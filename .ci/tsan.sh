#!/bin/sh
# Rendering from several threads under ThreadSanitizer: only the program that
# hammers render_button and the libraries it needs are built (in build-tsan/),
# so the step takes a few minutes.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc)
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCANDY_TSAN=ON
cmake --build build-tsan -j "$jobs" --target render_threads_tests
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
  ctest --test-dir build-tsan -R '^RenderThreads\.' --output-on-failure
