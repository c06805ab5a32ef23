#!/usr/bin/env bash
# How fast each card kind's fuzz program runs on one core: each runs `seconds`
# on a fresh copy of its sample cards, as `make fuzz` starts it, and its
# executions a second over the whole run (loading the sample cards included)
# are printed. The mutations start from one fixed seed, so that runs of the
# same length try much the same inputs.
#   bench/fuzz_speed.sh [fuzz-build-dir] [seconds] [kind...]
# ASAN_OPTIONS and FUZZ_RUN_FLAGS (the libFuzzer options of every fuzz run)
# come from the caller: `make fuzz-bench` passes those of `make fuzz`.
set -euo pipefail
build="${1:-build-fuzz}"
seconds="${2:-60}"
kinds=("${@:3}")
[ ${#kinds[@]} -gt 0 ] || kinds=(rk ok okd)
root="$(cd "$(dirname "$0")/.." && pwd)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for kind in "${kinds[@]}"; do
    mkdir -p "$work/$kind"
    cp "$root/tests/data/corpus/$kind"/* "$work/$kind/"
    # shellcheck disable=SC2086 # the flags are words
    "$build/fuzz/fuzz_$kind" -max_total_time="$seconds" ${FUZZ_RUN_FLAGS:?} \
        -seed=1 -artifact_prefix="$work/" -print_final_stats=1 "$work/$kind" >"$work/$kind.log" 2>&1 || { cat "$work/$kind.log" >&2; exit 1; }
    awk -v kind="$kind" '
        /stat::number_of_executed_units/ { runs = $2 }
        /stat::average_exec_per_sec/ { rate = $2 }
        /DONE/ { cov = $4; ft = $6 }
        END { printf "%-4s %8d runs  %5d a second  cov %s ft %s\n", kind, runs, rate, cov, ft }
    ' "$work/$kind.log"
done
