#!/usr/bin/env bash
# Sets up and builds everything, then runs the reference host hdpart on the
# bundled example description: saves it to a project file in a temporary
# directory and shows the saved project.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
work=$(mktemp -d "${TMPDIR:-/tmp}/hdpart-example.XXXXXX")
trap 'rm -rf "$work"' EXIT
build/bin/hdpart save examples/xpartition.pxml -o "$work/video_pipeline.prj"
build/bin/hdpart show "$work/video_pipeline.prj"
build/bin/hdpart tcl examples/report.tcl examples/xpartition.pxml
