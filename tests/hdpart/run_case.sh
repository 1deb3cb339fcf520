#!/usr/bin/env bash
# Runs one end-to-end case of hdpart and compares what it printed with the
# expected files.
#
#   run_case.sh HDPART CASE_DIR
#
# CASE_DIR holds the case's input files and "script": one hdpart command line
# a line (arguments split on blanks; # starts a comment). A line may start
# with "env NAME=VALUE ..." to run that command with those variables set;
# the OMB_PR_* variables the library reads are otherwise unset. The case's
# files are copied to a fresh temporary directory and every line runs there,
# with TZ=UTC. Standard output and standard error of all lines are collected in
# order, and the exit status of each line is written as "status N". The
# temporary directory's path is replaced by "." so the expected files hold
# relative paths. They are compared with expected.stdout, expected.stderr and
# expected.status; UPDATE=1 rewrites them instead.
set -uo pipefail
unset OMB_PR_PERSISTENT_PIF OMB_PR_ALLOW_INCOMPLETE_PIF

hdpart=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
case_dir=$(cd "$2" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/hdpart-case.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp -R "$case_dir"/. "$work"/
rm -f "$work"/expected.*

out=$work/.stdout
err=$work/.stderr
status=$work/.status
: >"$out"
: >"$err"
: >"$status"
cd "$work"
while IFS= read -r line || [ -n "$line" ]; do
  line=${line%%#*}
  [ -z "${line// /}" ] && continue
  read -r -a args <<<"$line"
  vars=()
  if [ "${args[0]}" = env ]; then
    args=("${args[@]:1}")
    while [[ ${args[0]} == *=* ]]; do
      vars+=("${args[0]}")
      args=("${args[@]:1}")
    done
  fi
  env TZ=UTC "${vars[@]}" "$hdpart" "${args[@]}" >>"$out" 2>>"$err" </dev/null
  echo "status $?" >>"$status"
done <"$case_dir/script"

# Paths under the temporary directory are shown relative to it.
for f in "$out" "$err"; do
  sed -i "s#$work#.#g" "$f"
done

failed=0
for kind in stdout stderr status; do
  actual=$work/.$kind
  expected=$case_dir/expected.$kind
  if [ "${UPDATE:-0}" = 1 ]; then
    cp "$actual" "$expected"
  elif ! diff -u "$expected" "$actual"; then
    echo "hdpart case $(basename "$case_dir"): $kind differs" >&2
    failed=1
  fi
done
exit $failed
