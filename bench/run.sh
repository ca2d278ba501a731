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

# Runs the program once. Records the time from launch to the end of its first
# paint and the memory it held then, both of which it prints itself, and the
# wall time of the whole run, exit included. Qt reads the system's font
# configuration at exit if no text was shown, so only the first figure says
# what the player waits for.
declare -A paints runs_ mems
run_once() {
    local key=$1 t0 t1 out
    shift
    t0=$(date +%s%N)
    out=$(BENCH_LAUNCH_NS=$t0 "$@" 2>/dev/null)
    t1=$(date +%s%N)
    runs_[$key]+=" $(((t1 - t0) / 1000000))"
    paints[$key]+=" $(sed -n 's/^first paint done after: \([0-9.]*\) ms$/\1/p' <<<"$out")"
    mems[$key]+=" $(sed -n 's/^resident at first paint: \([0-9.]*\) MB$/\1/p' <<<"$out")"
}

# Prints one line of medians for the four programs and the start window's ratios.
report() {
    local what=$1 unit=$2 bare text ctl tib
    local -n list=$3
    # shellcheck disable=SC2086 # the lists are meant to split
    bare=$(median ${list[bare]}) text=$(median ${list[text]}) ctl=$(median ${list[ctl]})
    # shellcheck disable=SC2086
    tib=$(median ${list[tib]})
    echo "$what: bare Qt Widgets window $bare $unit, with one label $text $unit," \
         "with the start window's controls in plain Qt $ctl $unit, start window $tib $unit"
    echo "  start window to the bare window $(ratio "$tib" "$bare")," \
         "to the window with one label $(ratio "$tib" "$text")," \
         "to the same controls in plain Qt $(ratio "$tib" "$ctl")"
}

inner() {
    # Rounds interleave the programs so that a busy moment on the machine weighs
    # on all of them alike.
    for _ in $(seq "$runs"); do
        run_once bare "$build/bench/bench_bare"
        run_once text "$build/bench/bench_bare" --text
        run_once ctl "$build/bench/bench_bare" --controls
        run_once tib "$build/bench/bench_startup"
    done
    report "launch to first paint done (target: about 1.2 x the bare window)" ms paints
    report "whole run, exit included" ms runs_
    report "memory at first paint (start window under 34 MB, no sound played yet)" MB mems
    for b in bench_weight bench_board bench_capture bench_maze; do
        if [ -x "$build/bench/$b" ]; then "$build/bench/$b"; fi
    done
}
if [ -n "${BENCH_INNER:-}" ] || [ ${#wrap[@]} -eq 0 ]; then
    inner
else
    BENCH_INNER=1 "${wrap[@]}" bash "$0" "$build"
fi
