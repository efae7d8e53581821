#!/usr/bin/env bash
# Builds the project twice and runs every test on each build, then fuzzes the
# file readers for a short while:
#   build/      the normal build, warnings as errors
#   build-asan/ with AddressSanitizer and UndefinedBehaviorSanitizer
#   build-fuzz/ the libFuzzer targets, built with clang (scripts/fuzz.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc 2>/dev/null || echo 2)

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSSTRXK_WERROR=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DSSTRXK_WERROR=ON -DSSTRXK_SANITIZE=ON
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"

FUZZ_SECONDS=${FUZZ_SECONDS:-20} scripts/fuzz.sh
