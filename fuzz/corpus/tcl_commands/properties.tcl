set kernel [get_partitions /top/filter/kernel]
list_property $kernel
report_property $kernel
foreach name [list_property $kernel] { catch {get_property $name $kernel} }
get_property preserve_effective $kernel
get_property parent $kernel
get_property children [get_property parent $kernel]
get_property colour $kernel
get_property name partition:/nowhere
set_property preserve routing [get_partitions /top/*]
set_property preserve bogus $kernel
set_property reconfigurable false $kernel
set_property fleetmatch on [get_partitions]
set_property dependency_management_mode inherit partition:/top/filter
set_property guide none {partition:/top partition:/gone}
get_property up_to_date_synthesis partition:/top
get_property up_to_date_implementation partition:/top
