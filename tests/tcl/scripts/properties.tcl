# Property values, effective traits through three levels, setting traits,
# names in any letter case, and the errors of unknown properties and
# illegal values.
source [file join [lindex $argv 0] support.tcl]
# Read from the working directory, which reconfig_module_location shows.
file copy [file join $data three_levels.pxml] three_levels.pxml
read_xpartition three_levels.pxml
proc effective {} {
    foreach p [get_partitions] {
        puts "[get_property full_name $p] [get_property preserve $p] -> [get_property preserve_effective $p]"
    }
}
effective
set mid [get_partitions /top/mid]
report_property $mid
show list_property $mid
show get_property children $mid
show get_property parent [get_partitions /top]
show get_property children [get_partitions /top]
show get_property reconfigurable $mid
show get_property guide $mid
show set_property preserve synthesis [get_partitions /top]
effective
show set_property preserve Routing $mid
show set_property preserve inherit [get_partitions /top]
show set_property colour red $mid
# Property names are taken without regard to letter case; values are not.
show set_property Preserve ROUTING $mid
show set_property PRESERVE placement $mid
show get_property Preserve_Effective $mid
show get_partitions -filter {PIN_COUNT >= 0 && Preserve == placement}
show get_property Name [lindex [get_pins -of_objects [get_partitions /top/mid/leaf]] 0]
set_property preserve inherit $mid
show set_property preserve routing [list $mid partition:/nowhere]
show get_property preserve $mid
show set_property fleetmatch yes [get_partitions /top*]
show get_property fleetmatch_effective [get_partitions /top/mid/leaf]
show get_property up_to_date_implementation $mid
