#!/usr/bin/env bash
# Builds the Release configuration, runs every benchmark under bench/ in one
# go and writes docs/PERFORMANCE.md from that one run on one machine
# (scripts/performance-report.py); the whole output is kept in
# build-release/bench.log. Run it on an otherwise idle machine:
#   scripts/bench.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset release >/dev/null
cmake --build --preset release >/dev/null
export TZ=UTC
log=build-release/bench.log
{
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "load average before the run: $(cut -d' ' -f1-3 /proc/loadavg)"
for bench in build-release/bin/*_bench; do
  echo
  echo "== $(basename "$bench")"
  "$bench" 2>&1 | sed 's/\x1b\[[0-9;]*m//g'
done
} | tee "$log"
scripts/performance-report.py "$log" >docs/PERFORMANCE.md
echo "wrote docs/PERFORMANCE.md"
