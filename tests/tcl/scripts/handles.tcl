# Object handles: one handle, a list and an empty list to every command that
# takes objects; a handle is its text, whatever Tcl did to it, and names the
# partition of that name in the design open when it is used.
source [file join [lindex $argv 0] support.tcl]
# Read from the working directory, which the dumps show as the project's
# location.
file copy [file join $data three_levels.pxml] three_levels.pxml
read_xpartition three_levels.pxml
set leaf [lindex [get_partitions /top/mid/leaf] 0]
set both [get_partitions /top/mid*]
foreach objects [list $leaf $both {}] {
    puts "-- objects: {$objects}"
    show set_property preserve routing $objects
    show report_partition $objects
    foreach command {{get_pins -of_objects} list_property report_property {get_partitions -of_objects}} {
        show {*}$command $objects
    }
    show get_property preserve $objects
    show get_property name [get_pins -quiet -of_objects $objects]
    show get_partitions -of_objects [get_pins -quiet -of_objects $objects]
}
foreach p [get_partitions] { set_property preserve synthesis $p }
show get_property preserve [get_partitions /top/Side]

# The same text, whatever its form: untouched, converted, rebuilt, stored.
proc forms {handle} {
    set file [open handle.txt w]
    puts $file $handle
    close $file
    set file [open handle.txt]
    set stored [string trim [read $file]]
    close $file
    list untouched $handle \
        llength [lindex [list $handle [llength $handle]] 0] \
        {string length} [lindex [list $handle [string length $handle]] 0] \
        {string map} [string map {x x} $handle] \
        regexp [lindex [regexp -inline {.*} $handle] 0] \
        lmap [lindex [lmap h [list $handle] {set h}] 0] \
        dict [dict get [dict create h $handle] h] \
        file $stored \
        typed [string cat partition: [string range $handle 10 end]]
}
set out [get_partitions /top/mid]
set kept [forms $out]
set gone [forms [get_partitions /top/Side]]
set file [open other.pxml w]
puts $file {<?xml version="1.0" encoding="UTF-8"?>
<Project FileVersion="2" Name="other">
  <Partition Name="/top" State="implement" ImportLocation="NONE" Preserve="placement">
    <Partition Name="/top/mid" State="implement" ImportLocation="NONE" Preserve="inherit"/>
  </Partition>
</Project>}
close $file
read_xpartition other.pxml
foreach {form handle} $kept {
    set_property preserve inherit [get_partitions /top/mid]
    show set_property preserve routing $handle
    puts "$form: [get_property preserve [get_partitions /top/mid]]"
}
foreach {form handle} $gone {
    puts "$form: [catch {get_property name $handle} message] $message"
}
# Once the design is closed, no handle names anything, not even one made
# for the design just closed.
set last [get_partitions /top/mid]
close_project
puts "closed: [catch {get_property name $last} message] $message"
puts "closed, retyped: [catch {get_property name partition:/top/mid} message] $message"
puts "closed, twice: [catch close_project]"
# A design read after the close: the same handle names its partition, never
# the one closed.
read_xpartition three_levels.pxml
set_property preserve routing $last
puts "after the close: [get_property preserve [get_partitions /top/mid]] [get_property name $last]"
