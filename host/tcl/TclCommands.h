// The commands of the Tcl layer, each declared once in the command table
// (name, arguments, one-line and long help, handler) and parsed by one
// argument parser, which also writes every command's usage line:
//
//   get_partitions ?-filter EXPR? ?-regexp? ?-nocase? ?-quiet? ?PATTERN ...?
//
// Options may stand anywhere among the arguments ("--" ends them); "-help"
// on any command prints its usage and help. An error names the command and
// the argument at fault and ends with the usage line.
//
// A handler runs inside Dispatch, the one place where what the library
// throws and what the host session reports become the command's Tcl error.
#pragma once

#include <tcl.h>

#include <cstddef>
#include <string>
#include <vector>

namespace HostTcl {

class ShellState;
struct Context;

enum class ArgKind {
  Flag,      // -name
  Option,    // -name VALUE
  Required,  // NAME
  Optional,  // ?NAME?
  Rest,      // ?NAME ...?
};

struct ArgSpec {
  const char* name;  // "-filter" or "FILE"
  ArgKind kind;
  const char* value = nullptr;  // the value's name for an Option ("EXPR")
};

/// The arguments of one call as parsed.
class Args {
 public:
  bool Has(const char* option) const { return Option(option) != nullptr; }
  /// The value of an option (for a flag: the flag word itself), or null.
  Tcl_Obj* Option(const char* option) const;
  /// The positional arguments, in order (the Rest ones last).
  const std::vector<Tcl_Obj*>& Positionals() const { return m_positionals; }
  Tcl_Obj* Positional(std::size_t at) const {
    return at < m_positionals.size() ? m_positionals[at] : nullptr;
  }

 private:
  friend int ParseArgs(Context& context, int objc, Tcl_Obj* const objv[], Args& out);
  std::vector<std::pair<const char*, Tcl_Obj*>> m_options;
  std::vector<Tcl_Obj*> m_positionals;
};

using Handler = int (*)(Context& context, const Args& args);

struct CommandSpec {
  const char* name;
  std::vector<ArgSpec> args;
  const char* summary;  // one line
  const char* help;     // the rest of the help
  Handler handler;
};

/// Every command, in the order help lists them.
const std::vector<CommandSpec>& CommandTable();
/// "name ?-flag? ARG ..." for `command`, called `name` (its own by default).
std::string UsageOf(const CommandSpec& command, const char* name = nullptr);

/// What a handler works with.
struct Context {
  Tcl_Interp* interp;
  ShellState& state;
  const CommandSpec& command;
  /// The name the command was called by.
  const char* name;

  /// Sets the error "command: text" (printf-style) and answers TCL_ERROR.
  int Error(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
  /// The same, ending with the command's usage line.
  int UsageError(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
  /// TCL_ERROR whose text is what the host session reported meanwhile.
  int Failed() { return TCL_ERROR; }
  /// Writes `text` to the interpreter's standard output; false (error set)
  /// when it cannot be written.
  bool Print(const std::string& text);
  /// A whole number >= 0 from option `option`, or `fallback` when absent;
  /// false (error set) when it is no such number.
  bool WholeOption(const Args& args, const char* option, int fallback, int& out);
};

/// Parses `objv` (the words after the command name) for `command`.
/// TCL_OK, TCL_BREAK when "-help" was asked (help printed), or TCL_ERROR.
int ParseArgs(Context& context, int objc, Tcl_Obj* const objv[], Args& out);

/// The Tcl command procedure of every command: parses, runs the handler
/// and turns failures into Tcl errors. Client data: the CommandSpec.
int Dispatch(ClientData declared, Tcl_Interp* interp, int objc, Tcl_Obj* const objv[]);

// ---- handlers, by source unit ----
int ReadXpartition(Context& context, const Args& args);
int OpenProject(Context& context, const Args& args);
int SaveProject(Context& context, const Args& args);
int WriteXpartition(Context& context, const Args& args);
int CloseProject(Context& context, const Args& args);
int ImportPartitions(Context& context, const Args& args);
int GetPartitions(Context& context, const Args& args);
int GetPins(Context& context, const Args& args);
int GetProperty(Context& context, const Args& args);
int SetProperty(Context& context, const Args& args);
int ListProperty(Context& context, const Args& args);
int ReportProperty(Context& context, const Args& args);
int ReportPartition(Context& context, const Args& args);
int ReportHierarchy(Context& context, const Args& args);
int Help(Context& context, const Args& args);

}  // namespace HostTcl
