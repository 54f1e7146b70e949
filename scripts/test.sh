#!/usr/bin/env bash
# Command 2: sets up, builds and runs every test. The core tests run first under
# AddressSanitizer and UndefinedBehaviorSanitizer, then every test of the normal build;
# the run ends with ctest's summary of the normal build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh -DLUMOX_WERROR=ON

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLUMOX_SANITIZE=ON \
  -DLUMOX_CORE_ONLY=ON -DLUMOX_WERROR=ON > /dev/null
cmake --build build-asan -j "$(nproc)"
echo "== core tests under AddressSanitizer + UndefinedBehaviorSanitizer"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$(nproc)"

echo "== every test"
build="${LUMOX_BUILD_DIR:-build}"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
