#!/usr/bin/env bash
# `hdpart tcl` and its standard streams, as a script or a pipe meets them:
# commands piped in leave the lines after "gets stdin" to it, as in tclsh,
# and standard output that cannot be written is an error and exit status 1,
# whether the script ends by itself or with "exit 0", and in a child
# interpreter the package is found as in tclsh.
set -uo pipefail
hdpart=$1
design=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/tcl-streams.XXXXXX")
trap 'rm -rf "$work"' EXIT
failed=0
expect() {  # WHAT EXPECTED ACTUAL
  [ "$2" = "$3" ] || { printf '%s:\nexpected: %s\nactual:   %s\n' "$1" "$2" "$3"; failed=1; }
}

actual=$(printf 'gets stdin line\nhello world\nputs "got: $line"\nset unseen 1\n' | "$hdpart" tcl 2>&1)
expect "piped input" "got: hello world" "$actual"

printf 'read_xpartition {%s}\nreport_hierarchy\n' "$design" >"$work/report.tcl"
printf 'fconfigure stdout -buffering full\nread_xpartition {%s}\nputs [get_partitions /top]\nexit 0\n' "$design" >"$work/exit.tcl"
for script in report exit; do
  "$hdpart" tcl "$work/$script.tcl" >/dev/full 2>"$work/stderr"
  expect "$script.tcl into a full device: status" 1 $?
  grep -q "standard output\|error writing \"stdout\"" "$work/stderr" ||
    { echo "$script.tcl into a full device said: $(cat "$work/stderr")"; failed=1; }
done

actual=$(printf 'interp create child\nputs [child eval {package require hdpartition}]\nputs [child eval {read_xpartition {%s}; get_partitions /top/Si*}]\n' "$design" |
  "$hdpart" tcl 2>&1)
expect "a child interpreter" "1.0
partition:/top/Side" "$actual"
exit $failed
