#!/usr/bin/env bash
# Measures the game against the smallest Qt Widgets program, on a private X server, in the
# same run: the time from starting each program until its first window is drawn (the story for
# the game, a window with one label for the other) and its resident memory once idle, and the
# time the game takes from the first Ctrl+L to the ledger drawn. Then runs the benchmark of the
# rules, and times the high-score window opening over a 10 MB store.
# `make bench` builds what it needs and runs it.
#   scripts/bench.sh [BUILD_DIR] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-21}
idle_ms=1500

for program in "$build/dunemark" "$build/bench/minimal_qt" "$build/bench/startup_probe" \
    "$build/bench/core_bench" "$build/bench/highscores_bench" "$build/bench/store_read_bench"; do
    [ -x "$program" ] || {
        echo "$program is missing: run make bench" >&2
        exit 1
    }
done

source scripts/lib/xvfb.sh
trap stop_xvfb EXIT
start_xvfb 1024x768

results=$(mktemp)
trap 'stop_xvfb; rm -f "$results"' EXIT

# One probe, recorded as "<name> <mapped ms> <shown ms> <cpu ms> <rss KiB> [<ms from each key>]"
# unless a warm-up. Arguments after the fourth are the probe's keys.
probe() {
    local name=$1 title=$2 program=$3 record=$4 line
    line=$("$build/bench/startup_probe" "${@:5}" "$title" "$idle_ms" "$program")
    [ "$record" = yes ] || return 0
    echo "$name $(sed -E 's/[a-z_]+=//g; s/,/ /g' <<<"$line")" >>"$results"
}
# A key on the story brings up the main window, then the first Ctrl+L the ledger.
ledger_keys=(-k space Dunemark -k ctrl+l Ledger)

echo "Start-up and memory on $DISPLAY, $runs runs each, alternating (after one warm-up each)"
probe minimal Minimal "$build/bench/minimal_qt" no
probe game Story "$build/dunemark" no
probe ledger Story "$build/dunemark" no "${ledger_keys[@]}"
for ((i = 1; i <= runs; i++)); do
    probe minimal Minimal "$build/bench/minimal_qt" yes
    probe game Story "$build/dunemark" yes
    probe ledger Story "$build/dunemark" yes "${ledger_keys[@]}"
done

median() { # median of column $2 for rows named $1
    awk -v name="$1" -v col="$2" '$1 == name { print $col }' "$results" | sort -g |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
spread() { # lowest and highest of column $2 for rows named $1
    awk -v name="$1" -v col="$2" '$1 == name { print $col }' "$results" | sort -g |
        awk 'NR == 1 { lo = $1 } { hi = $1 } END { printf "%s..%s", lo, hi }'
}
row() { # label, column, divisor for the unit
    local a b
    a=$(median minimal "$2")
    b=$(median game "$2")
    awk -v label="$1" -v a="$a" -v b="$b" -v d="$3" \
        'BEGIN { printf "%-30s %11.1f %11.1f %7.2f\n", label, a / d, b / d, b / a }'
}

printf '\n%-30s %11s %11s %7s\n' "median of $runs runs" "minimal Qt" "Dunemark" "ratio"
row "window mapped, not drawn (ms)" 2 1
row "first window drawn (ms)" 3 1
row "processor time (ms)" 4 1
row "resident memory, idle (MiB)" 5 1024
printf '%-30s %11s %11s\n' "first window drawn, range (ms)" "$(spread minimal 3)" "$(spread game 3)"
# The game's first frame against the floor's, and its memory above the floor's, start by start: each
# start of the game against the floor's just before it, so that a busy moment weighs on both.
paired() { # label, "ratio" or "memory", the format of a figure
    awk -v f="$2" '$1 == "minimal" { drawn = $3; memory = $5 }
        $1 == "game" && drawn { print (f == "ratio") ? $3 / drawn : ($5 - memory) / 1024 }' \
        "$results" | sort -g | awk -v label="$1" -v form="$3" '{ v[NR] = $1 }
        END { printf "%-30s %11s %11s\n", label, sprintf(form, v[int((NR + 1) / 2)]),
                  sprintf(form ".." form, v[1], v[NR]) }'
}
paired "first frame, paired ratio" ratio "%.2f"
paired "memory above floor (MiB)" memory "%.1f"
printf '%-30s %23.1f\n' "first Ctrl+L to ledger (ms)" "$(median ledger 7)"
printf '%-30s %23s\n' "first Ctrl+L, range (ms)" "$(spread ledger 7)"

echo
echo "The rules alone (median of 5 repetitions):"
"$build/bench/core_bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    --benchmark_display_aggregates_only=true 2>&1 | grep -E '^(Benchmark|-|BM_.*_median)'

echo
echo "The high-score window over a store of 10 MB:"
"$build/bench/highscores_bench" 3

echo
echo "The store read over files of every shape (each in a process of its own):"
"$build/bench/store_read_bench"
