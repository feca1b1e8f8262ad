#!/usr/bin/env bash
# Builds Quorvel and runs the benchmarks: the analysis and display passes
# (medians of 10 repetitions), then the drag load under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh run
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build
build/bench/analysis_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
  --benchmark_color=false 2>&1 | grep -E "^Run on|^CPU|^BM_.*_median|^Benchmark"
build/quorvel-load build/quorvel drag-load
