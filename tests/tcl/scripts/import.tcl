# Importing previous implementations from the shell: the exported project is
# made first, then the design's imported partition takes over its files and
# the pin it lacks; a location with no exported project is reported.
source [file join [lindex $argv 0] support.tcl]
set case [file join [lindex $argv 0] .. hdpart cases import_success]
file copy [file join $case exp] exp
file copy [file join $case design.pxml] design.pxml
show import_partitions
show read_xpartition exp/project.pxml
show save_project exp/project.hdproj
show read_xpartition design.pxml
show get_property name [get_pins -of_objects [get_partitions /top/cap]]
show import_partitions -now
show import_partitions
show get_property name [get_pins -of_objects [get_partitions /top/cap]]
file rename exp gone
show read_xpartition design.pxml
show import_partitions
