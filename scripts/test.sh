#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs every test; then builds the fuzz targets with clang in their own tree
# and runs each for a few seconds (fuzz/README.md).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh test
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DK7_SANITIZE=ON -DK7_BUILD_TESTS=ON
cmake --build build/test
(cd build/test && ctest --output-on-failure -j2 "$@")

cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DK7_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
cmake --build build/fuzz
(cd build/fuzz && ctest --output-on-failure -j2)
