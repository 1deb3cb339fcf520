set a x
foreach i {1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16} { set a $a$a }
append a $a
exec ls
open /etc/passwd
::tcl::string::repeat x 100000000
interp create
while 1 {}
get_partitions [get_partitions [get_partitions [get_partitions /top]]]
