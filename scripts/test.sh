#!/usr/bin/env bash
# Builds and runs every test: the format check, the tests, and the same tests again
# under AddressSanitizer and UndefinedBehaviorSanitizer (skip those with --no-sanitizers).
set -euo pipefail
cd "$(dirname "$0")/.."

sanitizers=1
[ "${1:-}" = "--no-sanitizers" ] && sanitizers=0

scripts/install-deps.sh
scripts/check-format.sh

jobs=$(nproc)
cmake -S . -B build/debug -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTREVALIA_WERROR=ON
cmake --build build/debug -j "$jobs"
ctest --test-dir build/debug --output-on-failure -j "$jobs"

if [ "$sanitizers" = 1 ]; then
    cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTREVALIA_SANITIZE=ON -DTREVALIA_WERROR=ON -DTREVALIA_BENCHMARKS=OFF
    cmake --build build/sanitize -j "$jobs"
    ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir build/sanitize --output-on-failure -j "$jobs"
fi
