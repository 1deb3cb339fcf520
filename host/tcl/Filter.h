// The -filter expressions of get_partitions: terms joined by && and ||
// (&& binds closer; no parentheses), each
//
//   PROPERTY OP VALUE     OP: == != (equal), =~ !~ (glob, or regexp with -regexp)
//   PROPERTY / !PROPERTY  a boolean property true / false
//
// VALUE is a word, or quoted with "..." or {...}. Matching follows the
// command's -nocase and -regexp.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ShellState.h"

namespace HostTcl {

/// A Tcl object held with a reference.
class TclObjRef {
 public:
  TclObjRef() = default;
  explicit TclObjRef(Tcl_Obj* obj) : m_obj(obj) {
    if (m_obj) Tcl_IncrRefCount(m_obj);
  }
  TclObjRef(const TclObjRef& other) : TclObjRef(other.m_obj) {}
  TclObjRef& operator=(TclObjRef other) {
    std::swap(m_obj, other.m_obj);
    return *this;
  }
  ~TclObjRef() {
    if (m_obj) Tcl_DecrRefCount(m_obj);
  }
  Tcl_Obj* get() const { return m_obj; }

 private:
  Tcl_Obj* m_obj = nullptr;
};

struct MatchMode {
  bool regexp = false;
  bool nocase = false;
};

/// Whether `text` matches `pattern`: a glob pattern, or with -regexp a
/// regular expression of Tcl's regexp (its embedded options and directors
/// included) whose match spans the whole text. False with `error` and the
/// command's error set for a bad regexp.
bool Matches(Context& context, const char* text, Tcl_Obj* pattern, const MatchMode& mode,
             bool& error);

/// The value of property `name` of the object a filter is applied to; null
/// with the command's error set when the object has no such property.
using PropertyLookup = std::function<Tcl_Obj*(const std::string& name)>;

class Filter {
 public:
  /// Parses `expression`; false (error set) when it is malformed.
  bool Parse(Context& context, const std::string& expression);
  /// Whether the object whose properties `lookup` reads passes; false with
  /// `error` set when a property is unknown (the error is the command's).
  bool Accepts(Context& context, const PropertyLookup& lookup, const MatchMode& mode,
               bool& error) const;

 private:
  struct Term {
    std::string property;
    std::string op;  // empty: a boolean property
    std::string value;
    /// The value as a pattern, compiled once when it is a regexp.
    TclObjRef pattern;
    bool negated = false;
  };
  bool Holds(Context& context, const PropertyLookup& lookup, const Term& term,
             const MatchMode& mode, bool& error) const;
  std::vector<std::vector<Term>> m_anyOf;  // || of && groups
};

}  // namespace HostTcl
