read_xpartition design.pxml
import_partitions
foreach command {save_project write_xpartition} {
  if {[catch {$command exp/project.hdproj} message]} {
    puts "$command refused: $message"
  }
}
save_project imported.prj
puts "saved elsewhere"
