# Saving where the design was opened: a project opened from a project file
# is saved back there, a description written back over itself; a file of the
# other kind is never written over the one read, and a design read from a
# description asks where to save.
source [file join [lindex $argv 0] support.tcl]
file copy [file join $data three_levels.pxml] design.pxml
read_xpartition design.pxml
show save_project
show save_project design.pxml
show save_project edit.prj
show open_project edit.prj
show set_property preserve routing partition:/top/Side
show save_project
show write_xpartition edit.prj
show open_project edit.prj
show get_property preserve partition:/top/Side
show read_xpartition design.pxml
show set_property preserve routing partition:/top/Side
show write_xpartition design.pxml
show read_xpartition design.pxml
show get_property preserve partition:/top/Side
show save_project
