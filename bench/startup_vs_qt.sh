#!/usr/bin/env bash
# Start-up to first frame and peak resident memory of the tool against an
# empty Qt window of the same size, both offscreen, run in turn.
# Usage: bench/startup_vs_qt.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR [RUNS]}
runs=${2:-11}
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One run: milliseconds from launch to first frame, then peak RSS in KiB.
measure() {
    local started printed
    started=${EPOCHREALTIME/[.,]/}
    printed=$(/usr/bin/time -f %M -o "$work/rss" "$1" 2>/dev/null)
    echo "$(( (printed - started) / 1000 )).$(( (printed - started) % 1000 / 100 )) $(tail -n 1 "$work/rss")"
}

for ((i = 0; i < runs; i++)); do
    measure "$build/bench/empty_window" >> "$work/empty"
    measure "$build/bench/loxane_first_frame" >> "$work/tool"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
empty_ms=$(cut -d' ' -f1 "$work/empty" | median)
tool_ms=$(cut -d' ' -f1 "$work/tool" | median)
empty_kib=$(cut -d' ' -f2 "$work/empty" | median)
tool_kib=$(cut -d' ' -f2 "$work/tool" | median)

echo "medians of $runs runs each, offscreen, $(nproc) cores"
awk -v em="$empty_ms" -v tm="$tool_ms" -v ek="$empty_kib" -v tk="$tool_kib" 'BEGIN {
    printf "%-14s %18s %16s\n", "", "first frame (ms)", "peak RSS (MiB)"
    printf "%-14s %18.1f %16.1f\n", "empty window", em, ek / 1024
    printf "%-14s %18.1f %16.1f\n", "loxane", tm, tk / 1024
    printf "%-14s %18.2f %16.2f\n", "ratio", tm / em, tk / ek
}'
