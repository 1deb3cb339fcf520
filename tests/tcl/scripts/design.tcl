# Reading, saving, writing and opening a design; handles of the design read
# before, and unknown handles.
source [file join [lindex $argv 0] support.tcl]
puts "argc=$argc argv0=[file tail $argv0]"
show get_partitions
show read_xpartition nowhere.pxml
show read_xpartition [file join $data three_levels.pxml]
report_hierarchy
report_hierarchy -depth 1
show report_hierarchy -depth x
set top [get_partitions /top]
show save_project
show save_project demo.prj
show save_project
show write_xpartition back.pxml
show open_project demo.prj
show get_property name $top
show get_property name partition:/top
show get_property name /top
show read_xpartition back.pxml
show get_partitions *
report_partition [get_partitions /top/mid/leaf]
