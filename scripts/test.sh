#!/usr/bin/env bash
# Sets up, builds what is not built yet and runs the whole test suite.
# With SANITIZE=1 it builds and runs under AddressSanitizer and UndefinedBehaviorSanitizer instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

# The configurations are named once, in CMakePresets.json: build/ is the one
# scripts/run-example.sh builds, so what it built is not built again.
preset=default
[ "${SANITIZE:-0}" = 1 ] && preset=asan
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset"
