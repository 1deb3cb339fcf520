// The one argument parser of the Tcl commands, and their usage lines.
#include <cstring>

#include "TclCommands.h"
#include "TclTexts.h"

namespace HostTcl {

namespace {

constexpr const char* kHelpFlag = "-help";
constexpr const char* kEndOfOptions = "--";

const ArgSpec* FindOption(const CommandSpec& command, const char* word) {
  for (const ArgSpec& arg : command.args) {
    if ((arg.kind == ArgKind::Flag || arg.kind == ArgKind::Option) &&
        std::strcmp(arg.name, word) == 0) {
      return &arg;
    }
  }
  return nullptr;
}

}  // namespace

Tcl_Obj* Args::Option(const char* option) const {
  for (const auto& [name, value] : m_options) {
    if (std::strcmp(name, option) == 0) return value;
  }
  return nullptr;
}

std::string UsageOf(const CommandSpec& command, const char* name) {
  std::string usage = name ? name : command.name;
  for (const ArgSpec& arg : command.args) {
    usage += ' ';
    switch (arg.kind) {
      case ArgKind::Flag:
        usage += std::string("?") + arg.name + "?";
        break;
      case ArgKind::Option:
        usage += std::string("?") + arg.name + " " + arg.value + "?";
        break;
      case ArgKind::Required:
        usage += arg.name;
        break;
      case ArgKind::Optional:
        usage += std::string("?") + arg.name + "?";
        break;
      case ArgKind::Rest:
        usage += std::string("?") + arg.name + " ...?";
        break;
    }
  }
  return usage;
}

int ParseArgs(Context& context, int objc, Tcl_Obj* const objv[], Args& out) {
  const CommandSpec& command = context.command;
  std::vector<Tcl_Obj*> words;
  bool optionsEnded = false;
  for (int i = 0; i < objc; ++i) {
    const char* word = Tcl_GetString(objv[i]);
    if (optionsEnded || word[0] != '-' || word[1] == '\0') {
      words.push_back(objv[i]);
    } else if (std::strcmp(word, kEndOfOptions) == 0) {
      optionsEnded = true;
    } else if (std::strcmp(word, kHelpFlag) == 0) {
      if (!context.Print(UsageOf(command, context.name) + "\n\n" + command.help)) return TCL_ERROR;
      return TCL_BREAK;
    } else if (const ArgSpec* option = FindOption(command, word)) {
      Tcl_Obj* value = objv[i];
      if (option->kind == ArgKind::Option) {
        if (i + 1 >= objc) return context.UsageError(kErrOptionValue, word, option->value);
        value = objv[++i];
      }
      if (out.Has(option->name)) return context.UsageError(kErrOptionTwice, word);
      out.m_options.emplace_back(option->name, value);
    } else {
      return context.UsageError(kErrUnknownOption, word);
    }
  }
  std::size_t next = 0;
  for (const ArgSpec& arg : command.args) {
    if (arg.kind == ArgKind::Required && next >= words.size()) {
      return context.UsageError(kErrMissingArgument, arg.name);
    }
    if (arg.kind == ArgKind::Required || arg.kind == ArgKind::Optional) {
      if (next < words.size()) out.m_positionals.push_back(words[next++]);
    } else if (arg.kind == ArgKind::Rest) {
      while (next < words.size()) out.m_positionals.push_back(words[next++]);
    }
  }
  if (next < words.size()) {
    return context.UsageError(kErrExtraArgument, Tcl_GetString(words[next]));
  }
  return TCL_OK;
}

}  // namespace HostTcl
