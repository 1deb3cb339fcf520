# -filter expressions: every operator, precedence and groups, booleans and
# numbers compared, quoting, -nocase and -regexp, short-circuits, and the
# errors with their positions and error codes.
source [file join [lindex $argv 0] support.tcl]

proc write {name text} {
    set file [open $name w]
    puts $file $text
    close $file
}

# The names of the partitions get_partitions finds with ARGS.
proc found {args} {
    lmap handle [get_partitions {*}$args] {string range $handle [string length partition:] end}
}

# Each row: options, expression, the partitions it keeps.
proc table {rows} {
    foreach {options expression expected} $rows {
        if {[catch {found {*}$options -filter $expression} names]} {
            set names "ERROR: $names"
        }
        set verdict [expr {$names eq $expected ? "" : "   WRONG, expected: $expected"}]
        puts [format "%-17s %-52s -> %s%s" $options $expression $names $verdict]
    }
}

# Each row: options, expression; prints the message and the error code, and
# whether the stack trace starts with another message.
proc errors {rows} {
    foreach {options expression} $rows {
        try {
            found {*}$options -filter $expression
            puts "no error: $expression"
        } on error {message info} {
            puts "[dict get $info -errorcode] <- $message"
            set trace [lindex [split [dict get $info -errorinfo] \n] 0]
            if {$trace ne $message} {
                puts "   but the stack trace starts: $trace"
            }
        }
    }
}

write named.pxml {<?xml version="1.0" encoding="UTF-8"?>
<Project FileVersion="2" Name="named">
  <Partition Name="/top" State="implement" ImportLocation="NONE" Preserve="placement">
    <Partition Name="/top/r" State="implement" ImportLocation="NONE" Preserve="synthesis"
               Reconfigurable="true" ReconfigModuleName="rm_r">
      <Pins><Pin Name="clk"/><Pin Name="d0"/></Pins>
    </Partition>
    <Partition Name="/top/a=b" State="implement" ImportLocation="NONE" Preserve="inherit"/>
    <Partition Name="/top/Écran" State="implement" ImportLocation="NONE" Preserve="routing">
      <Pins><Pin Name="clk"/><Pin Name="d0"/><Pin Name="d1"/></Pins>
    </Partition>
  </Partition>
</Project>}
read_xpartition named.pxml
# fleetmatch_effective: yes, no, yes, yes; fleetmatch: yes, no, inherit, inherit
set_property fleetmatch yes partition:/top
set_property fleetmatch no partition:/top/r

puts "== comparisons, quoting, -nocase, -regexp"
table {
    {}        {preserve == synthesis}                        {/top/r}
    {}        {preserve != synthesis}                        {/top /top/a=b /top/Écran}
    {}        {name =~ /top/?}                               {/top/r}
    {}        {name !~ /top/*}                               {/top}
    {}        {name == /top}                                 {/top}
    {}        {name == /top/a=b}                             {/top/a=b}
    {}        {name!~/top/* || name == !/top}                {/top}
    {}        {name != !/top}                                {/top /top/r /top/a=b /top/Écran}
    {}        {name==/top/r&&reconfigurable}                 {/top/r}
    {}        {(name == /top/r)}                             {/top/r}
    {}        {name == "/top/a=b" || name == {/top/r}}       {/top/r /top/a=b}
    {}        {"preserve" == "syn thesis"}                   {}
    {}        {{name} == {/top/r} || preserve == {a{b}c}}    {/top/r}
    {}        {name == /TOP/R}                               {}
    {-nocase} {name == /TOP/R}                               {/top/r}
    {-nocase} {name == /TOP}                                 {/top}
    {-nocase} {name == /top/écran}                           {/top/Écran}
    {-nocase} {name != /top/écran && name =~ /TOP/*}         {/top/r /top/a=b}
    {-regexp} {name =~ {/top/(r|a=b)}}                       {/top/r /top/a=b}
    {-regexp} {name =~ /top}                                 {/top}
    {-regexp} {name !~ {.*r.*}}                              {/top /top/a=b}
    {-regexp -nocase} {name =~ {.*/É.*}}                     {/top/Écran}
}

