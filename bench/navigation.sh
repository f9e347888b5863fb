#!/usr/bin/env bash
# The next-drawing button after a fill against the same without one, wall time
# of the window's wait, median of five interleaved repetitions. Runs in the
# build folder, on the disk: the kept colourings are written and synced there.
# Extra arguments go to the benchmark (for instance --benchmark_filter=1920).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target tintaro_navigation_bench
cd build
./bench/tintaro_navigation_bench \
  --benchmark_repetitions=5 \
  --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true \
  --benchmark_min_time=0.5 \
  "$@"
