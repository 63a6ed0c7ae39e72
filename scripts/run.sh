#!/usr/bin/env bash
# Builds Quorvel if needed and tells what can be run so far.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
echo "Built. The client is not yet part of this tree; the libraries and tests are in build/."
