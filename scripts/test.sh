#!/usr/bin/env bash
# Sets everything up, builds with warnings as errors, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/dependances.sh
cmake -S . -B build/test -G Ninja -DMAJ_WERROR=ON
cmake --build build/test
ctest --test-dir build/test --output-on-failure
