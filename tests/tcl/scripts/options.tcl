# The end of the options: after "--" every word is an argument, even one that
# starts with "-", and before it such a word is an option.
source [file join [lindex $argv 0] support.tcl]
read_xpartition [file join $data three_levels.pxml]
show get_partitions -odd
show get_partitions -- -odd
show get_partitions -quiet -- -odd
show get_partitions -regexp -- {-?/top/mid$}
show get_partitions -- -help
show get_partitions -- -- /top/Side
show get_partitions -nocase /top/side --
