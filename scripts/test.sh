#!/usr/bin/env bash
# Builds everything and runs every test suite. Installs what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
kestrin_install_missing

cmake --preset default
cmake --build --preset default
ctest --preset default
