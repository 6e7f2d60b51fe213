#!/usr/bin/env bash
# Start-up to first frame and peak resident memory of the tool against an
# empty Qt window of the same size (and, for reference, the same window
# with one line of text), all offscreen, run in turn.
# Usage: bench/startup_vs_qt.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR [RUNS]}
runs=${2:-11}
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
programs=(empty_window text_window loxane_first_frame)

# One run: microseconds from launch to first frame, then peak RSS in KiB.
measure() {
    local started printed
    started=${EPOCHREALTIME/[.,]/}
    printed=$(/usr/bin/time -f %M -o "$work/rss" "$build/bench/$1" 2>/dev/null)
    echo "$((printed - started)) $(tail -n 1 "$work/rss")"
}

for ((i = 0; i < runs; i++)); do
    for program in "${programs[@]}"; do
        measure "$program" >> "$work/$program"
    done
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
echo "medians of $runs runs each, offscreen, $(nproc) cores"
for program in "${programs[@]}"; do
    us=$(cut -d' ' -f1 "$work/$program" | median)
    kib=$(cut -d' ' -f2 "$work/$program" | median)
    echo "$program $us $kib"
done | awk '
    BEGIN { printf "%-20s %17s %9s %15s %9s\n", "", "first frame (ms)", "x empty", "peak RSS (MiB)", "x empty" }
    NR == 1 { empty_us = $2; empty_kib = $3 }
    { printf "%-20s %17.1f %9.2f %15.1f %9.2f\n", $1, $2 / 1000, $2 / empty_us, $3 / 1024, $3 / empty_kib }'
