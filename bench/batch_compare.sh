#!/usr/bin/env bash
# Printing many full registration cards: one `ovrida pdf --output-dir` run
# against as many single `ovrida pdf` runs, and the batch's peak memory after
# 10 cards against after all of them.
#   bench/batch_compare.sh [build-dir] [cards]
set -euo pipefail
build="${1:-build-bench}"
cards="${2:-200}"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/cards" "$work/single" "$work/batch"
# The full sample card: 5 customers, 20 co-executors, 15 stages.
full="$(dirname "$0")/../tests/data/corpus/rk/full.txt"
for i in $(seq -w "$cards"); do cp "$full" "$work/cards/card$i.txt"; done

start=$(date +%s.%N)
for card in "$work"/cards/*.txt; do
    "$build/ovrida" pdf "$card" "$work/single/$(basename "$card" .txt).pdf" 2>/dev/null
done
single=$(awk -v a="$start" -v b="$(date +%s.%N)" 'BEGIN { print b - a }')

batch() { # cards... ; prints "wall-seconds peak-KiB"
    /usr/bin/time -f '%e %M' "$build/ovrida" pdf --output-dir "$work/batch" "$@" 2>&1 >/dev/null \
        | tail -1
}
read -r batchWall batchRss < <(batch "$work"/cards/*.txt)
read -r _ tenRss < <(batch $(ls "$work"/cards/*.txt | head -10))
[ "$(ls "$work/batch" | wc -l)" -eq "$cards" ] || { echo "batch wrote too few PDFs" >&2; exit 1; }

awk -v n="$cards" -v s="$single" -v b="$batchWall" -v t="$tenRss" -v r="$batchRss" 'BEGIN {
    printf "%d single runs: %.2f s; one batch run: %.2f s; ratio %.3f\n", n, s, b, b / s
    printf "batch peak memory: %d KiB after 10 cards, %d KiB after %d; ratio %.2f\n", t, r, n, r / t
}'
