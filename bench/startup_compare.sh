#!/usr/bin/env bash
# Whole-process start-up of the program to its first painted main window,
# against a bare Qt window of the same size: median wall time and largest
# resident size over several runs of each, on the offscreen platform.
#   bench/startup_compare.sh [build-dir] [runs]
set -euo pipefail
build="${1:-build-bench}"
runs="${2:-15}"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

measure() {
    local walls=() rss=0 out start end
    for _ in $(seq "$runs"); do
        start=$(date +%s%N)
        out=$( { /usr/bin/time -f '%M' "$@" >/dev/null; } 2>&1 | tail -1)
        end=$(date +%s%N)
        walls+=("$(( (end - start) / 1000 ))")
        (( out > rss )) && rss=$out
    done
    local median
    median=$(printf '%s\n' "${walls[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)] / 1000}')
    echo "$median $rss"
}

read -r mainWall mainRss < <(measure "$build/bench/bench_startup" --once)
read -r bareWall bareRss < <(measure "$build/bench/bench_bare_window")
printf 'main window: median wall %s ms, max RSS %s KiB\n' "$mainWall" "$mainRss"
printf 'bare window: median wall %s ms, max RSS %s KiB\n' "$bareWall" "$bareRss"
awk -v m="$mainWall" -v b="$bareWall" -v mr="$mainRss" -v br="$bareRss" \
    'BEGIN { printf "ratio: wall %.2f, RSS %.2f\n", m / b, mr / br }'
