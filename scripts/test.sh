#!/usr/bin/env bash
# Installs what is missing, builds TypeKo and runs every test: the unit,
# window and end-to-end tests, the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, the fuzzers for a bounded time, and the
# package, fault and soak tests. The output ends with CTest's summary of the
# main build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DTYPEKO_RELEASE_TESTS=ON
cmake --build build
bash scripts/release-checks.sh
echo "== the main build's tests ($(date +%T))"
ctest --test-dir build --output-on-failure -j "$(nproc)"
