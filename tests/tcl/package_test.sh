#!/usr/bin/env bash
# "package require hdpartition" in a plain tclsh, found through TCLLIBPATH
# from the build tree; the commands then work as in the hdpart shell.
set -euo pipefail
libdir=$1
design=$2
actual=$(TCLLIBPATH=$libdir tclsh <<EOF
puts "version [package require hdpartition]"
read_xpartition {$design}
puts [get_partitions]
puts [get_property preserve_effective partition:/top/mid/leaf]
EOF
)
expected='version 1.0
partition:/top partition:/top/mid partition:/top/mid/leaf partition:/top/Side
placement'
[ "$actual" = "$expected" ] || { printf 'expected:\n%s\nactual:\n%s\n' "$expected" "$actual"; exit 1; }
