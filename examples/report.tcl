# The Tcl face on the example: the properties of one partition, and the
# effective preserve level of every partition ("inherit" resolved).
#   build/bin/hdpart tcl examples/report.tcl examples/xpartition.pxml
read_xpartition [lindex $argv 0]
report_property [get_partitions /top/filter/kernel]
puts ""
foreach p [get_partitions] {
    puts [format "%-24s %s" [get_property full_name $p] [get_property preserve_effective $p]]
}
