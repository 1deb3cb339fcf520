// The command table, the shared argument parser and the help texts.
#include "Commands.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "ToolMessages.h"
#include "session/NearestName.h"

namespace hdpart {

namespace {

constexpr const char* kToolSynopsis =
    "usage: hdpart [--debug] [--no-pin-check] [--quiet] COMMAND OPERAND... [OPTION...]\n"
    "       hdpart help [COMMAND] | COMMAND --help | --help | --version\n";
constexpr const char* kToolHelp =
    "Reads, shows and saves the partitions of a hierarchical design.\n"
    "\n"
    "A description file is the XML partition description (root element <Project>);\n"
    "a project file is what 'hdpart save' writes. Commands that take FILE accept\n"
    "either and tell them apart by their contents.\n"
    "\n"
    "Options:\n"
    "  --no-pin-check  accept Pin elements that still carry location attributes\n"
    "  --debug         print debug traces on standard error\n"
    "  -q, --quiet     no progress, and no closing count of warnings\n"
    "  -h, --help      show this help, or a command's help after the command\n"
    "  --version       show the version\n"
    "\n"
    "Progress: open, save, import and write show how far they have come on\n"
    "standard error when it is a terminal and the command has run a second\n"
    "(HDPART_PROGRESS_AFTER seconds); never with --quiet.\n"
    "\n"
    "Exit status: 0 success (warnings allowed), 1 an error was reported or an\n"
    "operation failed, 2 a usage error or a fatal message.\n";

const Command kCommands[] = {
    {"show", "FILE [PARTITION...]", "print partitions' dumps, root first",
     "Builds the partitions of FILE (a description or a project file) and prints\n"
     "the dump of each, the root first, then depth first in document order; with\n"
     "PARTITION names (hierarchical), the dump of each of those, in that order.\n",
     OutputOption::None, RunShow, Operands::FileAndNames},
    {"report", "FILE [PARTITION...]", "a table of the partitions",
     "Prints a table of the partitions of FILE (a description or a project file),\n"
     "a row each, root first, then depth first, or of the PARTITIONs named:\n"
     "hierarchical name, state, effective preserve, import location, the\n"
     "reconfigurable module (or \"static\"), isolation and pin count. A name the\n"
     "design lacks is an error; the others are printed.\n"
     "\n"
     "  --format json  one JSON document instead (docs/JSON.md)\n",
     OutputOption::None, RunReport, Operands::FileAndNames, "json"},
    {"save", "DESC", "read a description and save it as a project file",
     "Reads the description DESC and saves its partitions to the project file\n"
     "given with -o. The file is replaced atomically: a save that fails leaves\n"
     "the previous file as it was. A symbolic link is followed and stays; other\n"
     "hard links to the file keep its previous contents, as after an editor's\n"
     "save. The description read, or an output that is no regular file, is refused.\n"
     "\n"
     "  -o, --output PROJECT  the project file to write (required); - writes it to\n"
     "                        standard output\n",
     OutputOption::Required, RunSave},
    {"import", "DESC", "take over the previous implementations, then save",
     "Reads the description DESC and, for every partition in state import, in\n"
     "hierarchy order, opens the exported project at its import location (the\n"
     "directory holding the exported project file project.hdproj, as 'hdpart\n"
     "save' writes it, and the previous implementation files), finds the\n"
     "partition of the same name there and takes over its previous design files\n"
     "and the pins this partition lacks. A partition that cannot be imported is\n"
     "reported and skipped; the others go on. Then the project is saved to\n"
     "PROJECT as 'save' does; nothing is written once an error was reported.\n"
     "\n"
     "The implementation results are found in the import location by name:\n"
     "*_prev_built.qdb, *_prev_mapped.qmp, *_prev_mapped.qpr, *_prev_routed.qpr.\n"
     "\n"
     "Environment, each counting as set whatever its value:\n"
     "  OMB_PR_PERSISTENT_PIF        take the implementation results from the\n"
     "                               exported partition's records instead of the\n"
     "                               import location, and keep its paths as they\n"
     "                               are when that partition was itself imported\n"
     "  OMB_PR_ALLOW_INCOMPLETE_PIF  report a missing implementation result as a\n"
     "                               warning, not an error, so the project is saved\n"
     "\n"
     "  -o, --output PROJECT  the project file to write (required); - writes it to\n"
     "                        standard output\n",
     OutputOption::Required, RunImport},
    {"write", "FILE", "write the description of a description or a project file",
     "Writes the partition description of FILE (a description or a saved\n"
     "project) to standard output, or to DESC with -o. Writing a saved project\n"
     "gives back the description it was saved from, pins included.\n"
     "\n"
     "  -o, --output DESC  the description file to write; - (as without -o)\n"
     "                     writes it to standard output\n",
     OutputOption::Optional, RunWrite},
    {"inspect", "PROJECT", "list the items of a project file",
     "Lists the items stored in the project file PROJECT, one a line: the kind\n"
     "(int, time, bool, uint, byte, string, xuid, filename), then the value.\n"
     "\n"
     "  --format json  one JSON document instead (docs/JSON.md)\n",
     OutputOption::None, RunInspect, Operands::One, "json"},
    {"tree", "FILE", "print the partition tree",
     "Prints the partition tree of FILE (a description or a project file), as the\n"
     "Tcl command report_hierarchy does: one line per partition, indented by depth,\n"
     "the columns aligned: its state, effective preserve, reconfigurable\n"
     "association (deciding partition and module name) or \"static\", isolation\n"
     "and pin count.\n"
     "\n"
     "  --depth N      the levels down to N only (0: the root alone)\n"
     "  --format json  one JSON document instead (docs/JSON.md)\n"
     "  --format dot   a Graphviz graph: hdpart tree --format dot F | dot -Tsvg\n",
     OutputOption::None, RunTree, Operands::One, "json dot", true},
    {"diff", "A B", "compare the partitions of two files",
     "Compares the designs of A and B, each a description or a project file, and\n"
     "prints a line per difference: first the partitions only in A, then those\n"
     "only in B, each in its own file's hierarchy order (root first, then depth\n"
     "first), then, in A's order, every field of a partition both hold that\n"
     "differs:\n"
     "\n"
     "  only in A: /top/old\n"
     "  only in B: /top/new\n"
     "  /top/u1: preserve: routing -> placement\n"
     "  /top/u1: pins: only in B: data[3]\n"
     "  /top/u1: pin_order: #2 clk -> #2 din\n"
     "\n"
     "The fields, in this order: parent, is_root, state, import_location,\n"
     "import_tag, boundary_opt, isolated, is_reconfigurable, reconfig_module_name,\n"
     "reconfig_module_location (empty unless a module project is named), each\n"
     "trait by its name, timestamp_VIEW, processed_timestamp_VIEW and\n"
     "interface_timestamp_VIEW for each view (SYNTHESIS, EXPANDED, FRAGCOVERED,\n"
     "PACKED, ROUTED; the dump's calendar text, or \"never\"),\n"
     "child_modified_timestamp, force_TASK for each task (LOM, TRANSLATE,\n"
     "PLACEMENT), previous_file_STATE for each previous design file (QDB, QMP,\n"
     "Packed_QPR, Routed_QPR, QHV), qnl_file and ip_files; then a line for each\n"
     "pin only in A, each pin only in B, and, when the pins both hold stand in a\n"
     "different order, the first place among them where they part. An empty value\n"
     "is shown as \"\". Where the files lie is no difference: a project saved from a\n"
     "description compares the same as the description.\n"
     "\n"
     "  --format json  one JSON document instead (docs/JSON.md)\n"
     "\n"
     "Exit status, as diff's: 0 the designs are the same, 1 they differ, 2 trouble\n"
     "(a file that cannot be read, or whose reading drew errors; reported).\n",
     OutputOption::None, RunDiff, Operands::Two, "json", false, true},
    {"check", "DESC", "report what a description most likely got wrong",
     "Reads the description DESC and reports, as warnings, what neither the\n"
     "library nor the reader refuses but is most likely a mistake; after each, the\n"
     "file, the line and column where its element starts, and the partition:\n"
     "\n"
     "  unknown-attribute     an attribute the description does not know, which is\n"
     "                        ignored, with the known name nearest to it:\n"
     "                        Perserve=\"routing\": did you mean \"Preserve\"?\n"
     "  not-boolean           a flag (Reconfigurable, Isolated) neither \"true\" nor\n"
     "                        \"false\", read as false: Reconfigurable=\"yes\"\n"
     "  not-under-parent      a partition whose name is not under its parent's:\n"
     "                        /top/x/y inside /top/z\n"
     "  relative-name         a partition name not starting with \"/\": Name=\"u1\"\n"
     "  reconfigurable-root   a root partition with Reconfigurable=\"true\"\n"
     "  name-twice            a partition name given twice, or a pin name twice in\n"
     "                        one partition: two <Pin Name=\"clk\"/>\n"
     "  no-name               a Partition or Pin element without a Name\n"
     "  import-location       a partition in state import whose location is empty\n"
     "                        or NONE, does not exist or is no directory; a\n"
     "                        relative one is taken from the working directory,\n"
     "                        as 'import' takes it: ImportLocation=\"../exp\"\n"
     "  several-import-files  an import location where several files match one of\n"
     "                        the patterns 'import' looks for, of which it takes\n"
     "                        the first in byte order: a_prev_built.qdb and\n"
     "                        b_prev_built.qdb (unless OMB_PR_PERSISTENT_PIF is set)\n"
     "\n"
     "Faults that keep the description from being opened at all (a second root\n"
     "partition, a FileVersion that is no number) are left to the commands that\n"
     "open it. Exit status: 0 no finding, 1 findings, or a file that cannot be\n"
     "read or is no description.\n"
     "\n"
     "  --format json  one JSON document instead, holding the findings, which are\n"
     "                 then not reported on standard error (docs/JSON.md)\n",
     OutputOption::None, RunCheck, Operands::One, "json"},
    {"tcl", "[SCRIPT [ARG...]]", "run a Tcl script, or an interactive Tcl shell",
     "Runs the Tcl script SCRIPT with the partition commands (argv, argc and argv0\n"
     "set as tclsh sets them; the arguments after SCRIPT are the script's), or,\n"
     "without SCRIPT, the commands of standard input. At a terminal that is an\n"
     "interactive shell with line editing, Tab completion and a history kept in\n"
     "$XDG_STATE_HOME/hdpart/history; Ctrl-C abandons the line or interrupts the\n"
     "command running; 'exit' or the end of input ends it, after one warning when\n"
     "the design holds changes not saved ('exit -force' does not wait). Commands\n"
     "piped in stop at the first error. 'help' lists the commands.\n",
     OutputOption::None, RunTcl, Operands::Script},
};

const Command* FindCommand(const char* name) {
  for (const Command& command : kCommands) {
    if (std::strcmp(command.name, name) == 0) return &command;
  }
  return nullptr;
}

bool IsScriptCommand(const char* name) {
  const Command* command = FindCommand(name);
  return command && command->operands == Operands::Script;
}

/// How a command's help names its output: "  -o, --output PROJECT  ...".
constexpr const char* kOutputNamed = "--output ";

/// The options that take no value, by their long names.
constexpr const char* kHelpOption = "--help";
constexpr const char* kVersionOption = "--version";
constexpr const char* kDebugOption = "--debug";
constexpr const char* kNoPinCheckOption = "--no-pin-check";
constexpr const char* kQuietOption = "--quiet";
constexpr const char* kFlagOptions[] = {kHelpOption, kVersionOption, kDebugOption,
                                        kNoPinCheckOption, kQuietOption};

bool IsHelp(const char* arg) {
  return std::strcmp(arg, "-h") == 0 || std::strcmp(arg, kHelpOption) == 0;
}

/// The options that take a value, each by its short or long name, or
/// --long=VALUE.
struct ValuedOption {
  const char* shortName;  // null when there is none
  const char* longName;
  const char* value;               // what the value is, for messages
  std::string Invocation::*text;  // where a text value goes, or null
  int Invocation::*number;        // where a whole number goes, or null
};
const ValuedOption kValuedOptions[] = {
    {"-o", "--output", "a file name", &Invocation::output, nullptr},
    {nullptr, "--format", "a format", &Invocation::format, nullptr},
    {nullptr, "--depth", "a whole number", nullptr, &Invocation::depth},
};

/// The valued option `arg` names, with `value` pointing at the text after
/// "=" when it holds one.
const ValuedOption* FindValuedOption(const char* arg, const char*& value) {
  value = nullptr;
  for (const ValuedOption& option : kValuedOptions) {
    const std::size_t length = std::strlen(option.longName);
    if ((option.shortName && std::strcmp(arg, option.shortName) == 0) ||
        std::strcmp(arg, option.longName) == 0) {
      return &option;
    }
    if (std::strncmp(arg, option.longName, length) == 0 && arg[length] == '=') {
      value = arg + length + 1;
      return &option;
    }
  }
  return nullptr;
}

bool StoreValue(const ValuedOption& option, const char* arg, const char* value, Invocation& out) {
  if (option.text) {
    out.*option.text = value;
    return true;
  }
  char* end = nullptr;
  const long number = std::strtol(value, &end, 10);
  if (*end != '\0' || number < 0 || number > 1000000) {
    HDPART_MSG().issueError(kMsgNotWholeNumber, arg, value);
    return false;
  }
  out.*option.number = static_cast<int>(number);
  return true;
}

/// Whether `command` takes the format `format`.
bool TakesFormat(const Command& command, const std::string& format) {
  if (!command.formats) return false;
  if (format == kTextFormat) return true;
  const std::string formats = std::string(" ") + command.formats + " ";
  return formats.find(" " + format + " ") != std::string::npos;
}

/// Checks the operands `words` (the command's name first) against what
/// `command` takes, and keeps them.
bool TakeOperands(const Command& command, const std::vector<const char*>& words, Invocation& out) {
  const std::size_t given = words.size() - 1;
  switch (command.operands) {
    case Operands::Script:
      if (given > 0) out.operand = words[1];
      return true;
    case Operands::One:
    case Operands::FileAndNames:
    case Operands::Two:
      break;
  }
  const std::size_t least = command.operands == Operands::Two ? 2 : 1;
  if (given < least) {
    HDPART_MSG().issueError(kMsgMissingOperand, command.name, command.operand);
    return false;
  }
  if (command.operands != Operands::FileAndNames && given > least) {
    HDPART_MSG().issueError(kMsgExtraOperand, command.name, words[least + 1]);
    return false;
  }
  out.operand = words[1];
  out.more.assign(words.begin() + 2, words.end());
  return true;
}

/// An option none of the tables names, with the one it most likely meant.
void ReportUnknownOption(const char* arg) {
  std::vector<const char*> names(std::begin(kFlagOptions), std::end(kFlagOptions));
  for (const ValuedOption& option : kValuedOptions) names.push_back(option.longName);
  const std::string given(arg, std::strcspn(arg, "="));
  const std::string nearest = HostSession::NearestName(given, names);
  if (nearest.empty()) {
    HDPART_MSG().issueError(kMsgUnknownOption, arg);
  } else {
    HDPART_MSG().issueError(kMsgUnknownOptionNear, arg, nearest.c_str());
  }
}

}  // namespace

Request ParseArguments(int argc, const char* const* argv, Invocation& out) {
  bool help = false;
  bool version = false;
  bool optionsEnded = false;
  std::vector<const ValuedOption*> given;
  std::vector<const char*> words;
  for (int i = 0; i < argc; ++i) {
    const char* arg = argv[i];
    if (words.size() == 2 && IsScriptCommand(words[0])) {
      out.scriptArgs.assign(argv + i, argv + argc);  // the script's own, as they stand
      break;
    }
    if (optionsEnded || arg[0] != '-' || arg[1] == '\0') {
      words.push_back(arg);
      continue;
    }
    const char* value = nullptr;
    if (std::strcmp(arg, "--") == 0) {
      optionsEnded = true;
    } else if (IsHelp(arg)) {
      help = true;
    } else if (std::strcmp(arg, kVersionOption) == 0) {
      version = true;
    } else if (std::strcmp(arg, kDebugOption) == 0) {
      out.debug = true;
    } else if (std::strcmp(arg, kNoPinCheckOption) == 0) {
      out.pinCheck = false;
    } else if (std::strcmp(arg, "-q") == 0 || std::strcmp(arg, kQuietOption) == 0) {
      out.quiet = true;
    } else if (const ValuedOption* option = FindValuedOption(arg, value)) {
      if (!value && i + 1 < argc) value = argv[++i];
      if (!value || *value == '\0') {
        HDPART_MSG().issueError(kMsgOptionNeedsValue, arg, option->value);
        return Request::UsageError;
      }
      if (std::find(given.begin(), given.end(), option) != given.end()) {
        HDPART_MSG().issueError(kMsgOptionTwice, arg);
        return Request::UsageError;
      }
      given.push_back(option);
      if (!StoreValue(*option, arg, value, out)) return Request::UsageError;
    } else {
      ReportUnknownOption(arg);
      return Request::UsageError;
    }
  }

  // "hdpart help [COMMAND]" is "hdpart [COMMAND] --help".
  if (!words.empty() && std::strcmp(words[0], kHelpCommand) == 0) {
    if (words.size() > 2) {
      HDPART_MSG().issueError(kMsgExtraOperand, kHelpCommand, words[2]);
      return Request::UsageError;
    }
    words.erase(words.begin());
    help = true;
  }
  if (words.empty()) {
    if (help) return Request::ToolHelp;
    if (version) return Request::Version;
    HDPART_MSG().issueError("%s", kMsgNoCommand);
    return Request::UsageError;
  }
  out.command = FindCommand(words[0]);
  if (!out.command) {
    std::vector<const char*> names;
    for (const Command& command : kCommands) names.push_back(command.name);
    const std::string nearest = HostSession::NearestName(words[0], names);
    if (nearest.empty()) {
      HDPART_MSG().issueError(kMsgUnknownCommand, words[0]);
    } else {
      HDPART_MSG().issueError(kMsgUnknownCommandNear, words[0], nearest.c_str());
    }
    return Request::UsageError;
  }
  if (help) return Request::CommandHelp;
  if (version) return Request::Version;
  const Command& command = *out.command;
  if (!TakeOperands(command, words, out)) return Request::UsageError;
  const bool outputGiven = !out.output.empty();
  if (command.output == OutputOption::None && outputGiven) {
    HDPART_MSG().issueError(kMsgNoOutputOption, command.name);
    return Request::UsageError;
  }
  if (command.output == OutputOption::Required && !outputGiven) {
    HDPART_MSG().issueError(kMsgOutputRequired, command.name);
    return Request::UsageError;
  }
  if (out.format != kTextFormat && !command.formats) {
    HDPART_MSG().issueError(kMsgNoFormatOption, command.name);
    return Request::UsageError;
  }
  if (!TakesFormat(command, out.format) && command.formats) {
    HDPART_MSG().issueError(kMsgBadFormat, command.name, out.format.c_str(), command.formats);
    return Request::UsageError;
  }
  if (out.depth >= 0 && !command.depth) {
    HDPART_MSG().issueError(kMsgNoDepthOption, command.name);
    return Request::UsageError;
  }
  return Request::Run;
}

void PrintToolHelp() {
  std::fputs(kToolSynopsis, stdout);
  std::fputs("\n", stdout);
  std::fputs(kToolHelp, stdout);
  std::fputs("\nCommands:\n", stdout);
  // An operand too long for its column puts the summary on a line of its own,
  // at the column where the other summaries start.
  constexpr int kColumn = 8;
  for (const Command& command : kCommands) {
    if (std::strlen(command.operand) > kColumn) {
      std::printf("  %-*s %s\n  %-*s %-*s %s\n", kColumn, command.name, command.operand, kColumn,
                  "", kColumn, "", command.summary);
    } else {
      std::printf("  %-*s %-*s %s\n", kColumn, command.name, kColumn, command.operand,
                  command.summary);
    }
  }
  std::fputs("\nRun 'hdpart COMMAND --help' for a command's help.\n", stdout);
}

void PrintCommandHelp(const Command& command) {
  std::string formats;
  if (command.formats) {
    std::string names = std::string(kTextFormat) + " " + command.formats;
    std::replace(names.begin(), names.end(), ' ', '|');
    formats = " [--format " + names + "]";
  }
  // The output's name as the command's own help gives it ("--output PROJECT").
  std::string output;
  if (command.output != OutputOption::None) {
    const char* named = std::strstr(command.help, kOutputNamed);
    const std::string name =
        named ? std::string(named + std::strlen(kOutputNamed)).substr(0, std::strcspn(
                    named + std::strlen(kOutputNamed), " \n"))
              : "FILE";
    output = command.output == OutputOption::Required ? " -o " + name : " [-o " + name + "]";
  }
  std::printf("usage: hdpart [--debug] [--no-pin-check] [--quiet] %s %s%s%s%s\n\n%s", command.name,
              command.operand, output.c_str(), command.depth ? " [--depth N]" : "",
              formats.c_str(), command.help);
}

void PrintVersion() { std::printf("hdpart %s\n", HDPART_VERSION); }

}  // namespace hdpart
