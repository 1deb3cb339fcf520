# Finding partitions and pins: patterns, options, filters, warnings, bad
# arguments and help.
source [file join [lindex $argv 0] support.tcl]
read_xpartition [file join $data three_levels.pxml]
show get_partitions /top/*
show get_partitions /top/side
show get_partitions -nocase /top/side
show get_partitions -regexp {/top/(mid|Side)}
show get_partitions -regexp -nocase {.*/side}
show get_partitions /nowhere /top
show get_partitions -quiet /nowhere
show get_partitions -filter {preserve_effective == placement}
show get_partitions -filter {preserve == inherit && full_name =~ */leaf}
show get_partitions -filter {preserve == synthesis || !reconfigurable && name == /top/mid}
show get_partitions -filter {colour == red}
show get_partitions -filter {preserve ==}
show get_partitions -filter {preserve <> x}
show get_partitions -regexp (
show get_partitions -regexp {/top)|(zz}
show get_partitions -regexp {***=/top}
show get_partitions -regexp {(?i)/TOP/side}
show get_partitions -regexp {/top/m}
show get_partitions -regexp {^/top/.*?$}
show get_partitions -filter {name == a=b||name==/top/Side}
show get_partitions -filter {preserve == inherit} -filter {name == /top/mid}
rename get_pins pins
show pins -of_objects nowhere
rename pins get_pins
show get_partitions -bogus
show get_partitions -filter
show get_pins -of_objects [get_partitions /top/mid/leaf]
show get_pins -of_objects [get_partitions /top/mid/leaf] d*
show get_pins -of_objects
show get_pins -of_objects {} a
show get_pins clk d*
show get_pins -regexp clk
show get_pins *:clk
show report_hierarchy extra
show help get_p*
show help nothing*
show get_pins -help
help
