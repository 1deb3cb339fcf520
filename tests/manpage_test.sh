#!/usr/bin/env bash
# The man page made from hdpart's help texts reads as a page: groff finds
# nothing to warn about, and man(1) shows every section and every command.
set -euo pipefail
hdpart=$1
source=$2
page=$(mktemp "${TMPDIR:-/tmp}/hdpart-man.XXXXXX")
trap 'rm -f "$page"' EXIT
/usr/bin/python3 "$source/scripts/manpage.py" "$hdpart" >"$page"
warnings=$(groff -ww -z -man "$page" 2>&1)
[ -z "$warnings" ] || { echo "groff: $warnings"; exit 1; }
shown=$(MANWIDTH=80 man -l "$page" 2>&1)
for heading in NAME SYNOPSIS DESCRIPTION OPTIONS COMMANDS ENVIRONMENT "EXIT STATUS" FILES EXAMPLES; do
  grep -q "^$heading\$" <<<"$shown" || { echo "no section $heading"; exit 1; }
done
for command in $("$hdpart" --help | sed -n '/^Commands:/,/^$/p' | awk '/^  [a-z]/ { print $1 }'); do
  grep -q "^   $command\$" <<<"$shown" || { echo "no command $command"; exit 1; }
  grep -q "hdpart .*\\b$command\\b" <<<"$shown" || { echo "no synopsis of $command"; exit 1; }
done
for variable in OMB_PR_PERSISTENT_PIF OMB_PR_ALLOW_INCOMPLETE_PIF HDPART_PROGRESS_AFTER; do
  grep -q "^       $variable\$" <<<"$shown" || { echo "no variable $variable"; exit 1; }
done
