#!/usr/bin/env bash
# Runs the speed and weight measurements against a build folder (default: build)
# and prints what they find. Uses a private X server when one is installed.
set -euo pipefail
build=${1:-build}
runs=${RUNS:-15}
export XDG_CONFIG_HOME=$(mktemp -d)
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

wrap=()
if [ -z "${BENCH_INNER:-}" ] && command -v xvfb-run >/dev/null; then
    wrap=(xvfb-run -a -s "-screen 0 1280x900x24")
elif [ -z "${BENCH_INNER:-}" ]; then
    export QT_QPA_PLATFORM=offscreen
fi

median_ms() {
    local times=()
    for _ in $(seq "$runs"); do
        local t0 t1
        t0=$(date +%s%N)
        "$@" >/dev/null 2>&1
        t1=$(date +%s%N)
        times+=($(((t1 - t0) / 1000000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

inner() {
    local bare text tib
    bare=$(median_ms "$build/bench/bench_startup" --bare)
    text=$(median_ms "$build/bench/bench_startup" --bare-text)
    tib=$(median_ms "$build/bench/bench_startup")
    echo "start-up to first paint: bare Qt window ${bare} ms, with one label ${text} ms," \
         "start window ${tib} ms"
    echo "  ratio to the bare window $(ratio "$tib" "$bare") (target about 1.2)," \
         "to the window with text $(ratio "$tib" "$text")"
    for b in bench_weight bench_board bench_maze; do
        if [ -x "$build/bench/$b" ]; then "$build/bench/$b"; fi
    done
}
if [ -n "${BENCH_INNER:-}" ] || [ ${#wrap[@]} -eq 0 ]; then
    inner
else
    BENCH_INNER=1 "${wrap[@]}" bash "$0" "$build"
fi
