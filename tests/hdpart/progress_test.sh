#!/usr/bin/env bash
# Progress on standard error: shown under a terminal (script(1) gives one)
# once an operation has run HDPART_PROGRESS_AFTER seconds, redrawn in place
# and cleared at the end; never when standard error is no terminal, with
# --quiet, or for an operation shorter than the delay.
set -euo pipefail
hdpart=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/progress.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
{
  echo '<Project FileVersion="2" Name="wide">'
  echo '<Partition Name="/top" State="implement" ImportLocation="NONE">'
  for i in $(seq 1 199); do
    echo "<Partition Name=\"/top/u$i\" State=\"implement\" ImportLocation=\"NONE\"/>"
  done
  echo '</Partition></Project>'
} >wide.pxml
# The raw bytes a terminal would get, with the carriage returns as lines.
terminal() {
  script -qec "$1" typescript >/dev/null
  tr '\r' '\n' <typescript | grep -v '^Script '
}
fail() { echo "$1"; cat -v typescript; exit 1; }

shown=$(HDPART_PROGRESS_AFTER=0 terminal "$hdpart save wide.pxml -o wide.prj")
grep -q 'hdpart: 200 of 200 partitions built' <<<"$shown" || fail "no building progress"
grep -q 'MB written' <<<"$shown" || fail "no writing progress"
# The last thing drawn erases the line.
[ "$(tail -n 1 <<<"$shown")" = $'\033[K' ] || fail "the line is not cleared"

shown=$(HDPART_PROGRESS_AFTER=0 terminal "$hdpart write wide.prj -o back.pxml")
grep -q 'hdpart: 200 of 200 partitions built' <<<"$shown" || fail "no progress opening a project"

for quiet in "HDPART_PROGRESS_AFTER=0 $hdpart --quiet save wide.pxml -o q.prj" \
             "$hdpart save wide.pxml -o late.prj"; do
  shown=$(env $quiet 2>&1 | cat; terminal "env $quiet")
  grep -q 'partitions built' <<<"$shown" && fail "progress shown: $quiet"
done
piped=$(HDPART_PROGRESS_AFTER=0 "$hdpart" save wide.pxml -o piped.prj 2>&1 | cat)
[ -z "$piped" ] || { echo "progress through a pipe: $piped"; exit 1; }
