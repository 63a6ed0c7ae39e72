#!/usr/bin/env bash
# Installs what is missing, builds everything, and runs every test: the full build,
# then the core again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2 --timeout 300

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DQUORVEL_CORE_ONLY=ON -DQUORVEL_SANITIZE=ON -DQUORVEL_BENCHMARKS=OFF
cmake --build build-asan -j2
ctest --test-dir build-asan --output-on-failure -j2 --timeout 300
