#!/usr/bin/env bash
# hdpart's -o - through a real pipe, which the end-to-end cases cannot give
# (their standard output is a file): save, import and write put on the pipe
# the very bytes they put in a file, /dev/stdout on a pipe is refused with a
# word on -o -, and a standard output that cannot be written fails the
# command.
#
#   standard_output.sh HDPART CASES_DIR
set -uo pipefail
hdpart=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
work=$(mktemp -d "${TMPDIR:-/tmp}/hdpart-stdout.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp -R "$2"/import_success/. "$work"/
cd "$work"
export TZ=UTC
unset OMB_PR_PERSISTENT_PIF OMB_PR_ALLOW_INCOMPLETE_PIF
failed=0
fail() {
  echo "standard_output: $*" >&2
  failed=1
}

"$hdpart" save exp/project.pxml -o exp/project.hdproj || fail "the exported project was not saved"
# Each command's file, then the same command's bytes through a pipe.
while read -r command input file; do
  "$hdpart" "$command" "$input" -o "$file" || fail "$command -o $file failed"
  "$hdpart" "$command" "$input" -o - | cat >piped
  [ "${PIPESTATUS[0]}" = 0 ] || fail "$command -o - failed"
  cmp -s piped "$file" || fail "$command -o - differs from $command -o $file"
done <<'COMMANDS'
save design.pxml saved.prj
import design.pxml imported.prj
write imported.prj written.pxml
COMMANDS
"$hdpart" write imported.prj | cmp -s - written.pxml || fail "write without -o differs"

for command in save write; do
  "$hdpart" "$command" design.pxml -o /dev/stdout 2>errors | cat >piped
  status=${PIPESTATUS[0]}
  kind=$([ "$command" = save ] && echo "project file" || echo description)
  expected="ERROR: hdpart: cannot write $kind \"/dev/stdout\": not a regular file; -o - writes to standard output.
hdpart: 1 error, 0 warnings"
  [ "$status" = 1 ] || fail "$command -o /dev/stdout on a pipe: status $status"
  [ "$(cat errors)" = "$expected" ] || fail "$command -o /dev/stdout on a pipe: $(cat errors)"
  [ ! -s piped ] || fail "$command -o /dev/stdout on a pipe wrote to it"
done

"$hdpart" save design.pxml -o - >/dev/full 2>errors
status=$?
[ "$status" = 1 ] || fail "save -o - >/dev/full: status $status"
[ "$(cat errors)" = "ERROR: hdpart: cannot write to standard output: No space left on device" ] ||
  fail "save -o - >/dev/full: $(cat errors)"
exit $failed
