// The commands of the Tcl layer, each declared once in the command table
// (name, arguments, one-line and long help, handler) and parsed by one
// argument parser, which also writes every command's usage line:
//
//   get_partitions ?-filter EXPR? ?-regexp? ?-nocase? ?-quiet? ?PATTERN ...?
//
// The commands live in ::hdpartition and are imported into the global
// namespace. Options may stand anywhere among the arguments and be given by
// a unique prefix; "--" ends them; "-help" on any command prints its usage
// and help. Usage errors take Tcl's own forms ("wrong # args: should be
// ...", "bad option ...: must be ...").
//
// A handler runs inside Dispatch, the one place where what the library
// throws and what the host session reports become the command's Tcl error.
// Every error carries an -errorcode: HDPARTITION, its kind, and what it
// concerns ({HDPARTITION HANDLE partition:/top/x}).
#pragma once

#include <tcl.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "Port/HostApi.h"

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
  /// The option words the parser looks up, "-help" and "--" last, ended by
  /// null: filled in by CommandTable().
  std::vector<const char*> optionWords = {};
};

/// Every command, in the order help lists them. The package offers it to
/// the hdpart shell (completion) besides its C entry points.
HOST_API const std::vector<CommandSpec>& CommandTable();
/// "?-flag? ARG ..." for `command`.
std::string ArgumentsOf(const CommandSpec& command);
/// The usage line of `command` (called `calledAs`, its own name by
/// default), a blank line and its help.
std::string HelpOf(const CommandSpec& command, const char* calledAs = nullptr);
/// Whether `command` is a report, taking -file, -append and -return_string.
bool IsReport(const CommandSpec& command);

/// The kind of a command's error: the second word of its -errorcode.
enum class Fault {
  Usage,     // the words of the call
  NoDesign,  // no design is open
  Handle,    // a handle naming nothing (with the handle)
  Property,  // an unknown property (with its name)
  Value,     // a value a command or property refuses
  Io,        // a file that cannot be read or written (with its path)
  Library,   // what the library or the host session reported (with its text)
};

/// A command's -errorcode: the kind and what the error concerns, if anything.
struct ErrorCode {
  ErrorCode(Fault kind, std::string about = {}) : fault(kind), subject(std::move(about)) {}
  Fault fault;
  std::string subject;
};

/// Tcl objects kept alive until the command ends.
class KeptObjects {
 public:
  KeptObjects() = default;
  KeptObjects(const KeptObjects&) = delete;
  KeptObjects& operator=(const KeptObjects&) = delete;
  ~KeptObjects() {
    for (Tcl_Obj* obj : m_objects) Tcl_DecrRefCount(obj);
  }
  Tcl_Obj* Keep(Tcl_Obj* obj) {
    Tcl_IncrRefCount(obj);
    m_objects.push_back(obj);
    return obj;
  }

 private:
  std::vector<Tcl_Obj*> m_objects;
};

/// What a handler works with.
struct Context {
  Tcl_Interp* interp;
  ShellState& state;
  const CommandSpec& command;
  /// The name the command was called by.
  const char* name;
  /// The file the command reads or writes: what the host session's
  /// refusals and file faults concern.
  std::string file = {};
  /// Values made for the command, freed when it ends.
  KeptObjects kept = {};

  /// Sets the error "command: text" (printf-style) with `code` as its
  /// -errorcode, and answers TCL_ERROR.
  int Error(const ErrorCode& code, const char* fmt, ...) __attribute__((format(printf, 3, 4)));
  /// TCL_ERROR whose text is what the host session reported meanwhile.
  int Failed() { return TCL_ERROR; }
  /// Writes `text` where the command's output goes: the interpreter's
  /// standard output, or what a report collects (-file, -return_string);
  /// false (error set) when it cannot be written.
  bool Print(const std::string& text);
  /// A whole number >= 0 from option `option`, or `fallback` when absent;
  /// false (error set) when it is no such number.
  bool WholeOption(const Args& args, const char* option, int fallback, int& out);
};

/// Parses `objv` (the whole call, the command's name first) for `command`.
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
