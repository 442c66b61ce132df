#!/usr/bin/env bash
# Installs what is missing, builds the game optimised and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORATSU_TESTS=OFF -DKORATSU_BENCH=ON >/dev/null
cmake --build build/release
exec build/release/koratsu "$@"
