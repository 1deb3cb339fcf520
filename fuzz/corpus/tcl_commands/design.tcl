set old [get_partitions /top]
report_hierarchy
report_hierarchy -depth 1
report_hierarchy -depth x
report_partition
report_partition [get_partitions /top/capture]
write_xpartition out.pxml
read_xpartition out.pxml
get_property name $old
save_project saved.hdproj
save_project
open_project saved.hdproj
open_project design.pxml
read_xpartition project.hdproj
read_xpartition notes.txt
read_xpartition nothing.pxml
read_xpartition ../etc/passwd
save_project
write_xpartition
help
help get_p*
help nothing*
get_pins -help
