#!/usr/bin/env bash
# Builds Lunarys (release) and starts the desktop program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-packages.sh run
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DLUNARYS_BUILD_TESTS=OFF -DLUNARYS_BUILD_BENCH=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target lunarys lunarys-cli
exec build/release/src/ui/lunarys "$@"
