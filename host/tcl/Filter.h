// The -filter expressions of get_partitions: terms joined by && and ||
// (&& binds closer; no parentheses), each
//
//   PROPERTY OP VALUE     OP: == != (equal), =~ !~ (glob, or regexp with -regexp)
//   PROPERTY / !PROPERTY  a boolean property true / false
//
// VALUE is a word, or quoted with "..." or {...}. Matching follows the
// command's -nocase and -regexp.
#pragma once

#include <string>
#include <vector>

#include "ShellState.h"

namespace HostTcl {

struct MatchMode {
  bool regexp = false;
  bool nocase = false;
};

/// Whether `text` matches `pattern` (glob, or a regexp matching the whole
/// text); false with `error` and the command's error set for a bad regexp.
bool Matches(Context& context, const char* text, const char* pattern, const MatchMode& mode,
             bool& error);

class Filter {
 public:
  /// Parses `expression`; false (error set) when it is malformed.
  bool Parse(Context& context, const std::string& expression);
  /// Whether `partition` passes; false with `error` set when a property is
  /// unknown (the error is the command's).
  bool Accepts(Context& context, ZavU::IPartition& partition, const MatchMode& mode,
               bool& error) const;

 private:
  struct Term {
    std::string property;
    std::string op;  // empty: a boolean property
    std::string value;
    bool negated = false;
  };
  bool Holds(Context& context, ZavU::IPartition& partition, const Term& term, const MatchMode& mode,
             bool& error) const;
  std::vector<std::vector<Term>> m_anyOf;  // || of && groups
};

}  // namespace HostTcl
