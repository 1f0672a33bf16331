#!/bin/sh
# Installs what is missing, builds, and runs the whole test suite; then runs
# it once more built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -eu
cd "$(dirname "$0")/.."
jobs="$(nproc)"

./scripts/build.sh build
ctest --test-dir build --output-on-failure -j "$jobs"

./scripts/build.sh build-sanitize -DROCKJAW_SANITIZE=ON -DROCKJAW_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
