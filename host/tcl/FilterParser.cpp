// Parsing of a -filter expression into Filter's tree: a recursive descent
// with one function for each level of the grammar in Filter.h. Positions
// are kept in bytes while parsing and told in characters.
#include <cctype>
#include <cstring>
#include <iterator>

#include "Filter.h"
#include "Port/StringBase.h"
#include "TclTexts.h"

namespace HostTcl {

class Filter::Parser {
 public:
  Parser(Context& context, Filter& filter, const MatchMode& mode)
      : m_context(context), m_filter(filter), m_text(filter.m_expression), m_mode(mode) {}

  bool Run() {
    SkipBlanks();
    if (AtEnd()) return Fail(0, kFilterEmpty);
    int root = -1;
    if (!Or(0, root)) return false;
    if (!AtEnd()) return Fail(m_at, ombform(kFilterNoJoin, Found().c_str()));
    m_filter.m_root = root;
    return true;
  }

 private:
  static_assert(std::size(kFilterOperators) == static_cast<std::size_t>(Op::Truth),
                "one spelling for each comparison");
  using Level = bool (Parser::*)(int depth, int& out);

  bool Or(int depth, int& out) { return Joined(depth, kFilterOr, Op::Or, &Parser::And, out); }
  bool And(int depth, int& out) { return Joined(depth, kFilterAnd, Op::And, &Parser::Unary, out); }

  /// operand { join operand }: one node for the whole chain, so a long
  /// chain does not make a deep tree.
  bool Joined(int depth, const char* join, Op op, Level operand, int& out) {
    if (!(this->*operand)(depth, out)) return false;
    if (!Take(join)) return true;
    Node joined(op);
    joined.operands.push_back(out);
    do {
      if (!(this->*operand)(depth, out)) return false;
      joined.operands.push_back(out);
    } while (Take(join));
    out = Add(std::move(joined));
    return true;
  }

  bool Unary(int depth, int& out) {
    SkipBlanks();
    if (depth > kFilterMaxDepth) return Fail(m_at, ombform(kFilterTooDeep, kFilterMaxDepth));
    if (AtNot()) {
      const std::size_t bang = m_at++;
      SkipBlanks();
      const std::size_t start = m_at;
      const bool grouped = AtNot() || Peek('(');
      int operand = -1;
      if (!Unary(depth + 1, operand)) return false;
      if (!grouped && m_filter.m_nodes[operand].op != Op::Truth) {
        const std::string comparison = m_text.substr(start, m_at - start);
        return Fail(bang, ombform(kFilterNotComparison, comparison.c_str()));
      }
      Node negated(Op::Not);
      negated.operands.push_back(operand);
      out = Add(std::move(negated));
      return true;
    }
    if (Peek('(')) {
      const std::size_t open = m_at++;
      if (!Or(depth + 1, out)) return false;
      SkipBlanks();
      if (AtEnd()) return Fail(open, kFilterOpenParen);
      if (!Peek(')')) return Fail(m_at, ombform(kFilterNoJoinInGroup, Found().c_str()));
      ++m_at;
      return true;
    }
    return Term(out);
  }

  /// PROPERTY [OP VALUE]
  bool Term(int& out) {
    Node node(Op::Truth);
    node.at = Chars(m_at);
    if (AtQuote()) {
      if (!Quoted(node.property)) return false;
    } else if (!Bare(node.property, true)) {
      return Fail(m_at, ombform(kFilterNoName, Found().c_str()));
    }
    SkipBlanks();
    if (AtOperator()) {
      const std::size_t at = m_at;
      while (AtOperator()) ++m_at;
      const std::string spelt = m_text.substr(at, m_at - at);
      std::size_t op = 0;
      while (op < std::size(kFilterOperators) && spelt != kFilterOperators[op]) ++op;
      if (op == std::size(kFilterOperators)) {
        return Fail(at, ombform(kFilterBadOperator, spelt.c_str()));
      }
      node.op = static_cast<Op>(op);
      if (!Value(node, spelt)) return false;
    } else if (!AtEnd() && !At(kFilterAnd) && !At(kFilterOr) && !Peek(')')) {
      return Fail(m_at, ombform(kFilterNoOperator, node.property.c_str(), Found().c_str()));
    }
    out = Add(std::move(node));
    return true;
  }

