#!/usr/bin/env bash
# Sets up, builds from nothing and runs the whole test suite.
# With SANITIZE=1 it builds and runs under AddressSanitizer and UndefinedBehaviorSanitizer instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

dir=build
opts=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORE_WERROR=ON)
if [ "${SANITIZE:-0}" = 1 ]; then
  dir=build-asan
  opts=(-DCMAKE_BUILD_TYPE=Debug -DZORE_WERROR=ON -DZORE_SANITIZE=ON)
fi

cmake -S . -B "$dir" -G Ninja "${opts[@]}" >/dev/null
cmake --build "$dir"
export TZ=UTC
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$dir" --output-on-failure -j2
