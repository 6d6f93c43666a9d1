#!/usr/bin/env bash
# Installs what is missing, builds TypeKo and runs every test of the main
# build; the test output ends with CTest's summary. The longer release
# checks are in scripts/release-checks.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DTYPEKO_RELEASE_TESTS=OFF
cmake --build build
ctest --test-dir build --output-on-failure -j "$(nproc)"
