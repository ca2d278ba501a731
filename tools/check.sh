#!/usr/bin/env bash
# Installs what is missing, builds the game and runs every test: once in a
# plain build and once under AddressSanitizer and UndefinedBehaviorSanitizer;
# then builds the fuzz targets and runs each for 20 seconds on its seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
jobs=$(nproc)

# Layout is settled by .clang-format; a file that differs fails the run.
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTIBBLY_SANITIZE=ON -DTIBBLY_BENCH=OFF
cmake --build build-asan -j "$jobs"
ctest --test-dir build-asan --output-on-failure -j "$jobs"

JOBS=$jobs bash tools/fuzz.sh 20
