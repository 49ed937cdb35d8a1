#!/usr/bin/env bash
# Builds everything in build/ and runs every test; then builds the core, the colour
# rules and their tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/, and everything in Release in build-release/, and runs the tests of
# both. Warnings are errors in every pass. ./test.sh --fast does the first pass only.
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

  scripts/prepare.sh build-release -DKORVANE_WERROR=ON -DCMAKE_BUILD_TYPE=Release
  cmake --build build-release -j "$jobs"
  ctest --test-dir build-release --output-on-failure -j "$jobs"
fi
