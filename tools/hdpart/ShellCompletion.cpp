// What Tab offers in the interactive shell. The first word of a command
// (also after "[" or ";") completes as a command name: the package's
// commands first, then every other the interpreter knows. A word starting
// with "-" completes as an option of the command it belongs to, from the
// command table. The property name of get_property and set_property
// completes from the properties the open design's root partition lists,
// with the traits. A word starting with "partition:" completes as a
// partition's handle, and get_partitions's patterns starting with "/" as
// partitions' names. Anything else is a file name, readline's default.
#include <readline/readline.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "ShellWords.h"
#include "TclCommands.h"
#include "TclShell.h"
#include "TclTexts.h"
#include "ToolMessages.h"

namespace hdpart {

namespace {

Tcl_Interp* g_interp = nullptr;
std::vector<std::string> g_matches;
std::size_t g_next = 0;

/// readline's generator: the next of g_matches, in memory readline frees.
char* NextMatch(const char*, int state) {
  if (state == 0) g_next = 0;
  if (g_next >= g_matches.size()) return nullptr;
  return strdup(g_matches[g_next++].c_str());
}

/// Adds `name` to `out` when it begins with `text` and is not there yet.
void Offer(const std::string& text, const std::string& name, std::vector<std::string>& out) {
  if (name.compare(0, text.size(), text) == 0 &&
      std::find(out.begin(), out.end(), name) == out.end()) {
    out.push_back(name);
  }
}

const HostTcl::CommandSpec* FindDeclared(const std::string& name) {
  for (const HostTcl::CommandSpec& declared : HostTcl::CommandTable()) {
    if (name == declared.name) return &declared;
  }
  return nullptr;
}

std::vector<std::string> CommandNames(const std::string& text) {
  std::vector<std::string> names;
  for (const HostTcl::CommandSpec& declared : HostTcl::CommandTable())
    Offer(text, declared.name, names);
  std::vector<std::string> known = EvalQuietly(g_interp, kCommandsScript);
  std::sort(known.begin(), known.end());
  for (const std::string& name : known) Offer(text, name, names);
  return names;
}

std::vector<std::string> OptionNames(const HostTcl::CommandSpec& declared,
                                     const std::string& text) {
  std::vector<std::string> names;
  for (const HostTcl::ArgSpec& arg : declared.args) {
    if (arg.kind == HostTcl::ArgKind::Flag || arg.kind == HostTcl::ArgKind::Option) {
      Offer(text, arg.name, names);
    }
  }
  Offer(text, kHelpOption, names);
  return names;
}

/// Whether the word after `words` is the first positional argument of
/// `declared`: every word before is an option or an option's value.
bool AtFirstPositional(const HostTcl::CommandSpec& declared,
                       const std::vector<std::string>& words) {
  for (std::size_t i = 0; i < words.size(); ++i) {
    const auto arg = std::find_if(declared.args.begin(), declared.args.end(),
                                  [&](const HostTcl::ArgSpec& a) { return words[i] == a.name; });
    if (arg == declared.args.end() || arg->kind == HostTcl::ArgKind::Required ||
        arg->kind == HostTcl::ArgKind::Optional || arg->kind == HostTcl::ArgKind::Rest) {
      return false;
    }
    if (arg->kind == HostTcl::ArgKind::Option) ++i;  // its value
  }
  return true;
}

bool TakesPropertyName(const std::string& command) {
  return std::any_of(std::begin(kPropertyCommands), std::end(kPropertyCommands),
                     [&](const char* name) { return command == name; });
}

std::vector<std::string> PropertyNames(const std::string& text) {
  std::vector<std::string> names;
  const std::vector<std::string> listed = EvalQuietly(g_interp, kPropertiesScript);
  if (listed.empty()) return names;  // no design is open
  for (const std::string& name : listed) Offer(text, name, names);
  for (const char* trait : kTraitNames) Offer(text, trait, names);
  return names;
}

bool StartsWith(const std::string& text, const char* prefix) {
  return text.compare(0, std::strlen(prefix), prefix) == 0;
}

/// The open design's partitions that begin with `text`: their handles, or
/// with `names` their hierarchical names (each once already: no search).
std::vector<std::string> Partitions(const std::string& text, bool names) {
  std::vector<std::string> offered;
  for (const std::string& handle : EvalQuietly(g_interp, kPartitionsScript)) {
    std::string word = names ? handle.substr(std::strlen(HostTcl::kHandlePrefix)) : handle;
    if (StartsWith(word, text.c_str())) offered.push_back(std::move(word));
  }
  return offered;
}

char** Complete(const char* word, int start, int) {
  const std::string text = word;
  const CompletionContext context = CompletionContextAt(rl_line_buffer, start);
  const HostTcl::CommandSpec* declared =
      context.commandWord ? nullptr : FindDeclared(context.command);
  if (context.commandWord) {
    g_matches = CommandNames(text);
  } else if (declared && text.compare(0, 1, "-") == 0) {
    g_matches = OptionNames(*declared, text);
  } else if (declared && TakesPropertyName(declared->name) &&
             AtFirstPositional(*declared, context.wordsBefore)) {
    g_matches = PropertyNames(text);
  } else if (StartsWith(text, HostTcl::kHandlePrefix)) {
    g_matches = Partitions(text, false);
  } else if (declared && std::strcmp(declared->name, kPartitionsCommand) == 0 &&
             StartsWith(text, "/")) {
    g_matches = Partitions(text, true);
  } else {
    return nullptr;  // a file name
  }
  rl_attempted_completion_over = 1;
  return rl_completion_matches(word, NextMatch);
}

}  // namespace

void InstallCompletion(Tcl_Interp* interp) {
  g_interp = interp;
  rl_attempted_completion_function = Complete;
  // Where a word starts: after blanks, and after the characters that open
  // or close a Tcl word or command.
  rl_completer_word_break_characters = " \t\n\"[]{};";
}

}  // namespace hdpart
