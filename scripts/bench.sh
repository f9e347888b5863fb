#!/usr/bin/env bash
# Measures the fills against cv::floodFill and prints the ratios to their goals.
# Installs what is missing (OpenCV included), configures and builds the
# benchmark in the default build folder, then runs it. Extra arguments go to
# the benchmark (for instance --benchmark_filter=Maze).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh libopencv-dev
cmake --preset default
cmake --build --preset default --target tintaro_bench

# Five interleaved repetitions of each measurement, reported by their median,
# keep the ratios steady on a machine that is busy with other work.
./build/bench/tintaro_bench \
  --benchmark_repetitions=5 \
  --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true \
  --benchmark_min_time=0.2 \
  "$@"
