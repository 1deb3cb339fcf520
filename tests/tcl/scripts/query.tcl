# The query model: every property of partitions and pins read and set, lists
# of objects, lists of patterns, -hierarchical, -of_objects both ways, pin
# handles whose names hold brackets, dots, slashes and colons, and the flow
# that switches a partition to import from an exported project.
source [file join [lindex $argv 0] support.tcl]
set file [open wide.pxml w]
puts $file {<?xml version="1.0" encoding="UTF-8"?>
<Project FileVersion="2" Name="wide">
  <Partition Name="/top" State="implement" ImportLocation="NONE" Preserve="placement">
    <Partition Name="/top/kernel" State="implement" ImportLocation="NONE">
      <Partition Name="/top/kernel/kernel" State="implement" ImportLocation="NONE">
        <Pins><Pin Name="a:b"/></Pins>
      </Partition>
      <Pins><Pin Name="data[3]"/><Pin Name="bus.x/y"/></Pins>
    </Partition>
    <Partition Name="/top/a:b" State="implement" ImportLocation="NONE" Reconfigurable="true"
               ReconfigModuleName="rm1">
      <Pins><Pin Name="c"/></Pins>
    </Partition>
    <Partition Name="/top/dsp" State="import" ImportLocation="exp" ImportTag="v1" Isolated="true"/>
  </Partition>
</Project>}
close $file
read_xpartition wide.pxml

puts "== the host's properties"
foreach p [get_partitions] {
    set row {}
    foreach name {state import_location import_tag isolated reconfig_module_name guide pin_count is_root} {
        lappend row $name=[get_property $name $p]
    }
    puts "$p: $row"
}

puts "== setting, and values refused with nothing changed"
set both [get_partitions {/top/kernel /top/dsp}]
foreach {name value} {
    state import  state implement  state imported
    isolated yes  isolated 0  isolated maybe
    import_location /elsewhere  import_tag v2
    guide yes  guide perhaps  preserve routing  preserve all
    reconfig_module_name rm2  pin_count 4  is_root 1  colour red
} {
    catch {get_property $name $both} before
    try {
        set_property $name $value $both
        puts "$name $value: [get_property $name $both]"
    } on error {message options} {
        puts "$name $value: [dict get $options -errorcode] <- $message"
        catch {get_property $name $both} after
        if {$after ne $before} { puts "  CHANGED: $after" }
    }
}
show set_property reconfig_module_name rm9 [get_partitions /top/a:b]
show get_property reconfig_module_name [get_partitions /top/a:b]
show set_property preserve synthesis {}
# The root cannot inherit: refused before any partition of the list changes.
show set_property preserve inherit {partition:/top/dsp partition:/top}
show get_property preserve [get_partitions {/top /top/dsp}]

puts "== finding"
show get_partitions {/top/dsp /top} /top/dsp {/top/k*}
show get_partitions -hierarchical kernel
show get_partitions -hierarchical {k* dsp}
show get_partitions -hierarchical -regexp {a:.}
show get_partitions -of_objects [get_pins *:c]
show get_partitions -of_objects {}
show get_partitions -of_objects partition:/top
show get_partitions -of_objects [get_pins *:c] /top
show get_partitions -hierarchical -hierarchical kernel

puts "== pins"
set pins [get_pins]
puts $pins
foreach pin $pins {
    set row {}
    foreach name [list_property $pin] { lappend row $name=[get_property $name $pin] }
    puts $row
}
show get_pins -of_objects [get_partitions /top/kernel] {data[[]3]}
show get_pins -of_objects [get_partitions {/top/kernel /top/kernel}] -regexp {bus\..*}
show get_pins -filter {name =~ *:*}
show get_pins /top/kernel:*
show get_pins -of_objects [get_pins]
show get_property name {pin:/top/a:b:c pin:/top/kernel/kernel:a:b}
show get_property name pin:/top/kernel:nothing
show list_property [list partition:/top [lindex $pins 0]]
show list_property {}

puts "== the flow: switch a partition to import, import, save, reopen"
set case [file join [lindex $argv 0] .. hdpart cases import_success]
file copy [file join $case exp] exp
read_xpartition exp/project.pxml
save_project exp/project.hdproj
read_xpartition [file join $case design.pxml]
set cap [get_partitions /top/cap]
set_property state implement $cap
show import_partitions
set_property import_location exp $cap
set_property state import $cap
show import_partitions
show save_project flow.prj
open_project flow.prj
set cap [get_partitions /top/cap]
show get_property state $cap
show get_property import_location $cap
show get_property name [get_pins -of_objects $cap]
