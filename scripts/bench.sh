#!/usr/bin/env bash
# Builds the Release configuration and runs every benchmark under bench/ in
# one go, so that the figures of docs/PERFORMANCE.md come from one run on one
# machine. Run it on an otherwise idle machine:
#   scripts/bench.sh 2>&1 | tee bench.log
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release >/dev/null
export TZ=UTC
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "load average before the run: $(cut -d' ' -f1-3 /proc/loadavg)"
for bench in build-release/bin/*_bench; do
  echo
  echo "== $(basename "$bench")"
  "$bench" 2>&1 | sed 's/\x1b\[[0-9;]*m//g'
done
