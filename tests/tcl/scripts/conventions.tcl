# The commands as Tcl commands: their namespace, option prefixes, the error
# code of every kind of error, and where a report goes.
source [file join [lindex $argv 0] support.tcl]
# `code` runs a command and prints its error code, or "ok" and its result.
proc code {args} {
    try {
        set result [uplevel 1 $args]
        puts "ok: $result"
    } on error {message options} {
        puts "[dict get $options -errorcode] <- $message"
    }
}

puts "which: [namespace which get_partitions] [namespace which hdpartition::get_partitions]"
puts "exported: [namespace eval ::hdpartition {namespace export}]"
puts "listed: [llength [info commands ::hdpartition::*]] [expr {[info commands get_pins] ne {}}]"

# Before a design: usage and the absence of a design.
code get_property name
code get_property name partition:/top extra
code close_project now
code get_partitions -bogus
code get_partitions -nocase -nocase
code get_partitions -filter
code get_property name partition:/top
code save_project
code read_xpartition nowhere.pxml

read_xpartition [file join $data three_levels.pxml]
# Options by unique prefix; an ambiguous or unknown prefix is refused.
code get_partitions -filt {preserve == synthesis}
code get_partitions -r {/top/m.*}
code get_partitions -n /TOP/SIDE
code report_hierarchy -de 0 -ret
code report_hierarchy -
code report_hierarchy --depth 0

# One error code per kind, caught by kind.
foreach {kind command} {
    HANDLE {get_property name partition:/top/gone}
    PROPERTY {get_property colour partition:/top}
    PROPERTY {get_property preserv partition:/top}
    VALUE {get_partitions -filter {preserve ==}}
    VALUE {get_partitions -regexp (}
    VALUE {report_hierarchy -depth -2}
    IO {save_project no/such/dir/x.prj}
    IO {report_hierarchy -file no/such/dir/report.txt}
    USAGE {report_hierarchy -append}
    USAGE {report_hierarchy -file r.txt -return_string}
    USAGE {help nothing*}
    USAGE {help get_partiton}
    IO {open_project missing.prj}
} {
    try {
        eval $command
        puts "$kind: not raised by $command"
    } trap [list HDPARTITION $kind] {message options} {
        puts "$kind trapped: [lrange [dict get $options -errorcode] 2 end] <- $message"
    }
}
# The failed open_project closed the design.
code get_partitions
read_xpartition [file join $data three_levels.pxml]
# What the library reports keeps its text in the error code.
code set_property preserve sometimes partition:/top

# Reports: to stdout, to a file replaced or added to, or as the result.
report_hierarchy -depth 0
report_hierarchy -depth 0 -file report.txt
report_hierarchy -depth 1 -file report.txt -append
puts "file: [string map {\n |} [read [set f [open report.txt]]]][close $f]"
report_hierarchy -depth 0 -file report.txt
puts "replaced: [string map {\n |} [read [set f [open report.txt]]]][close $f]"
set text [report_property -return_string partition:/top/Side]
puts "returned: [llength [split $text \n]] lines, [lindex [split $text \n] 3]"
set dump [report_partition -return_string partition:/top/mid/leaf]
puts "dump: [lindex [split $dump \n] 1]"
code report_partition -file no/such/dir/r.txt partition:/top
puts "nothing printed when a report fails"

# Renamed, a command names itself by its new name; a proc of the script's
# own made before the package is kept.
rename get_partitions find_partitions
code find_partitions -bogus
code find_partitions a b -c
code ::hdpartition::get_partitions /top
rename find_partitions get_partitions
interp create child
child eval {proc help {} {return "my own help"}}
child eval [list lappend auto_path {*}$auto_path]
child eval {package require hdpartition}
puts "kept: [child eval help] / [child eval {namespace origin help}] / [child eval {namespace which get_pins}]"
interp delete child
