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

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

# Runs the program once; records its wall time in ms and the memory it held at
# first paint, which it prints itself.
declare -A times mems
run_once() {
    local key=$1 t0 t1 out
    shift
    t0=$(date +%s%N)
    out=$("$@" 2>/dev/null)
    t1=$(date +%s%N)
    times[$key]+=" $(((t1 - t0) / 1000000))"
    mems[$key]+=" $(sed -n 's/^resident at first paint: \([0-9.]*\) MB$/\1/p' <<<"$out")"
}

inner() {
    # Rounds interleave the three programs so that a busy moment on the machine
    # weighs on all of them alike.
    for _ in $(seq "$runs"); do
        run_once bare "$build/bench/bench_bare"
        run_once text "$build/bench/bench_bare" --text
        run_once ctl "$build/bench/bench_bare" --controls
        run_once tib "$build/bench/bench_startup"
    done
    local bare text ctl tib
    # shellcheck disable=SC2086 # the lists are meant to split
    bare=$(median ${times[bare]}) text=$(median ${times[text]}) ctl=$(median ${times[ctl]})
    # shellcheck disable=SC2086
    tib=$(median ${times[tib]})
    echo "start-up to first paint: bare Qt Widgets window ${bare} ms, with one label ${text} ms," \
         "with the start window's controls in plain Qt ${ctl} ms, start window ${tib} ms"
    echo "  ratio to the bare window $(ratio "$tib" "$bare") (target about 1.2)," \
         "to the window with text $(ratio "$tib" "$text")," \
         "to the same controls in plain Qt $(ratio "$tib" "$ctl")"
    # shellcheck disable=SC2086
    echo "memory at first paint: bare window $(median ${mems[bare]}) MB," \
         "same controls in plain Qt $(median ${mems[ctl]}) MB," \
         "start window $(median ${mems[tib]}) MB (target under 34 MB, no sound played yet)"
    for b in bench_weight bench_board bench_capture bench_maze; do
        if [ -x "$build/bench/$b" ]; then "$build/bench/$b"; fi
    done
}
if [ -n "${BENCH_INNER:-}" ] || [ ${#wrap[@]} -eq 0 ]; then
    inner
else
    BENCH_INNER=1 "${wrap[@]}" bash "$0" "$build"
fi
