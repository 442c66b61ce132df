#!/usr/bin/env bash
# Installs what is missing, builds everything with the sanitizers and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKORATSU_SANITIZE=ON >/dev/null
cmake --build build/test
cd build/test
ctest --output-on-failure -j "$(nproc)"
