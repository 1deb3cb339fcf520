// What the interactive shell works out from words alone, with no
// interpreter: the known names nearest a mistyped command name, how they are
// offered ("a, b or c"), and where in a line being typed the word to complete
// stands (the command it belongs to and the words before it).
//
//   NearestNames("report_hierachy", names)  -> {"report_hierarchy"}
//   CompletionContextAt("get_partitions -fil", 15)
//     -> {command "get_partitions", words before {}, not the command word}
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace hdpart {

/// How far a name may be from `name` and still be offered for it: a third
/// of its length, at least one and at most two steps.
std::size_t SuggestionReach(const std::string& name);

/// The names of `known` nearest `name`, sorted and without repeats: those at
/// the smallest edit distance (HostSession::EditDistance), when it is within SuggestionReach; none otherwise,
/// nor when `name` is known itself.
std::vector<std::string> NearestNames(const std::string& name,
                                      const std::vector<std::string>& known);

/// "a", "a or b", "a, b or c".
std::string JoinAlternatives(const std::vector<std::string>& names);

/// Where the word being completed stands in its command.
struct CompletionContext {
  /// The word is the command's name (the first word of the line, or after
  /// "[" or ";").
  bool commandWord = true;
  /// The command's name, when the word is not it.
  std::string command;
  /// The command's words between its name and the word being completed,
  /// bracketed and braced words each one word.
  std::vector<std::string> wordsBefore;
};

/// The context of the word that starts at `start` in `line`.
CompletionContext CompletionContextAt(const std::string& line, std::size_t start);

}  // namespace hdpart
