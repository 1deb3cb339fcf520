catch {import_partitions} message
set message
get_pins [get_partitions /top/capture]
report_partition [get_partitions /top/capture]
save_project imported.hdproj
open_project imported.hdproj
report_hierarchy
import_partitions extra
