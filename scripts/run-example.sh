#!/usr/bin/env bash
# Sets up and builds everything, then runs the reference host hdpart on the
# bundled example (examples/): makes the exported project's project file from
# its description, imports the capture stage's previous implementation into
# the video pipeline (one previous file is missing, reported as a warning
# here) and shows the imported partition of the saved project.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
work=$(mktemp -d "${TMPDIR:-/tmp}/hdpart-example.XXXXXX")
trap 'rm -rf "$work"' EXIT
hdpart=$PWD/build/bin/hdpart
# Import locations are directories as seen from where hdpart runs.
cd examples
"$hdpart" save capture_export/project.pxml -o capture_export/project.hdproj
OMB_PR_ALLOW_INCOMPLETE_PIF=1 "$hdpart" import xpartition.pxml -o "$work/video_pipeline.prj"
"$hdpart" show "$work/video_pipeline.prj" | sed -n '/^Partition \/top\/capture:/,/^---/p'
"$hdpart" tcl report.tcl xpartition.pxml
