// The commands of hdpart, declared once each (name, operand, one-line help,
// long help, what it accepts) and parsed by one shared argument parser.
//
//   hdpart [--debug] [--no-pin-check] COMMAND OPERAND [-o FILE]
//
// Options may stand anywhere; "--" ends them. Every command takes one
// operand; -o is accepted by the commands that write a file.
#pragma once

#include <string>
#include <vector>

namespace hdpart {

struct Invocation;
class MessageCounter;

enum class OutputOption { None, Optional, Required };
/// How many operands a command takes: one, or (a script command) none or a
/// script followed by the script's own arguments, taken as they stand.
enum class Operands { One, Script };

struct Command {
  const char* name;
  const char* operand;  // the operand's name in the synopsis
  const char* summary;  // one line
  const char* help;     // the rest of the command's help
  OutputOption output;
  /// Runs the command; false when it failed (beyond what messages counted).
  bool (*run)(const Invocation& invocation);
  Operands operands = Operands::One;
};

struct Invocation {
  const Command* command = nullptr;
  std::string operand;
  /// A script command's arguments after the script.
  std::vector<std::string> scriptArgs;
  std::string output;  // -o, empty when not given
  bool pinCheck = true;
  bool debug = false;
  /// The messages issued so far; a command that writes a file writes
  /// nothing once an error was reported.
  const MessageCounter* messages = nullptr;
};

/// What the command line asks for.
enum class Request { Run, ToolHelp, CommandHelp, Version, UsageError };

/// Parses the arguments after the program name into `out`. A usage error
/// is reported (and names the argument at fault) before returning.
Request ParseArguments(int argc, const char* const* argv, Invocation& out);

void PrintToolHelp();
void PrintCommandHelp(const Command& command);
void PrintVersion();

// The commands, one source unit each.
bool RunShow(const Invocation& invocation);
bool RunSave(const Invocation& invocation);
bool RunImport(const Invocation& invocation);
bool RunWrite(const Invocation& invocation);
bool RunInspect(const Invocation& invocation);
bool RunTree(const Invocation& invocation);
/// False when the script ended in an error; "exit N" ends the process.
bool RunTcl(const Invocation& invocation);

}  // namespace hdpart
