// The one argument parser of the Tcl commands, and their usage lines.
// Options are looked up with Tcl's own index lookup, so a unique prefix
// stands for the option and a bad one is refused in Tcl's words.
#include <cstring>

#include "TclCommands.h"
#include "TclTexts.h"

namespace HostTcl {

namespace {

const ArgSpec* FindOption(const CommandSpec& command, const char* word) {
  for (const ArgSpec& arg : command.args) {
    if ((arg.kind == ArgKind::Flag || arg.kind == ArgKind::Option) &&
        std::strcmp(arg.name, word) == 0) {
      return &arg;
    }
  }
  return nullptr;
}

/// A word that stands for an option: "-x", not "-" alone.
bool LooksLikeOption(const char* word) { return word[0] == '-' && word[1] != '\0'; }

/// The option `word` stands for (its full name), or null with Tcl's "bad
/// option" error set.
const char* LookUpOption(Context& context, Tcl_Obj* word) {
  const CommandSpec& command = context.command;
  int index = 0;
  if (Tcl_GetIndexFromObjStruct(context.interp, word, command.optionWords.data(),
                                sizeof(const char*), "option", 0, &index) != TCL_OK) {
    const std::string why = Tcl_GetStringResult(context.interp);
    context.Error(Fault::Usage, "%s", why.c_str());
    return nullptr;
  }
  return command.optionWords[static_cast<std::size_t>(index)];
}

/// Tcl's "wrong # args: should be ..." (no command name in front: the
/// usage names it, as called).
int WrongNumArgs(Context& context, Tcl_Obj* const objv[]) {
  const std::string arguments = ArgumentsOf(context.command);
  Tcl_WrongNumArgs(context.interp, 1, objv, arguments.empty() ? nullptr : arguments.c_str());
  Tcl_Obj* message = Tcl_GetObjResult(context.interp);
  Tcl_IncrRefCount(message);
  context.Error(Fault::Usage, "%s", Tcl_GetString(message));
  Tcl_SetObjResult(context.interp, message);  // the error code stays
  Tcl_DecrRefCount(message);
  return TCL_ERROR;
}

}  // namespace

Tcl_Obj* Args::Option(const char* option) const {
  for (const auto& [name, value] : m_options) {
    if (std::strcmp(name, option) == 0) return value;
  }
  return nullptr;
}

std::string ArgumentsOf(const CommandSpec& command) {
  std::string usage;
  for (const ArgSpec& arg : command.args) {
    if (!usage.empty()) usage += ' ';
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
  for (int i = 1; i < objc; ++i) {
    if (optionsEnded || !LooksLikeOption(Tcl_GetString(objv[i]))) {
      words.push_back(objv[i]);
      continue;
    }
    const char* word = LookUpOption(context, objv[i]);
    if (!word) return TCL_ERROR;
    if (std::strcmp(word, kEndOfOptions) == 0) {
      optionsEnded = true;
      continue;
    }
    if (std::strcmp(word, kHelpOption) == 0) {
      if (!context.Print(HelpOf(command, Tcl_GetString(objv[0])))) return TCL_ERROR;
      return TCL_BREAK;
    }
    const ArgSpec* option = FindOption(command, word);
    Tcl_Obj* value = objv[i];
    if (option->kind == ArgKind::Option) {
      if (i + 1 >= objc) return context.Error(Fault::Usage, kErrOptionValue, word, option->value);
      value = objv[++i];
    }
    if (out.Has(option->name)) return context.Error(Fault::Usage, kErrOptionTwice, word);
    out.m_options.emplace_back(option->name, value);
  }
  std::size_t next = 0;
  for (const ArgSpec& arg : command.args) {
    if (arg.kind == ArgKind::Required && next >= words.size()) return WrongNumArgs(context, objv);
    if (arg.kind == ArgKind::Required || arg.kind == ArgKind::Optional) {
      if (next < words.size()) out.m_positionals.push_back(words[next++]);
    } else if (arg.kind == ArgKind::Rest) {
      while (next < words.size()) out.m_positionals.push_back(words[next++]);
    }
  }
  if (next < words.size()) return WrongNumArgs(context, objv);
  return TCL_OK;
}

}  // namespace HostTcl
