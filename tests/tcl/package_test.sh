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
puts [namespace which get_partitions]
try { get_property name partition:/top/gone } trap {HDPARTITION HANDLE} {m o} { puts [dict get \$o -errorcode] }
puts [report_hierarchy -dep 0 -return]
EOF
)
expected='version 1.0
partition:/top partition:/top/mid partition:/top/mid/leaf partition:/top/Side
placement
::get_partitions
HDPARTITION HANDLE partition:/top/gone
/top  implement  preserve=placement  static  isolated=no  pins=0'
[ "$actual" = "$expected" ] || { printf 'expected:\n%s\nactual:\n%s\n' "$expected" "$actual"; exit 1; }
