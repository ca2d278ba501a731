#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs each on its
# seed corpus for a while: tools/fuzz.sh [seconds per target, default 20].
# A crash, a leak or a broken property stops with the input that caused it,
# saved as build-fuzz/artifacts/<target>-crash-...; rerun a target on that
# file alone to see it again: build-fuzz/tests/fuzz/fuzz_<target> FILE.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
jobs=${JOBS:-$(nproc)}

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTIBBLY_FUZZ=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build-fuzz -j "$jobs"

mkdir -p build-fuzz/artifacts
for corpus in tests/fuzz/corpus/*/; do
    target=$(basename "$corpus")
    # New inputs go to a scratch folder; the checked-in seeds are only read.
    scratch=build-fuzz/corpus/$target
    mkdir -p "$scratch"
    log=build-fuzz/$target.log
    echo "fuzzing $target for ${seconds}s"
    if ! "build-fuzz/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/artifacts/$target-" "$scratch" "$corpus" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz_$target failed; its input is in build-fuzz/artifacts/" >&2
        exit 1
    fi
    grep -E '^Done|number_of_executed_units' "$log"
done
