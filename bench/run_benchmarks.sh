#!/usr/bin/env bash
# Runs the drag, repaint and recompute benchmarks at device pixel ratio 1,
# the drag and repaint ones again at 2 (Qt reads QT_SCALE_FACTOR only as it
# starts, hence two runs), one drag step on X11 with accessibility off, on,
# and on with a listener taking every change as a screen reader does (the
# offscreen platform has no accessibility at all), then the start-up
# comparison with an empty Qt window.
# Usage: bench/run_benchmarks.sh BUILD_DIR [extra Google Benchmark flags]
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR [benchmark flags]}
shift
here=$(dirname "$0")
flags=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@")

echo "== device pixel ratio 1"
QT_SCALE_FACTOR=1 "$build/bench/loxane_bench" "${flags[@]}"
echo "== device pixel ratio 2"
QT_SCALE_FACTOR=2 "$build/bench/loxane_bench" --benchmark_filter='Drag|Repaint|KeyStep' "${flags[@]}"
for accessibility in inactive active listened; do
    echo "== X11, accessibility $accessibility"
    LOXANE_ACCESSIBILITY=$accessibility "$here/../scripts/accessibility-session.sh" "$build/bench/loxane_bench" \
        --benchmark_filter='DragStep|KeyStep|KeyAnnouncement' "${flags[@]}"
done
echo "== start-up"
"$here/startup_vs_qt.sh" "$build"
