#!/usr/bin/env bash
# `hdpart tcl` and its standard streams, as a script or a pipe meets them:
# commands piped in leave the lines after "gets stdin" to it, as in tclsh,
# and stop at the first error, as a script does; an unknown command is told
# with the known names nearest it; standard output that cannot be written is an error and exit status 1,
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

actual=$(printf 'puts a\nerror boom\nputs b\n' | "$hdpart" tcl 2>"$work/stderr")
expect "piped input ending in an error: status" 1 $?
expect "piped input ending in an error: output" a "$actual"
expect "piped input ending in an error: message" "Error: boom" "$(cat "$work/stderr")"

# NAME|what the error says of it, piped and as the first line of a script's.
while IFS='|' read -r name said; do
  actual=$(printf '%s\n' "$name" | "$hdpart" tcl 2>&1)
  expect "piped $name" "Error: $said" "$actual"
  printf 'puts start\n%s\nputs end\n' "$name" >"$work/mistyped.tcl"
  "$hdpart" tcl "$work/mistyped.tcl" >/dev/null 2>"$work/stderr"
  expect "a script's $name" "Error: $said" "$(head -n 1 "$work/stderr")"
done <<'NAMES'
report_hierachy|invalid command name "report_hierachy"; did you mean report_hierarchy?
get_partitons|invalid command name "get_partitons"; did you mean get_partitions?
sets|invalid command name "sets"; did you mean gets or set?
frobnicate|invalid command name "frobnicate"
NAMES

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
