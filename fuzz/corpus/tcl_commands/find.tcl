get_partitions
get_partitions /top/*
get_partitions -nocase /TOP/Filter
get_partitions -regexp {/top/(capture|dsp)}
get_partitions -regexp (
get_partitions /nowhere /top
get_partitions -quiet /nowhere
get_partitions -filter {preserve_effective == placement}
get_partitions -filter {preserve == inherit && full_name =~ */kernel}
get_partitions -filter {reconfigurable || name != /top}
get_partitions -filter {colour == red}
get_partitions -filter {preserve ==}
get_partitions -bogus
get_partitions -filter
get_pins [get_partitions /top/filter]
get_pins [get_partitions /top/filter] d*
get_pins partition:/top/capture pix_*
get_pins
get_pins a b c
