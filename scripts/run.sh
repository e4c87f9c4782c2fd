#!/usr/bin/env bash
# Builds Trevalia and starts it; Trevalia.abs is created next to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTREVALIA_TESTS=OFF
cmake --build build/release --target Trevalia
exec build/release/app/Trevalia
