puts "$argv0 $argc $argv"
read_xpartition [lindex $argv 0]
report_hierarchy -depth 1
get_property colour [get_partitions /top]
