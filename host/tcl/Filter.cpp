// Matching of names and values, and the evaluation of a parsed -filter
// expression against one object (the parsing is in FilterParser.cpp).
#include "Filter.h"

#include <strings.h>

#include <cstring>

#include "Port/StringBase.h"
#include "TclTexts.h"

namespace HostTcl {

namespace {

/// Whether two texts are equal, ignoring case as Tcl's -nocase does
/// (beyond ASCII too).
bool EqualNocase(Tcl_Obj* value, Tcl_Obj* other, int otherChars) {
  int bytes = 0;
  const char* text = Tcl_GetStringFromObj(value, &bytes);
  return Tcl_NumUtfChars(text, bytes) == otherChars &&
         Tcl_UtfNcasecmp(text, Tcl_GetString(other), otherChars) == 0;
}

bool EqualExactly(Tcl_Obj* value, Tcl_Obj* other) {
  int bytes = 0;
  int otherBytes = 0;
  const char* text = Tcl_GetStringFromObj(value, &bytes);
  const char* otherText = Tcl_GetStringFromObj(other, &otherBytes);
  return bytes == otherBytes && std::memcmp(text, otherText, bytes) == 0;
}

}  // namespace

int TruthOf(const char* text) {
  for (const char* word : kFilterTrue) {
    if (strcasecmp(text, word) == 0) return 1;
  }
  for (const char* word : kFilterFalse) {
    if (strcasecmp(text, word) == 0) return 0;
  }
  return -1;
}

Tcl_RegExp CompiledPattern(Context& context, Tcl_Obj* pattern, const MatchMode& mode) {
  // The pattern is compiled as given (and kept with it), never pasted into
  // one of our own: text of it cannot close a group we opened, and its
  // embedded options and directors keep their meaning.
  const int flags = TCL_REG_ADVANCED | (mode.nocase ? TCL_REG_NOCASE : 0);
  return Tcl_GetRegExpFromObj(context.interp, pattern, flags);
}

bool Matches(Context& context, const char* text, Tcl_Obj* pattern, const MatchMode& mode,
             bool& error) {
  if (!mode.regexp) {
    return Tcl_StringCaseMatch(text, Tcl_GetString(pattern), mode.nocase ? TCL_MATCH_NOCASE : 0);
  }
  Tcl_RegExp re = CompiledPattern(context, pattern, mode);
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

void Filter::Fail(Context& context, int at, const std::string& why) const {
  context.Error(Fault::Value, kErrBadFilter, m_expression.c_str(), at, why.c_str());
}

void Filter::Locate(Context& context, int at) const {
  Tcl_Interp* interp = context.interp;
  // The -errorcode is read without TCL_ERROR, which would also start the
  // error's stack trace with the message about to be replaced; Tcl 8.6
  // answers it whenever one is set (the filter script checks it stays).
  const TclObjRef options(Tcl_GetReturnOptions(interp, TCL_OK));
  const TclObjRef key(Tcl_NewStringObj("-errorcode", -1));
  Tcl_Obj* found = nullptr;
  Tcl_DictObjGet(nullptr, options.get(), key.get(), &found);
  const TclObjRef code(found);
  // The message, without the "command: " the command's errors start with.
  std::string why = Tcl_GetStringResult(interp);
  const std::string head = std::string(context.name) + ": ";
  if (why.compare(0, head.size(), head) == 0) why.erase(0, head.size());
  Fail(context, at, why);
  if (code.get()) Tcl_SetObjErrorCode(interp, code.get());
}

bool Filter::Accepts(Context& context, const PropertyLookup& lookup, const MatchMode& mode,
                     bool& error) const {
  return m_root >= 0 && Evaluate(context, lookup, mode, m_root, error);
}

bool Filter::Evaluate(Context& context, const PropertyLookup& lookup, const MatchMode& mode,
                      int index, bool& error) const {
  const Node& node = m_nodes[index];
  switch (node.op) {
    case Op::Or:
      for (int operand : node.operands) {
        if (Evaluate(context, lookup, mode, operand, error)) return true;
        if (error) return false;
      }
      return false;
    case Op::And:
      for (int operand : node.operands) {
        if (!Evaluate(context, lookup, mode, operand, error)) return false;
      }
      return true;
    case Op::Not:
      return !Evaluate(context, lookup, mode, node.operands.front(), error) && !error;
    default:
      break;
  }
  Tcl_Obj* value = lookup(node.property);
  if (!value) {
    error = true;
    Locate(context, node.at);
    return false;
  }
  if (node.op != Op::Truth) return Compare(context, node, value, mode, error);
  const int truth = TruthOf(Tcl_GetString(value));
  if (truth < 0) {
    error = true;
    Fail(context, node.at,
         ombform(kFilterPropertyNotBoolean, node.property.c_str(), Tcl_GetString(value)));
    return false;
  }
  return truth == 1;
}

bool Filter::Compare(Context& context, const Node& node, Tcl_Obj* value, const MatchMode& mode,
                     bool& error) const {
  switch (node.op) {
    case Op::Equal:
    case Op::NotEqual: {
      const int truth = node.valueTruth < 0 ? -1 : TruthOf(Tcl_GetString(value));
      const bool equal = truth >= 0    ? truth == node.valueTruth
                         : mode.nocase ? EqualNocase(value, node.value.get(), node.valueChars)
                                       : EqualExactly(value, node.value.get());
      return equal == (node.op == Op::Equal);
    }
    case Op::Match:
    case Op::NoMatch: {
      const bool matched = Matches(context, Tcl_GetString(value), node.value.get(), mode, error);
      if (error) return Locate(context, node.valueAt), false;
      return matched == (node.op == Op::Match);
    }
    default:
      break;
  }
  // Whole numbers compare exactly; anything else, or a mix, as reals.
  int order;
  Tcl_WideInt wide = 0;
  double real = 0;
  if (node.valueWhole && Tcl_GetWideIntFromObj(nullptr, value, &wide) == TCL_OK) {
    order = wide < node.valueWide ? -1 : wide > node.valueWide ? 1 : 0;
  } else if (Tcl_GetDoubleFromObj(nullptr, value, &real) == TCL_OK) {
    order = real < node.valueReal ? -1 : real > node.valueReal ? 1 : 0;
  } else {
    error = true;
    Fail(context, node.at,
         ombform(kFilterPropertyNotNumber, node.property.c_str(), Tcl_GetString(value)));
    return false;
  }
  switch (node.op) {
    case Op::Less:
      return order < 0;
    case Op::LessEqual:
      return order <= 0;
    case Op::Greater:
      return order > 0;
    default:
      return order >= 0;
  }
}

}  // namespace HostTcl
