// The commands of hdpart, declared once each (name, operand, one-line help,
// long help, what it accepts) and parsed by one shared argument parser.
//
//   hdpart [--debug] [--no-pin-check] [--quiet] COMMAND OPERAND... [-o FILE]
//          [--format FORMAT] [--depth N]
//   hdpart help [COMMAND]
//
// Options may stand anywhere; "--" ends them. -o is accepted by the
// commands that write a file, and -o - sends the file to standard output;
// --format and --depth by the commands that say so.
#pragma once

#include <string>
#include <vector>

namespace HostSession {
class Session;
}

namespace hdpart {

struct Invocation;

/// The -o value that stands for standard output.
inline constexpr const char* kStandardOutput = "-";
/// The --format every command that takes one defaults to, and the others.
inline constexpr const char* kTextFormat = "text";
inline constexpr const char* kJsonFormat = "json";
inline constexpr const char* kDotFormat = "dot";

enum class OutputOption { None, Optional, Required };
/// How many operands a command takes: one; a file and partition names
/// (none or more); two files; or (a script command) none or a script
/// followed by the script's own arguments, taken as they stand.
enum class Operands { One, FileAndNames, Two, Script };

struct Command {
  const char* name;
  const char* operand;  // the operand's name in the synopsis
  const char* summary;  // one line
  const char* help;     // the rest of the command's help
  OutputOption output;
  /// Runs the command; false when it failed (beyond what messages counted).
  bool (*run)(const Invocation& invocation);
  Operands operands = Operands::One;
  /// The --format values the command takes besides "text", blank-separated
  /// ("json dot"); null when it takes no --format.
  const char* formats = nullptr;
  /// Whether the command takes --depth N.
  bool depth = false;
  /// Whether a reported error ends the command with exit status 2, not 1:
  /// for a command whose 1 is an answer (diff: the files differ).
  bool errorExitsTwo = false;
};

struct Invocation {
  const Command* command = nullptr;
  std::string operand;
  /// The operands after the first: partition names (show, report), or the
  /// second file (diff).
  std::vector<std::string> more;
  /// --format: "text" unless given.
  std::string format = kTextFormat;
  /// --depth: the deepest level shown (0 the root alone), -1 for all.
  int depth = -1;
  /// --quiet: no progress and no closing summary of warnings.
  bool quiet = false;
  /// A script command's arguments after the script.
  std::vector<std::string> scriptArgs;
  std::string output;  // -o, empty when not given
  bool pinCheck = true;
  bool debug = false;
  /// The session the command works in; the tcl command's interpreters have
  /// sessions of their own.
  HostSession::Session* session = nullptr;
};

/// What the command line asks for.
enum class Request { Run, ToolHelp, CommandHelp, Version, UsageError };

/// Parses the arguments after the program name into `out`. A usage error
/// is reported (and names the argument at fault) before returning.
Request ParseArguments(int argc, const char* const* argv, Invocation& out);

void PrintToolHelp();
void PrintCommandHelp(const Command& command);
void PrintVersion();

/// Whether the command's file goes to standard output: -o -, or no -o for
/// a command whose -o is optional.
bool WritesToStandardOutput(const Invocation& invocation);
/// False, reported, when -o names an existing file (links followed) that is
/// no regular file; `kind` says what the command writes.
bool OutputAccepted(const Invocation& invocation, const char* kind);
/// Saves the session's design where -o says: the project file, or standard
/// output.
bool SaveOutput(HostSession::Session& session, const Invocation& invocation);

// The commands, one source unit each.
bool RunShow(const Invocation& invocation);
bool RunReport(const Invocation& invocation);
bool RunSave(const Invocation& invocation);
bool RunImport(const Invocation& invocation);
bool RunWrite(const Invocation& invocation);
bool RunInspect(const Invocation& invocation);
bool RunTree(const Invocation& invocation);
/// False when the two files' designs differ.
bool RunDiff(const Invocation& invocation);
/// False when the description drew findings.
bool RunCheck(const Invocation& invocation);
/// False when the script ended in an error; "exit N" ends the process.
bool RunTcl(const Invocation& invocation);

}  // namespace hdpart
