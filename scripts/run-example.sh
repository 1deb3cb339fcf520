#!/usr/bin/env bash
# Sets up, builds what the example runs (the libraries, hdpart and the Tcl
# package, in build/ as the test command builds them) and runs the reference
# host hdpart on the bundled example, in a temporary folder: saves the
# exported project's project file from its description, imports the capture
# stage's previous implementation into the video pipeline (one previous file
# is missing: a warning here), shows the imported partition of the saved
# project, and runs a Tcl report on it (examples/report.tcl).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target hdpart hdpartition
hdpart=$PWD/build/bin/hdpart
work=$(mktemp -d "${TMPDIR:-/tmp}/hdpart-example.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp -R examples/. "$work"/
# Import locations are folders as seen from where hdpart runs.
cd "$work"
step() { printf '\n== %s\n' "$1"; }
step "Saving the exported project"
"$hdpart" save capture_export/project.pxml -o capture_export/project.hdproj
echo "capture_export/project.hdproj written"
step "Importing"
OMB_PR_ALLOW_INCOMPLETE_PIF=1 "$hdpart" import xpartition.pxml -o video_pipeline.prj
step "The imported partition"
"$hdpart" show video_pipeline.prj /top/capture
step "A Tcl report"
"$hdpart" tcl report.tcl xpartition.pxml
