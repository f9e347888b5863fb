#!/usr/bin/env bash
# Peak resident memory of the main window after 100 painting steps (fills,
# pencil strokes, straight lines) on a 1920 x 1080 canvas, beside an empty Qt Widgets window of the same size in the
# same build, and the goal: no more than the empty window plus 4 canvas images.
#
#   bash bench/memory.sh [runs]     (default 5; the median of each is reported)
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${1:-5}

cmake --preset default >/dev/null
cmake --build --preset default --target tintaro_memory_bench tintaro_content >/dev/null
BENCH=./build/bench/tintaro_memory_bench

median_peak() { # mode
    for _ in $(seq 1 "$RUNS"); do
        "$BENCH" "$1" 2>/dev/null | sed -n 's/.*peak_rss_kib=\([0-9]*\).*/\1/p'
    done | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

"$BENCH" paint 2>/dev/null # the set-up, once, for the record
baseline=$(median_peak baseline)
painted=$(median_peak paint)
canvas_kib=$((1920 * 1080 * 4 / 1024))
awk -v b="$baseline" -v p="$painted" -v c="$canvas_kib" 'BEGIN {
    printf "| | peak resident memory (MiB) |\n|---|---:|\n"
    printf "| empty window (baseline) | %.1f |\n", b / 1024
    printf "| main window after 100 painting steps | %.1f |\n", p / 1024
    printf "| difference | %.1f (%.2f canvas images of %.1f MiB) |\n", (p - b) / 1024, (p - b) / c, c / 1024
    printf "| goal: baseline + 4 canvas images | %.1f |\n", (b + 4 * c) / 1024
    exit !(p <= b + 4 * c)
}'
