// Matching of names and values, and the -filter expressions.
#include "Filter.h"

#include <strings.h>

#include <cctype>
#include <cstring>

#include "Port/StringBase.h"
#include "TclTexts.h"

namespace HostTcl {

namespace {

constexpr const char* kSymbols[] = {kFilterAnd,      kFilterOr,    kFilterEqual,
                                    kFilterNotEqual, kFilterMatch, kFilterNoMatch};

bool Is(const std::string& symbol, const char* text) { return symbol == text; }

/// Reads words and operators from an expression.
class Lexer {
 public:
  explicit Lexer(const std::string& text) : m_text(text) {}
  bool AtEnd() {
    SkipBlanks();
    return m_at >= m_text.size();
  }
  /// "&&", "||" or an operator when one stands next; else empty.
  std::string Symbol() {
    SkipBlanks();
    for (const char* symbol : kSymbols) {
      if (m_text.compare(m_at, 2, symbol) == 0) {
        m_at += 2;
        return symbol;
      }
    }
    return std::string();
  }
  /// A property name: a bare word (up to a blank or operator character),
  /// or a quoted one.
  bool Word(std::string& out) { return AtQuote() ? Quoted(out) : Bare(out, "=!&|"); }
  /// A value: a quoted word, or a bare one up to a blank, "&&" or "||", so
  /// that it may hold "=" and "!" ("a=b").
  bool Value(std::string& out) { return AtQuote() ? Quoted(out) : Bare(out, nullptr); }
  bool Bang() {
    SkipBlanks();
    if (m_at < m_text.size() && m_text[m_at] == '!' &&
        m_text.compare(m_at, 2, kFilterNotEqual) != 0 &&
        m_text.compare(m_at, 2, kFilterNoMatch) != 0) {
      ++m_at;
      return true;
    }
    return false;
  }

 private:
  bool AtQuote() {
    SkipBlanks();
    return m_at < m_text.size() && (m_text[m_at] == '"' || m_text[m_at] == '{');
  }
  /// A word in "..." or {...}; false when it is not closed.
  bool Quoted(std::string& out) {
    out.clear();
    const char close = m_text[m_at] == '"' ? '"' : '}';
    const std::size_t end = m_text.find(close, m_at + 1);
    if (end == std::string::npos) return false;
    out = m_text.substr(m_at + 1, end - m_at - 1);
    m_at = end + 1;
    return true;
  }
  /// Characters up to a blank, one of `stops`, or (without stops) "&&"/"||".
  bool Bare(std::string& out, const char* stops) {
    out.clear();
    while (m_at < m_text.size() && !std::isspace(static_cast<unsigned char>(m_text[m_at]))) {
      if (stops ? std::strchr(stops, m_text[m_at]) != nullptr
                : m_text.compare(m_at, 2, kFilterAnd) == 0 ||
                      m_text.compare(m_at, 2, kFilterOr) == 0) {
        break;
      }
      out += m_text[m_at++];
    }
    return !out.empty();
  }
  void SkipBlanks() {
    while (m_at < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_at]))) ++m_at;
  }
  const std::string& m_text;
  std::size_t m_at = 0;
};

}  // namespace

bool Matches(Context& context, const char* text, Tcl_Obj* pattern, const MatchMode& mode,
             bool& error) {
  if (!mode.regexp) {
    return Tcl_StringCaseMatch(text, Tcl_GetString(pattern), mode.nocase ? TCL_MATCH_NOCASE : 0);
  }
  // The pattern is compiled as given (and kept with it), never pasted into
  // one of our own: text of it cannot close a group we opened, and its
  // embedded options and directors keep their meaning.
  const int flags = TCL_REG_ADVANCED | (mode.nocase ? TCL_REG_NOCASE : 0);
  Tcl_RegExp re = Tcl_GetRegExpFromObj(context.interp, pattern, flags);
  const int matched = re ? Tcl_RegExpExec(context.interp, re, text, text) : -1;
  if (matched < 0) {
    error = true;
    const std::string why = Tcl_GetStringResult(context.interp);
    context.Error(Fault::Value, "%s", why.c_str());
    return false;
  }
  if (matched == 0) return false;
  const char* start = nullptr;
  const char* end = nullptr;
  Tcl_RegExpRange(re, 0, &start, &end);
  return start == text && end == text + std::strlen(text);
}

bool Filter::Parse(Context& context, const std::string& expression) {
  Lexer lexer(expression);
  m_anyOf.assign(1, {});
  while (true) {
    Term term;
    term.negated = lexer.Bang();
    if (!lexer.Word(term.property)) {
      return context.Error(Fault::Value, kErrBadFilter, expression.c_str(), kFilterNoName), false;
    }
    std::string symbol = lexer.Symbol();
    if (!symbol.empty() && !Is(symbol, kFilterAnd) && !Is(symbol, kFilterOr)) {
      term.op = symbol;
      if (!lexer.Value(term.value)) {
        const std::string why = ombform(kFilterNoValue, symbol.c_str());
        return context.Error(Fault::Value, kErrBadFilter, expression.c_str(), why.c_str()), false;
      }
      term.pattern =
          TclObjRef(Tcl_NewStringObj(term.value.data(), static_cast<int>(term.value.size())));
      symbol = lexer.Symbol();
    }
    m_anyOf.back().push_back(term);
    if (Is(symbol, kFilterOr)) m_anyOf.emplace_back();
    if (symbol.empty()) {
      if (lexer.AtEnd()) return true;
      std::string stray;
      lexer.Word(stray);
      const std::string why = ombform(kFilterBadOperator, stray.c_str());
      return context.Error(Fault::Value, kErrBadFilter, expression.c_str(), why.c_str()), false;
    }
  }
}

bool Filter::Holds(Context& context, const PropertyLookup& lookup, const Term& term,
                   const MatchMode& mode, bool& error) const {
  Tcl_Obj* value = lookup(term.property);
  if (!value) {
    error = true;
    return false;
  }
  if (term.op.empty()) {
    int truth = 0;
    if (Tcl_GetBooleanFromObj(nullptr, value, &truth) != TCL_OK) truth = 0;
    return term.negated ? !truth : truth;
  }
  const char* text = Tcl_GetString(value);
  bool result;
  if (Is(term.op, kFilterEqual) || Is(term.op, kFilterNotEqual)) {
    const bool equal = mode.nocase ? strcasecmp(text, term.value.c_str()) == 0 : term.value == text;
    result = Is(term.op, kFilterEqual) ? equal : !equal;
  } else {
    const bool matched = Matches(context, text, term.pattern.get(), mode, error);
    result = Is(term.op, kFilterMatch) ? matched : !matched;
  }
  return term.negated ? !result : result;
}

bool Filter::Accepts(Context& context, const PropertyLookup& lookup, const MatchMode& mode,
                     bool& error) const {
  for (const std::vector<Term>& group : m_anyOf) {
    bool all = true;
    for (const Term& term : group) {
      all = Holds(context, lookup, term, mode, error);
      if (error) return false;
      if (!all) break;
    }
    if (all) return true;
  }
  return false;
}

}  // namespace HostTcl
