#!/usr/bin/env bash
# Builds Quorvel and runs the benchmarks: the analysis and display passes
# (medians of 10 repetitions), the analysis pass natively and compiled to
# WebAssembly under node, then the drag load under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh test
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=ON -DQUORVEL_BENCH=ON \
  >/dev/null
cmake --build build
build/bench/analysis_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
  --benchmark_color=false 2>&1 | grep -E "^Run on|^CPU|^BM_.*_median|^Benchmark"
echo "The same analysis pass, native and as WebAssembly under node:"
build/bench/pass_timing
scripts/web-build.sh >/dev/null
node build-web/web/pass_timing.js
build/quorvel-load build/quorvel drag-load
