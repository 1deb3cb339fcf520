#!/usr/bin/env bash
# Runs hdpart on the bundled example under valgrind's memcheck: save, import,
# show, write, tree, inspect and a Tcl script. Any invalid access, use of an
# uninitialised value or leak fails it. Builds first (build/), like the
# README's first command.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default --target hdpart
hdpart=$PWD/build/bin/hdpart
work=$(mktemp -d "${TMPDIR:-/tmp}/hdpart-memcheck.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp -R examples/. "$work"/
cd "$work"
supp=$OLDPWD/scripts/valgrind.supp
# hdpart's own output is dropped; valgrind's report is shown when it finds anything.
memcheck() {
  echo "memcheck: hdpart $*"
  if ! valgrind -q --error-exitcode=1 --leak-check=full --suppressions="$supp" \
      --log-file="$work/valgrind.log" "$hdpart" "$@" >/dev/null 2>&1; then
    cat "$work/valgrind.log" >&2
    exit 1
  fi
}
memcheck save capture_export/project.pxml -o capture_export/project.hdproj
OMB_PR_ALLOW_INCOMPLETE_PIF=1 memcheck import xpartition.pxml -o video_pipeline.prj
memcheck show video_pipeline.prj
memcheck write video_pipeline.prj -o back.pxml
memcheck tree back.pxml
memcheck inspect video_pipeline.prj
memcheck tcl report.tcl xpartition.pxml
echo "memcheck: clean"
