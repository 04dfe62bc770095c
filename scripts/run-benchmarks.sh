#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the benchmarks in release mode and runs them headless, including the
# side-by-side run against QPlainTextEdit and QScintilla.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-debian.sh
# QScintilla is needed only by the side-by-side benchmark, so it is installed here rather than for every build.
if ! dpkg -s libqscintilla2-qt6-dev >/dev/null 2>&1; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends libqscintilla2-qt6-dev
fi
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTAVI_BUILD_TESTS=OFF -DTAVI_BUILD_BENCH=ON
cmake --build build/bench
export QT_QPA_PLATFORM=offscreen
for bench in build/bench/bench/*_bench; do
  echo "== ${bench##*/}"
  if [ "${bench##*/}" = editor_peers_bench ]; then
    # Its own harness: one table of medians with ratios (bench/README.md explains the columns).
    "$bench"
  else
    "$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
  fi
done
