// The fixed texts of the Tcl command-layer target: the design every input
// runs against, the exported project its imported partitions come from, the
// core Tcl commands an input may use besides the partition commands, and the
// guard that keeps file names inside the scratch directory.
#pragma once

namespace ZoreFuzz {

/// "@EXPORT@" stands for the exported project's directory, "@MISSING@" for a
/// directory that does not exist.
inline constexpr const char* kTclDesign = R"(<?xml version="1.0" encoding="UTF-8"?>
<Project FileVersion="2" Name="fuzz_design">
  <Partition Name="/top" State="implement" ImportLocation="NONE" Preserve="placement">
    <Partition Name="/top/capture" State="import" ImportLocation="@EXPORT@"
               BoundaryOpt="none" ImportTag="v2" Preserve="synthesis">
      <Pins><Pin Name="pix_clk"/><Pin Name="pix_data[0]"/></Pins>
    </Partition>
    <Partition Name="/top/dsp" State="import" ImportLocation="@MISSING@"/>
    <Partition Name="/top/filter" State="implement" ImportLocation="NONE" Isolated="true">
      <Pins><Pin Name="clk"/><Pin Name="din"/><Pin Name="dout"/></Pins>
      <Partition Name="/top/filter/kernel" State="implement" ImportLocation="NONE"
                 Reconfigurable="true" ReconfigModuleName="sharpen" Preserve="inherit">
        <Pins><Pin Name="clk"/><Pin Name="coeff"/></Pins>
      </Partition>
    </Partition>
  </Partition>
</Project>
)";

inline constexpr const char* kTclExport = R"(<?xml version="1.0" encoding="UTF-8"?>
<Project FileVersion="2" Name="fuzz_export">
  <Partition Name="/top" State="implement" ImportLocation="NONE">
    <Partition Name="/top/capture" State="implement" ImportLocation="NONE" Preserve="synthesis">
      <Pins><Pin Name="pix_clk"/><Pin Name="pix_data[0]"/><Pin Name="pix_sync"/></Pins>
    </Partition>
  </Partition>
</Project>
)";

/// The previous implementation files of the exported capture partition.
inline constexpr const char* kTclExportFiles[] = {
    "capture_prev_built.qdb", "capture_prev_mapped.qmp", "capture_prev_mapped.qpr",
    "capture_prev_routed.qpr"};

inline constexpr const char* kTclPlaceholderExport = "@EXPORT@";
inline constexpr const char* kTclPlaceholderMissing = "@MISSING@";
inline constexpr const char* kTclDesignFile = "design.pxml";
/// The exported project's description, beside its files.
inline constexpr const char* kTclExportFile = "project.pxml";
inline constexpr const char* kTclProjectFile = "project.hdproj";
inline constexpr const char* kTclNotesFile = "notes.txt";
inline constexpr const char* kTclNotes = "not a description\n";

/// The partition commands that name files: an input reaches them through
/// the guard, every other partition command directly.
inline constexpr const char* kTclFileCommands[] = {"read_xpartition", "open_project",
                                                   "save_project", "write_xpartition"};
inline constexpr const char* kTclPlainCommands[] = {
    "import_partitions", "get_partitions",  "get_pins",         "get_property",     "set_property",
    "list_property",     "report_property", "report_partition", "report_hierarchy", "help"};

/// Core Tcl an input may use: no file, process, event loop or interpreter
/// command, none that makes a value much larger than its arguments.
inline constexpr const char* kTclCoreCommands[] = {
    "set",    "unset", "list",  "lindex",  "llength", "lrange", "lappend", "lsort", "lsearch",
    "concat", "join",  "split", "foreach", "catch",   "incr",   "puts",    "break", "continue"};

/// The master's guard of the file commands: "-help" goes through, a plain
/// name is taken in the scratch directory, anything else is refused.
inline constexpr const char* kTclFileGuard = R"(
proc fuzz_file_command {scratch command args} {
  set words {}
  foreach arg $args {
    if {$arg eq "-help"} {
      lappend words $arg
    } elseif {[regexp {^[A-Za-z0-9_][A-Za-z0-9_.]*$} $arg]} {
      lappend words [string cat $scratch / $arg]
    } else {
      return -code error "$command: only plain file names here"
    }
  }
  $command {*}$words
}
)";
inline constexpr const char* kTclGuardName = "fuzz_file_command";

inline constexpr const char* kTclTooLarge = "fuzz: argument too large";
inline constexpr const char* kTclNotAllowed = "fuzz: command not allowed";

}  // namespace ZoreFuzz
