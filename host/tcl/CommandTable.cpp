// The command table: every command of the Tcl layer, declared once.
#include <cstring>

#include "TclCommands.h"
#include "TclTexts.h"

namespace HostTcl {

namespace {

/// What every report_* command takes besides its own arguments.
std::vector<ArgSpec> Report(std::vector<ArgSpec> args) {
  args.insert(args.begin(), {{kOptionFile, ArgKind::Option, "FILE"},
                             {kOptionAppend, ArgKind::Flag},
                             {kOptionReturnString, ArgKind::Flag}});
  return args;
}

constexpr const char* kReportHelp =
    "  -file FILE      writes the report to FILE instead (replaced, or added to\n"
    "                  its end with -append)\n"
    "  -return_string  answers the report as the command's result instead\n";

std::vector<CommandSpec> WithOptionWords(std::vector<CommandSpec> table) {
  for (CommandSpec& command : table) {
    for (const ArgSpec& arg : command.args) {
      if (arg.kind == ArgKind::Flag || arg.kind == ArgKind::Option) {
        command.optionWords.push_back(arg.name);
      }
    }
    command.optionWords.insert(command.optionWords.end(), {kHelpOption, kEndOfOptions, nullptr});
  }
  return table;
}

}  // namespace

bool IsReport(const CommandSpec& command) {
  for (const ArgSpec& arg : command.args) {
    if (std::strcmp(arg.name, kOptionReturnString) == 0) return true;
  }
  return false;
}

std::string HelpOf(const CommandSpec& command, const char* calledAs) {
  const std::string arguments = ArgumentsOf(command);
  std::string usage = calledAs ? calledAs : command.name;
  if (!arguments.empty()) usage += " " + arguments;
  return usage + "\n\n" + command.help + (IsReport(command) ? kReportHelp : "");
}

const std::vector<CommandSpec>& CommandTable() {
  using K = ArgKind;
  static const std::vector<CommandSpec> table = WithOptionWords({
      {"read_xpartition",
       {{"-no_pin_check", K::Flag}, {"FILE", K::Required}},
       "read a partition description",
       "Reads the partition description FILE (xpartition.pxml) in place of the open\n"
       "design. A handle names a partition by its hierarchical name in the design\n"
       "open when it is used: a handle of the design before names the partition of\n"
       "the same name in this one, if it has one. A project file is recognised by\n"
       "its mark and opened as open_project does. A description that drew errors\n"
       "is open, but save_project and write_xpartition refuse it until a design\n"
       "is read again.\n"
       "  -no_pin_check  accept Pin elements that still carry the old location\n"
       "                 attributes (the default in 'hdpart --no-pin-check tcl')\n",
       ReadXpartition},
      {"open_project",
       {{"FILE", K::Required}},
       "open a saved project file",
       "Opens the project file FILE (written by save_project or 'hdpart save') in\n"
       "place of the open design; handles then name its partitions, as after\n"
       "read_xpartition.\n",
       OpenProject},
      {"save_project",
       {{"FILE", K::Optional}},
       "save the design to a project file",
       "Saves the open design to the project file FILE, atomically; without FILE, to\n"
       "the project file it was opened from or last saved to (a design read from a\n"
       "description asks for FILE until it is saved). The description it was read\n"
       "from, and the exported projects an import read, are never replaced.\n",
       SaveProject},
      {"write_xpartition",
       {{"FILE", K::Required}},
       "write the design's description",
       "Writes the partition description of the open design to FILE, atomically;\n"
       "FILE may be the description the design was read from, not the project file\n"
       "it was opened from or an exported project an import read.\n",
       WriteXpartition},
      {"close_project",
       {},
       "close the open design",
       "Closes the open design, saved or not; handles then name nothing until a\n"
       "design is read or opened again.\n",
       CloseProject},
      {"import_partitions",
       {},
       "take over the previous implementations",
       "For every partition in state import, in hierarchy order, takes over the\n"
       "previous implementation of the same partition in the exported project at\n"
       "its import location (the directory holding project.hdproj), as 'hdpart\n"
       "import' does: its previous design files and the pins it lacks. A partition\n"
       "that cannot be imported is reported and skipped, the others go on, and the\n"
       "command then fails. Save the result with save_project.\n",
       ImportPartitions},
      {"get_partitions",
       {{"-filter", K::Option, "EXPR"},
        {"-regexp", K::Flag},
        {"-nocase", K::Flag},
        {"-hierarchical", K::Flag},
        {"-of_objects", K::Option, "PINS"},
        {"-quiet", K::Flag},
        {"PATTERN", K::Rest}},
       "find partitions by hierarchical name",
       "Returns the handles of the partitions whose hierarchical names match a\n"
       "PATTERN (glob patterns; each argument may be a list of them; every partition\n"
       "without one), each once, root first, then depth first. A pattern that\n"
       "matches nothing draws a warning, none with -quiet.\n"
       "  -regexp        patterns and =~ values are Tcl regular expressions (embedded\n"
       "                 options such as (?i) and ***= included) whose match must\n"
       "                 span the whole name or value\n"
       "  -nocase        matching ignores letter case\n"
       "  -hierarchical  patterns match the last level of each name (u1 of /top/u1),\n"
       "                 at every level\n"
       "  -of_objects    the partitions owning the pins PINS (no PATTERN then)\n"
       "  -filter        keeps partitions whose properties satisfy EXPR: P == V, !=,\n"
       "                 =~ (glob; regexp with -regexp), !~, numeric <, <=, >, >=,\n"
       "                 a property alone as a boolean; !, && and || (binding in that\n"
       "                 order) and parentheses; values bare, \"...\" or {...}. Errors\n"
       "                 name the character (from 0). See \"Filter expressions\" in\n"
       "                 docs/TCL.md:\n"
       "                 -filter {pin_count > 0 && !(reconfigurable || is_root)}\n",
       GetPartitions},
      {"get_pins",
       {{"-filter", K::Option, "EXPR"},
        {"-regexp", K::Flag},
        {"-nocase", K::Flag},
        {"-of_objects", K::Option, "PARTITIONS"},
        {"-quiet", K::Flag},
        {"PATTERN", K::Rest}},
       "find partition pins",
       "Returns the handles of pins (pin:PARTITION:PIN, pin:/top/u1:data[3]): of\n"
       "the partitions PARTITIONS with -of_objects, else of every partition, in\n"
       "hierarchy order and each partition's own order. PATTERNs (glob; each\n"
       "argument may be a list of them) match the pin's name with -of_objects,\n"
       "else its full name (/top/u1:data[3]). -regexp, -nocase, -quiet and -filter\n"
       "work as for get_partitions, on the pins' properties.\n",
       GetPins},
      {"get_property",
       {{"NAME", K::Required}, {"OBJECTS", K::Required}},
       "a property's value",
       "Returns the value of property NAME of an object, or for a list of objects\n"
       "the list of their values (an empty list: an empty answer). A value is a\n"
       "string, a boolean, an integer, or a list of object handles (parent,\n"
       "children, partition). Effective values resolve \"inherit\" from the parent.\n",
       GetProperty},
      {"set_property",
       {{"NAME", K::Required}, {"VALUE", K::Required}, {"OBJECTS", K::Required}},
       "set a property of partitions",
       "Sets property NAME to VALUE on every partition of the list OBJECTS; the\n"
       "handles and the value are all checked before any partition is changed.\n"
       "Properties that can be set: the traits guide, preserve,\n"
       "dependency_management_mode, fleetmatch and reconfigurable; state\n"
       "(implement or import), import_location, import_tag, isolated (a boolean)\n"
       "and reconfig_module_name (of a reconfigurable partition). report_property\n"
       "shows which can be set.\n",
       SetProperty},
      {"list_property",
       {{"OBJECTS", K::Required}},
       "the names of objects' properties",
       "Returns the names of the properties of the objects OBJECTS: a partition's\n"
       "or a pin's, in the order the object keeps them, each once.\n",
       ListProperty},
      {"report_property",
       Report({{"OBJECTS", K::Required}}),
       "print objects' properties",
       "Prints every property of each object of OBJECTS: its name, type, whether\n"
       "set_property can set it, and its value; each object's handle first when\n"
       "there are several.\n",
       ReportProperty},
      {"report_partition",
       Report({{"OBJECTS", K::Optional}}),
       "print partitions' dumps",
       "Prints the dump of every partition of the list OBJECTS, or of every\n"
       "partition, root first, then depth first.\n",
       ReportPartition},
      {"report_hierarchy",
       Report({{"-depth", K::Option, "N"}}),
       "print the partition tree",
       "Prints the partition tree, one line per partition indented by its depth:\n"
       "hierarchical name, state, effective preserve, reconfigurable association\n"
       "and module name (or \"static\"), and pin count. -depth N stops below depth N\n"
       "(0: the root alone).\n",
       ReportHierarchy},
      {"help",
       {{"PATTERN", K::Optional}},
       "list commands, or show their help",
       "Without PATTERN lists every command with its one-line help; with it, prints\n"
       "the usage and help of each command matching the glob PATTERN. Every command\n"
       "also takes -help.\n",
       Help},
  });
  return table;
}

}  // namespace HostTcl
