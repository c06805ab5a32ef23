#!/usr/bin/env bash
# Whole-process start-up of the program to its first painted main window,
# against a bare Qt window of the same size: median wall time and largest
# resident size over several runs of each, taken in turn, on the offscreen
# platform.
#   bench/startup_compare.sh [build-dir] [runs]
set -euo pipefail
build="${1:-build-bench}"
runs="${2:-15}"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"

# One run of a program: "wall-microseconds peak-KiB".
once() {
    local out start end
    start=$(date +%s%N)
    out=$( { /usr/bin/time -f '%M' "$@" >/dev/null; } 2>&1 | tail -1)
    end=$(date +%s%N)
    echo "$(( (end - start) / 1000 )) $out"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)] / 1000}'; }

# The two programs run in turn, so that both meet the same load.
mainWalls=() bareWalls=() mainRss=0 bareRss=0
for _ in $(seq "$runs"); do
    read -r wall rss < <(once "$build/bench/bench_startup" --once)
    mainWalls+=("$wall"); (( rss > mainRss )) && mainRss=$rss
    read -r wall rss < <(once "$build/bench/bench_bare_window")
    bareWalls+=("$wall"); (( rss > bareRss )) && bareRss=$rss
done
mainWall=$(printf '%s\n' "${mainWalls[@]}" | median)
bareWall=$(printf '%s\n' "${bareWalls[@]}" | median)
printf 'main window: median wall %s ms, max RSS %s KiB\n' "$mainWall" "$mainRss"
printf 'bare window: median wall %s ms, max RSS %s KiB\n' "$bareWall" "$bareRss"
awk -v m="$mainWall" -v b="$bareWall" -v mr="$mainRss" -v br="$bareRss" \
    'BEGIN { printf "ratio: wall %.2f, RSS %.2f\n", m / b, mr / br }'
