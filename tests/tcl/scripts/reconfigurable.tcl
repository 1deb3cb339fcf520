# A partition made static after the design was read: the project saved
# leaves its module behind and opens again.
source [file join [lindex $argv 0] support.tcl]
set file [open rc.pxml w]
puts $file {<?xml version="1.0" encoding="UTF-8"?>
<Project FileVersion="2" Name="rc">
  <Partition Name="/top" State="implement" ImportLocation="NONE" Preserve="placement">
    <Partition Name="/top/r" State="implement" ImportLocation="NONE" Reconfigurable="true" ReconfigModuleName="rm_r"/>
    <Partition Name="/top/q" State="implement" ImportLocation="NONE" Reconfigurable="true" ReconfigModuleName="rm_q"/>
  </Partition>
</Project>}
close $file
read_xpartition rc.pxml
show set_property reconfigurable false partition:/top/r
show save_project rc.prj
show open_project rc.prj
show get_partitions -filter reconfigurable
report_hierarchy
