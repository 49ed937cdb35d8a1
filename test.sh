#!/usr/bin/env bash
# Builds everything in build/ and runs every test, then builds the core, the colour
# rules and their tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs them again. Warnings are errors in both passes. ./test.sh --fast skips the
# sanitizer pass.
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)

scripts/prepare.sh build -DKORVANE_WERROR=ON -DKORVANE_BENCHMARKS=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

if [ "${1:-}" != "--fast" ]; then
  scripts/prepare.sh build-asan -DKORVANE_WERROR=ON -DKORVANE_SANITIZE=ON -DKORVANE_GUI=OFF \
    -DCMAKE_BUILD_TYPE=Debug
  cmake --build build-asan -j "$jobs"
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"
fi
