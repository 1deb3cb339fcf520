set_property reconfigurable false [get_partitions /top/filter/kernel]
set_property dependency_management_mode local_change [get_partitions /top/*]
set_property reconfigurable true {partition:/top/filter partition:/top/dsp}
get_property dependency_management_mode_effective partition:/top/filter/kernel
set_property dependency_management_mode global_change partition:/top
set_property preserve inherit partition:/top
set_property guide yes [get_partitions -filter {reconfigurable}]
get_property fleetmatch_effective [lindex [get_partitions] end]
report_hierarchy
save_project traits.hdproj
write_xpartition traits.pxml
read_xpartition traits.pxml
get_partitions -filter {reconfigurable && preserve_effective != routing}
open_project traits.hdproj
report_property partition:/top/dsp
