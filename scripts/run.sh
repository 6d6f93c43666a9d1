#!/usr/bin/env bash
# Installs what is missing, builds TypeKo and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja
cmake --build build
exec build/typeko
