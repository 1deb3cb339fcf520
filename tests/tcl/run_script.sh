#!/usr/bin/env bash
# Runs one Tcl script of scripts/ with `hdpart tcl` in a temporary directory
# (argv: this folder) and compares standard output, standard error and the
# exit status with SCRIPT's .expected file (the directory shown as WORK). UPDATE=1 rewrites the file.
set -euo pipefail
hdpart=$1
script=$2
here=$(cd "$(dirname "$0")" && pwd)
expected=${script%.tcl}.expected
work=$(mktemp -d "${TMPDIR:-/tmp}/tcl-script.XXXXXX")
trap 'rm -rf "$work"' EXIT
status=0
(cd "$work" && "$hdpart" tcl "$script" "$here" >stdout 2>stderr) || status=$?
{
  cat "$work/stdout"
  echo "--- standard error"
  cat "$work/stderr"
  echo "--- exit status $status"
} | sed "s#$work#WORK#g" >"$work/actual"
if [ "${UPDATE:-0}" = 1 ]; then
  cp "$work/actual" "$expected"
  exit 0
fi
diff -u "$expected" "$work/actual"
