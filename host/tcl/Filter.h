// The -filter expressions: which objects a finding command keeps, judged by
// their property values.
//
//   expression = or
//   or         = and { "||" and }
//   and        = unary { "&&" unary }
//   unary      = "!" unary | "(" or ")" | PROPERTY [ OP VALUE ]
//   OP         = "==" | "!=" | "=~" | "!~" | "<" | "<=" | ">" | ">="
//
// "!" binds closest, then the comparisons, then "&&", then "||". A PROPERTY
// alone holds when its value is a true boolean. "!P == V" is refused: by
// the precedence it would compare a negated property with V, which nobody
// means, and taking it for "!(P == V)" would break the precedence; the
// error shows the parenthesized form.
//
// PROPERTY and VALUE are bare words or quoted with "..." or {...} (braces
// nest); a bare VALUE runs to a blank, "&&", "||" or ")", so it may hold "="
// ("name == a=b"). An operator is the whole run of = ! ~ < > characters.
//
// == and != compare as booleans when both sides are booleans (1 true yes on,
// 0 false no off, in any letter case), else as strings (-nocase: ignoring
// case); =~ and !~ match the value as a glob pattern, or with -regexp as a
// regular expression spanning the whole property value; < <= > >= compare
// numbers as Tcl reads them, and refuse anything else.
//
// An expression is parsed whole, and so fully checked, before any object is
// filtered; evaluating short-circuits as Tcl's && and || do, so a property
// on the side not needed is never read. Errors name the character where the
// fault lies, counted from 0 as `string index` counts.
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

/// `pattern` compiled as a regexp of `mode` (kept with the object), or null
/// with the interpreter's result saying why.
Tcl_RegExp CompiledPattern(Context& context, Tcl_Obj* pattern, const MatchMode& mode);

/// The value of property `name` of the object a filter is applied to; null
/// with the command's error set when the object has no such property.
using PropertyLookup = std::function<Tcl_Obj*(const std::string& name)>;

class Filter {
 public:
  /// Parses `expression`; false (error set) when it is malformed. With a
  /// -regexp `mode`, the values of =~ and !~ are compiled here too, so that
  /// a bad one is refused before any object is filtered.
  bool Parse(Context& context, const std::string& expression, const MatchMode& mode = {});
  /// Whether the object whose properties `lookup` reads passes; false with
  /// `error` set when a property is unknown or its value does not fit the
  /// test (the error is the command's).
  bool Accepts(Context& context, const PropertyLookup& lookup, const MatchMode& mode,
               bool& error) const;

 private:
  class Parser;

  /// What a node does; the comparisons in the order of kFilterOperators.
  enum class Op {
    Equal,
    NotEqual,
    Match,
    NoMatch,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    Truth,
    Not,
    And,
    Or
  };

  /// One node of the parsed expression. The whole tree lives in m_nodes,
  /// each node naming its operands by index, so evaluating allocates nothing.
  struct Node {
    explicit Node(Op kind) : op(kind) {}
    Op op;
    std::vector<int> operands;  // Not: one; And, Or: two or more
    std::string property;       // Truth and the comparisons
    TclObjRef value;            // the comparisons: VALUE, kept as a pattern for =~ !~
    int valueChars = 0;         // VALUE's length in characters
    int valueTruth = -1;        // VALUE as a boolean: 1, 0, or -1 when it is none
    bool valueWhole = false;    // VALUE is a whole number (valueWide), not only a real
    Tcl_WideInt valueWide = 0;
    double valueReal = 0;
    int at = 0;       // where PROPERTY starts (characters)
    int valueAt = 0;  // where VALUE starts (characters)
  };

  bool Evaluate(Context& context, const PropertyLookup& lookup, const MatchMode& mode, int index,
                bool& error) const;
  bool Compare(Context& context, const Node& node, Tcl_Obj* value, const MatchMode& mode,
               bool& error) const;
  /// Sets the error "bad -filter expression ...: at `at`: ..." (kind Value).
  void Fail(Context& context, int at, const std::string& why) const;
  /// Puts the position in front of the error a lookup or a regexp set,
  /// keeping its -errorcode.
  void Locate(Context& context, int at) const;

  std::string m_expression;
  std::vector<Node> m_nodes;
  int m_root = -1;
};

/// 1 or 0 when `text` is a boolean (1 true yes on / 0 false no off, in any
/// letter case), else -1.
int TruthOf(const char* text);

}  // namespace HostTcl
