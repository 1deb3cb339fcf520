# What every test script stands on: the data folder, and `show`, which runs
# a command and prints its result or its error.
set data [file join [lindex $argv 0] data]
proc show {args} {
    if {[catch {uplevel 1 $args} result]} {
        puts "error: $result"
    } else {
        puts "ok: $result"
    }
}