  bool Value(Node& node, const std::string& spelt) {
    SkipBlanks();
    const std::size_t at = m_at;
    node.valueAt = Chars(at);
    std::string text;
    if (AtQuote()) {
      if (!Quoted(text)) return false;
    } else if (Peek('(')) {
      return Fail(at, kFilterParenValue);
    } else if (!Bare(text, false)) {
      return Fail(at, ombform(kFilterNoValue, spelt.c_str(), Found().c_str()));
    }
    const int bytes = static_cast<int>(text.size());
    node.value = TclObjRef(Tcl_NewStringObj(text.data(), bytes));
    node.valueChars = Tcl_NumUtfChars(text.data(), bytes);
    node.valueTruth = TruthOf(text.c_str());
    const bool matching = node.op == Op::Match || node.op == Op::NoMatch;
    if (matching && m_mode.regexp && !CompiledPattern(m_context, node.value.get(), m_mode)) {
      return Fail(at, Tcl_GetStringResult(m_context.interp));
    }
    if (static_cast<int>(node.op) >= static_cast<int>(Op::Less)) {
      node.valueWhole = Tcl_GetWideIntFromObj(nullptr, node.value.get(), &node.valueWide) == TCL_OK;
      if (Tcl_GetDoubleFromObj(nullptr, node.value.get(), &node.valueReal) != TCL_OK) {
        return Fail(at, ombform(kFilterNotNumber, text.c_str()));
      }
    }
    return true;
  }

  /// A word in "..." or in {...} (where braces nest).
  bool Quoted(std::string& out) {
    const std::size_t open = m_at;
    std::size_t close = std::string::npos;
    if (m_text[open] == '"') {
      close = m_text.find('"', open + 1);
    } else {
      int depth = 0;
      for (std::size_t i = open; i < m_text.size() && close == std::string::npos; ++i) {
        if (m_text[i] == '{') ++depth;
        if (m_text[i] == '}' && --depth == 0) close = i;
      }
    }
    if (close == std::string::npos) return Fail(open, kFilterOpenQuote);
    out = m_text.substr(open + 1, close - open - 1);
    m_at = close + 1;
    return true;
  }

  /// A bare word: a property name runs to a blank or a character of an
  /// operator, a join or a group; a value only to a blank, "&&", "||" or
  /// ")", so that it may hold "=" and "!".
  bool Bare(std::string& out, bool name) {
    const std::size_t start = m_at;
    while (!AtEnd(false) && !std::isspace(Byte()) && !At(kFilterAnd) && !At(kFilterOr) &&
           !Peek(')') && !(name && std::strchr(kFilterNameStops, m_text[m_at]))) {
      ++m_at;
    }
    out = m_text.substr(start, m_at - start);
    return !out.empty();
  }

  /// What stands at the current place (blanks skipped), for an error: a
  /// join, a parenthesis, an operator, a bare word, or the end. Reads ahead
  /// and comes back, so that the place stays where the error points.
  std::string Found() {
    if (AtEnd(false)) return kFilterTheEnd;
    const std::size_t start = m_at;
    if (At(kFilterAnd) || At(kFilterOr)) {
      m_at += 2;
    } else if (Peek('(') || Peek(')')) {
      ++m_at;
    } else if (AtOperator()) {
      while (AtOperator()) ++m_at;
    } else {
      while (!AtEnd(false) && !std::isspace(Byte()) && !At(kFilterAnd) && !At(kFilterOr) &&
             !Peek('(') && !Peek(')')) {
        ++m_at;
      }
    }
    const std::string found = m_text.substr(start, m_at - start);
    m_at = start;
    return ombform(kFilterQuoted, found.c_str());
  }

  bool AtEnd(bool skipBlanks = true) {
    if (skipBlanks) SkipBlanks();
    return m_at >= m_text.size();
  }
  unsigned char Byte() const { return static_cast<unsigned char>(m_text[m_at]); }
  bool Peek(char c) const { return m_at < m_text.size() && m_text[m_at] == c; }
  bool At(const char* symbol) const { return m_text.compare(m_at, 2, symbol) == 0; }
  bool AtQuote() const { return Peek('"') || Peek('{'); }
  bool AtOperator() const {
    return m_at < m_text.size() && m_text[m_at] != '\0' &&
           std::strchr(kFilterOperatorCharacters, m_text[m_at]);
  }
  /// A "!" that negates, not the start of != or !~.
  bool AtNot() const {
    return Peek(kFilterNot) &&
           (m_at + 1 >= m_text.size() || (m_text[m_at + 1] != '=' && m_text[m_at + 1] != '~'));
  }
  bool Take(const char* symbol) {
    SkipBlanks();
    if (!At(symbol)) return false;
    m_at += 2;
    return true;
  }
  void SkipBlanks() {
    while (m_at < m_text.size() && std::isspace(Byte())) ++m_at;
  }
  int Chars(std::size_t bytes) const {
    return Tcl_NumUtfChars(m_text.data(), static_cast<int>(bytes));
  }
  int Add(Node&& node) {
    m_filter.m_nodes.push_back(std::move(node));
    return static_cast<int>(m_filter.m_nodes.size()) - 1;
  }
  bool Fail(std::size_t at, const std::string& why) {
    m_filter.Fail(m_context, Chars(at), why);
    return false;
  }

  Context& m_context;
  Filter& m_filter;
  const std::string& m_text;
  const MatchMode& m_mode;
  std::size_t m_at = 0;
};

bool Filter::Parse(Context& context, const std::string& expression, const MatchMode& mode) {
  m_expression = expression;
  m_nodes.clear();
  m_root = -1;
  return Parser(context, *this, mode).Run();
}

}  // namespace HostTcl
