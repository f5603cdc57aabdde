#!/usr/bin/env bash
# Builds Lunarys and runs every test: the release build (logic, windows,
# command-line tool, installation) and the same tests under AddressSanitizer
# and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-packages.sh test
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

echo "== release build =="
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Release -DLUNARYS_BUILD_BENCH=ON >/dev/null
cmake --build build/test -j"$jobs"
ctest --test-dir build/test --output-on-failure -j"$jobs"

echo "== Debian package: build, install into a fresh Debian root, run =="
tests/install/package-test.sh --build build/test

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build =="
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DLUNARYS_SANITIZE=ON -DLUNARYS_BUILD_BENCH=OFF >/dev/null
cmake --build build/asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build/asan --output-on-failure -j"$jobs" -LE install
