#!/usr/bin/env bash
# Saving in place when the write fails midway (the file size limit stops it
# after its first kilobyte): the error says so, and the project file and the
# description opened keep every byte, and still open with their old content.
set -euo pipefail
hdpart=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/save-failure.XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"
# A design whose files pass the limit.
{
  echo '<?xml version="1.0" encoding="UTF-8"?>'
  echo '<Project FileVersion="2" Name="wide">'
  echo '  <Partition Name="/top" State="implement" ImportLocation="NONE" Preserve="synthesis">'
  for i in $(seq 1 20); do
    echo "    <Partition Name=\"/top/u$i\" State=\"implement\" ImportLocation=\"NONE\" Preserve=\"synthesis\"/>"
  done
  echo '  </Partition>'
  echo '</Project>'
} >edit.pxml
"$hdpart" save edit.pxml -o edit.prj
cp edit.prj edit.prj.before
cp edit.pxml edit.pxml.before
cat >edit.tcl <<'TCL'
foreach {open write} {open_project save_project read_xpartition write_xpartition} {
    set file [expr {$open eq "open_project" ? "edit.prj" : "edit.pxml"}]
    $open $file
    set_property preserve routing partition:/top/u7
    try {
        if {$write eq "save_project"} { save_project } else { write_xpartition $file }
        puts "$write: saved"
    } trap {HDPARTITION IO} {message} {
        puts "$write: [regsub {.*: } $message {}]"
    }
    $open $file
    puts "$file: [get_property preserve partition:/top/u7]"
}
TCL
actual=$(trap '' XFSZ; ulimit -f 1; "$hdpart" tcl edit.tcl 2>&1)
expected='save_project: File too large; the previous file is unchanged
edit.prj: synthesis
write_xpartition: File too large; the previous file is unchanged
edit.pxml: synthesis'
[ "$actual" = "$expected" ] || { printf 'expected:\n%s\nactual:\n%s\n' "$expected" "$actual"; exit 1; }
cmp edit.prj edit.prj.before
cmp edit.pxml edit.pxml.before
[ "$(ls)" = "$(printf 'edit.prj\nedit.prj.before\nedit.pxml\nedit.pxml.before\nedit.tcl')" ] ||
  { echo "left behind:"; ls; exit 1; }
