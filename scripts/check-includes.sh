#!/bin/bash
# Keeps the source tree's layering true: every `#include "folder/..."` in a
# file under src/<folder>/ names its own folder or a folder on a lower line
# of the order below, never one on its own line (a sibling) or a higher one.
# Files directly in src/ (the program's main) may include any folder.
#
#   check-includes.sh SRC      check the tree at SRC; exit 1 on a fault
#   check-includes.sh --self-test
set -euo pipefail

# The order of the libraries, lowest first; folders on one line are siblings.
readonly ORDER=(
    "cardfile"
    "dialogs"
    "controls reports"
    "editing"
    "frame"
    "rk ok okd"
    "cards"
    "shell cli"
)

level_of() {
    local level
    for level in "${!ORDER[@]}"; do
        for folder in ${ORDER[$level]}; do
            if [[ $folder == "$1" ]]; then
                echo "$level"
                return
            fi
        done
    done
    echo "-1"
}

check_tree() {
    local src=$1 faults=0 file folder level used usedLevel line number
    for file in "$src"/*/*.h "$src"/*/*.cpp; do
        [[ -f $file ]] || continue
        folder=$(basename "$(dirname "$file")")
        level=$(level_of "$folder")
        if ((level < 0)); then
            echo "$file: the folder $folder is not in the order of check-includes.sh"
            faults=$((faults + 1))
            continue
        fi
        while IFS=: read -r number line; do
            used=${line#*\"}
            used=${used%%/*}
            [[ $used == "$folder" ]] && continue
            usedLevel=$(level_of "$used")
            if ((usedLevel < 0)); then
                continue # not a folder of src/ (e.g. a test's support/)
            fi
            if ((usedLevel >= level)); then
                echo "$file:$number: $folder may not include $used: $line"
                faults=$((faults + 1))
            fi
        done < <(grep -n '^#include "[a-z]*/' "$file" || true)
    done
    if ((faults > 0)); then
        echo "$faults include(s) against the order of the libraries"
        return 1
    fi
}

self_test() {
    local tree
    tree=$(mktemp -d)
    trap 'rm -rf "$tree"' RETURN
    mkdir -p "$tree"/{cardfile,frame,rk,ok}
    printf '#include "cardfile/a.h"\n' >"$tree/frame/b.h"
    printf '#include "frame/b.h"\n#include "rk/d.h"\n' >"$tree/rk/d.cpp"
    printf '#pragma once\n' >"$tree/cardfile/a.h"
    check_tree "$tree" >/dev/null || {
        echo "self-test: a tree whose includes run downward was refused"
        return 1
    }
    printf '#include "frame/b.h"\n' >"$tree/cardfile/a.h"
    if check_tree "$tree" >/dev/null; then
        echo "self-test: an upward include was not found"
        return 1
    fi
    printf '#pragma once\n' >"$tree/cardfile/a.h"
    printf '#include "rk/d.h"\n' >"$tree/ok/e.cpp"
    if check_tree "$tree" >/dev/null; then
        echo "self-test: an include between sibling folders was not found"
        return 1
    fi
    echo "self-test passed"
}

if [[ ${1:-} == "--self-test" ]]; then
    self_test
else
    check_tree "${1:?usage: check-includes.sh SRC | --self-test}"
fi
