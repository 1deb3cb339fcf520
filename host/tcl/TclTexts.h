// Every fixed text of the Tcl command layer: errors, usage, report labels.
#pragma once

namespace HostTcl {

/// The package name ("package require hdpartition") and its version.
inline constexpr const char* kPackageName = "hdpartition";
inline constexpr const char* kPackageVersion = "1.0";
/// The name the layer's session reports under.
inline constexpr const char* kFrontEnd = "hdpartition";
/// An object handle: this prefix and the partition's hierarchical name.
inline constexpr const char* kHandlePrefix = "partition:";
/// A pin's handle: this prefix, its partition's hierarchical name, the
/// separator and the pin's name ("pin:/top/u1:data[3]").
inline constexpr const char* kPinPrefix = "pin:";
inline constexpr const char* kPinSeparator = ":";

inline constexpr const char* kErrNoLibrary = "hdpartition: the partition library cannot be loaded";

/// The namespace the commands live in, and the pattern that imports them.
inline constexpr const char* kNamespace = "::hdpartition";
inline constexpr const char* kNamespaceCommands = "::hdpartition::*";

/// -errorcode: this head, then the kind (in the order of Fault).
inline constexpr const char* kErrorCodeHead = "HDPARTITION";
inline constexpr const char* kFaultNames[] = {"USAGE", "NODESIGN", "HANDLE", "PROPERTY",
                                              "VALUE", "IO",       "LIBRARY"};

// ---- arguments ----
inline constexpr const char* kHelpOption = "-help";
inline constexpr const char* kEndOfOptions = "--";
inline constexpr const char* kErrOptionValue = "option \"%s\" needs a value %s";
inline constexpr const char* kErrOptionTwice = "option \"%s\" given twice";
inline constexpr const char* kErrNotWhole = "option \"%s\" needs a whole number >= 0, not \"%s\"";

// ---- where a report goes ----
inline constexpr const char* kOptionFile = "-file";
inline constexpr const char* kOptionAppend = "-append";
inline constexpr const char* kOptionReturnString = "-return_string";
inline constexpr const char* kErrAppendAlone = "option \"-append\" needs \"-file\"";
inline constexpr const char* kErrFileAndString =
    "options \"-file\" and \"-return_string\" exclude each other";
inline constexpr const char* kErrReportFile = "couldn't write \"%s\": %s";

// ---- objects and design ----
inline constexpr const char* kErrNoDesign =
    "no design is open; use read_xpartition or open_project first";
inline constexpr const char* kErrUnknownObject = "unknown object \"%s\"";
inline constexpr const char* kErrNoSuchPartition =
    "unknown object \"%s\": the open design has no partition of that name";
inline constexpr const char* kErrNameNotHandle =
    "unknown object \"%s\": the partition's handle is %s%s, as [get_partitions %s] answers";
inline constexpr const char* kErrNoSuchPin =
    "unknown object \"%s\": the open design has no such partition pin";
inline constexpr const char* kErrNoSaveFile = "no project file to save to; give FILE";
inline constexpr const char* kErrFailed = "failed";
inline constexpr const char* kErrNotPrinted = "error writing \"stdout\": %s";

// ---- properties ----
inline constexpr const char* kErrUnknownProperty =
    "unknown property \"%s\" of %s; see list_property";
inline constexpr const char* kErrUnknownPropertyNear =
    "unknown property \"%s\" of %s; did you mean \"%s\"? see list_property";
inline constexpr const char* kErrNoValue = "property \"%s\" of %s has no value";
inline constexpr const char* kErrNotSet = "could not set %s of %s";
inline constexpr const char* kErrIllegalValue =
    "illegal value \"%s\" of property \"%s\"; legal values: %s";
inline constexpr const char* kInherit = "inherit";
inline constexpr const char* kErrRootInherits =
    "the root partition cannot inherit %s: it has no parent";
inline constexpr const char* kBooleanValues = "a boolean (true false 1 0 yes no on off)";
inline constexpr const char* kErrNotReconfigurable =
    "%s is not reconfigurable: it has no reconfigurable module to name";
inline constexpr const char* kErrReadOnly = "property \"%s\" of %s cannot be set";
inline constexpr const char* kSettable[] = {"no", "yes"};
inline constexpr const char* kErrNoHelpers = "the Tcl helper library cannot be loaded";
inline constexpr const char* kPropertyRow = "%-37s %-11s %-8s %s\n";
inline constexpr const char* kPropertyHeader[] = {"Property", "Type", "Settable", "Value"};

// ---- finding ----
inline constexpr const char* kWarnNoMatch = "%s: no %s matched \"%s\"\n";
inline constexpr const char* kWarnPinNameNotFullName =
    "%s: no pin matched \"%s\": a pattern matches a pin's full name (PARTITION:PIN), as "
    "\"*:%s\" does, or its name with -of_objects\n";
inline constexpr const char* kPartitionsNoun = "partition";
inline constexpr const char* kPinsNoun = "pin";
/// What refuses the object, the kind it takes, the handle.
inline constexpr const char* kErrWrongKind = "%s takes %ss, not \"%s\"";
inline constexpr const char* kErrOfObjectsAndPatterns =
    "-of_objects and PATTERN exclude each other";
/// -filter expressions: the joins, "not", and the comparisons in the order
/// of Filter's operators.
inline constexpr const char* kFilterAnd = "&&";
inline constexpr const char* kFilterOr = "||";
inline constexpr char kFilterNot = '!';
inline constexpr const char* kFilterOperators[] = {"==", "!=", "=~", "!~", "<", "<=", ">", ">="};
/// The characters an operator is spelt with, and those that end a bare
/// property name.
inline constexpr const char* kFilterOperatorCharacters = "=!~<>";
inline constexpr const char* kFilterNameStops = "=!~<>&|()";
/// The booleans a property alone, or == and != between booleans, accept.
inline constexpr const char* kFilterTrue[] = {"1", "true", "yes", "on"};
inline constexpr const char* kFilterFalse[] = {"0", "false", "no", "off"};
/// Groups and !-chains deeper than this are refused, before they could
/// exhaust the stack.
inline constexpr int kFilterMaxDepth = 100;
inline constexpr const char* kErrBadFilter = "bad -filter expression \"%s\": at %d: %s";
inline constexpr const char* kFilterEmpty = "the expression is empty";
inline constexpr const char* kFilterTheEnd = "the end";
inline constexpr const char* kFilterQuoted = "\"%s\"";
inline constexpr const char* kFilterNoName = "expected a property name, found %s";
inline constexpr const char* kFilterNoOperator = "expected an operator after \"%s\", found %s";
inline constexpr const char* kFilterBadOperator =
    "\"%s\" is no operator (==, !=, =~, !~, <, <=, >, >=)";
inline constexpr const char* kFilterNoValue = "expected a value after %s, found %s";
inline constexpr const char* kFilterParenValue =
    "a value starting with \"(\" must be quoted: {(...)} or \"(...)\"";
inline constexpr const char* kFilterNoJoin = "expected &&, || or the end, found %s";
inline constexpr const char* kFilterNoJoinInGroup = "expected &&, || or \")\", found %s";
inline constexpr const char* kFilterOpenParen = "the parenthesis is not closed";
inline constexpr const char* kFilterOpenQuote = "the quote is not closed";
inline constexpr const char* kFilterNotComparison =
    "\"!\" negates a property alone or a group in parentheses; write !(%s)";
inline constexpr const char* kFilterTooDeep = "groups and \"!\" nested deeper than %d";
inline constexpr const char* kFilterNotNumber = "\"%s\" is not a number";
inline constexpr const char* kFilterPropertyNotNumber = "property \"%s\" is \"%s\", not a number";
inline constexpr const char* kFilterPropertyNotBoolean = "property \"%s\" is \"%s\", not a boolean";

// ---- help ----
inline constexpr const char* kHelpRow = "  %-18s %s\n";
inline constexpr const char* kErrNoCommand = "no command matches \"%s\"";
inline constexpr const char* kErrNoCommandNear = "no command matches \"%s\"; did you mean %s?";

}  // namespace HostTcl