puts "== precedence, groups, negation"
table {
    {}        {reconfigurable || preserve == routing && name == /top}   {/top/r}
    {}        {(reconfigurable || preserve == routing) && name =~ /top/*} {/top/r /top/Écran}
    {}        {preserve == placement || preserve == routing && !fleetmatch_effective} {/top}
    {}        {!reconfigurable && preserve != inherit}        {/top /top/Écran}
    {}        {! reconfigurable || preserve == synthesis}     {/top /top/r /top/a=b /top/Écran}
    {}        {!(reconfigurable || preserve == inherit)}      {/top /top/Écran}
    {}        {!!reconfigurable}                              {/top/r}
    {}        {!(!reconfigurable)}                            {/top/r}
    {}        {!(name =~ /top/* && !(preserve == routing))}   {/top /top/Écran}
    {}        {((((reconfigurable))))}                        {/top/r}
}

puts "== booleans, either way"
table {
    {}        {reconfigurable}                                {/top/r}
    {}        {fleetmatch_effective}                          {/top /top/a=b /top/Écran}
    {}        {!fleetmatch_effective}                         {/top/r}
    {}        {reconfigurable == true}                        {/top/r}
    {}        {reconfigurable == YES}                         {/top/r}
    {}        {reconfigurable != on}                          {/top /top/a=b /top/Écran}
    {}        {reconfigurable == 0}                           {/top /top/a=b /top/Écran}
    {}        {fleetmatch_effective == 1}                     {/top /top/a=b /top/Écran}
    {}        {fleetmatch_effective == false}                 {/top/r}
    {}        {fleetmatch_effective == off && reconfigurable} {/top/r}
    {}        {up_to_date_synthesis == 0}                     {/top /top/r /top/a=b /top/Écran}
    {}        {up_to_date_synthesis == no && !up_to_date_implementation} {/top /top/r /top/a=b /top/Écran}
    {}        {fleetmatch == yes}                             {/top}
    {}        {fleetmatch == y}                               {}
    {}        {fleetmatch != inherit}                         {/top /top/r}
    {}        {reconfigurable == t}                           {}
}

puts "== numbers and booleans of the host's own properties"
table {
    {}        {pin_count > 0}                                 {/top/r /top/Écran}
    {}        {pin_count >= 2 && pin_count < 3}               {/top/r}
    {}        {pin_count == 3 || is_root}                     {/top /top/Écran}
    {}        {!reconfigurable && pin_count <= 0x2}           {/top /top/a=b}
    {}        {is_root == no && !(pin_count > 2)}             {/top/r /top/a=b}
}
puts [get_pins -filter {name =~ d* && !(full_name =~ /top/r:*)}]
errors {
    {}        {pin_count > some}
    {}        {pin_count}
}

puts "== short-circuits: the side not needed is never read"
table {
    {}        {name =~ /* || colour}                          {/top /top/r /top/a=b /top/Écran}
    {}        {name == none && colour == red}                 {}
    {}        {!reconfigurable && !fleetmatch_effective && colour} {}
    {}        {!reconfigurable || fleetmatch}                 {/top /top/a=b /top/Écran}
}
errors {
    {}        {reconfigurable || preserve}
    {}        {reconfigurable && colour == red}
}

puts "== errors"
errors [list \
    {}        {colour == red} \
    {}        {name == x || colour} \
    {}        {name == é || colour} \
    {}        {preserve} \
    {}        {fleetmatch} \
    {}        {name > 1} \
    {}        {name > x} \
    {}        {name <= {}} \
    {-regexp} {name =~ {(}} \
    {-regexp -quiet /nowhere} {name == x || name !~ {a)}} \
    {}        {} \
    {}        {   } \
    {}        {preserve == (x} \
    {}        {(preserve == inherit} \
    {}        {((reconfigurable)} \
    {}        {preserve == "inh} \
    {}        "preserve == \{a\{b\}" \
    {}        "preserve == {a" \
    {}        {preserve ==} \
    {}        {preserve == && x} \
    {}        {&& reconfigurable} \
    {}        {reconfigurable &&} \
    {}        {reconfigurable || || x} \
    {}        {()} \
    {}        {reconfigurable)} \
    {}        {(reconfigurable x} \
    {}        {reconfigurable (x)} \
    {}        {!= x} \
    {}        {!~ x} \
    {}        {preserve inherit} \
    {}        {preserve <> x} \
    {}        {preserve = x} \
    {}        {preserve === x} \
    {}        {!preserve == x} \
    {}        {!!{name} =~ "/top/*"} \
    {}        {!} \
    {}        {name == x y} \
    {}        {name =~ /* || (colour ==} \
    {}        [string repeat ( 101]reconfigurable[string repeat ) 101] \
    {}        [string repeat ! 101]reconfigurable \
]
puts [found -filter [string repeat ( 100]reconfigurable[string repeat ) 100]]
puts [found -filter [string repeat ! 99]reconfigurable]
puts [found -filter [string repeat ! 100]reconfigurable]

puts "== numbers"
write numbers.pxml {<?xml version="1.0" encoding="UTF-8"?>
<Project FileVersion="2" Name="numbers">
  <Partition Name="100" State="implement" ImportLocation="NONE">
    <Partition Name="9" State="implement" ImportLocation="NONE"/>
    <Partition Name="0x10" State="implement" ImportLocation="NONE"/>
    <Partition Name="2.5" State="implement" ImportLocation="NONE"/>
    <Partition Name="-3" State="implement" ImportLocation="NONE"/>
    <Partition Name="1e3" State="implement" ImportLocation="NONE"/>
    <Partition Name="9007199254740993" State="implement" ImportLocation="NONE"/>
  </Partition>
</Project>}
read_xpartition numbers.pxml
table {
    {}        {name < 10}                                     {9 2.5 -3}
    {}        {name <= 9}                                     {9 2.5 -3}
    {}        {name > 16}                                     {100 1e3 9007199254740993}
    {}        {name >= 0x10}                                  {100 0x10 1e3 9007199254740993}
    {}        {name < 2.5}                                    {-3}
    {}        {name <= 2.5 && name > -3.5}                    {2.5 -3}
    {}        {name >= "1000.0" && name < 1e4}                {1e3}
    {}        {name > 9007199254740992}                       {9007199254740993}
    {}        {name>=100&&name<=1e3}                          {100 1e3}
    {}        {name == 16}                                    {}
    {}        {name == 0x10}                                  {0x10}
    {}        {!(name > -1)}                                  {-3}
}
