#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the benchmarks in release mode and runs them headless.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVI_BUILD_TESTS=OFF -DTAVI_BUILD_BENCH=ON
cmake --build build/bench
export QT_QPA_PLATFORM=offscreen
for bench in build/bench/bench/*_bench; do
  echo "== ${bench##*/}"
  "$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
done
