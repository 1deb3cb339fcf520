# A design whose reading drew errors is open but neither saved nor written
# until a design is read again; -no_pin_check; library messages in order with
# puts, standard output being a file.
source [file join [lindex $argv 0] support.tcl]
proc description {file pin} {
    set out [open $file w]
    puts $out "<?xml version=\"1.0\" encoding=\"UTF-8\"?>
<Project FileVersion=\"2\" Name=\"p\">
  <Partition Name=\"/top\" State=\"implement\" ImportLocation=\"NONE\">
    <Partition Name=\"/top/a\" State=\"frozen\" ImportLocation=\"NONE\"/>
    <Partition Name=\"/top/b\" State=\"implement\" ImportLocation=\"NONE\">
      <Pins>$pin</Pins>
    </Partition>
  </Partition>
</Project>"
    close $out
}
description frozen.pxml {<Pin Name="clk"/>}
show read_xpartition frozen.pxml
show get_partitions
show save_project frozen.prj
show write_xpartition back.pxml
puts "written: [file exists frozen.prj] [file exists back.pxml]"

set out [open site.pxml w]
puts $out {<?xml version="1.0" encoding="UTF-8"?>
<Project FileVersion="2" Name="s">
  <Partition Name="/top" State="implement" ImportLocation="NONE">
    <Pins><Pin Name="clk" Site="X1Y1" BelPin="A"/></Pins>
  </Partition>
</Project>}
close $out
show read_xpartition site.pxml
show read_xpartition -no_pin_check site.pxml
show save_project site.prj
puts "written: [file exists site.prj]"

puts "before the dump"
report_partition partition:/top
puts "after the dump"
show get_partitions /nowhere
puts "after the warning"
