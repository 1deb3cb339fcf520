// A human-readable listing of the items of a MemoryStream, one a line, the
// kind first and then the value:
//
//   string "2"
//   xuid {5d0ffae9-0919-45e9-9f89-3775737fbc86}
//   int 3
//   time 1700000000
//   bool true
//   filename "/work/top.qnl"
//
// Strings are quoted; a quote, a backslash and every byte outside printable
// ASCII are escaped (\" \\ \xNN), so each item stays on its line.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "MemoryStream.h"
#include "Port/HostApi.h"

namespace HostPersist {

/// One item as a listing gives it.
struct HOST_API ListedItem {
  ItemKind kind;
  /// Numbers and booleans as the listing writes them, strings and file
  /// names as they are (not quoted), identities braced.
  std::string value;
};

/// The kind's name in listings ("string", "xuid", ...).
HOST_API const char* ItemKindName(ItemKind kind);
/// Whether the kind's value is text (a string, a file name, an identity).
HOST_API bool IsTextItem(ItemKind kind);

/// Reads every item from the stream's read position to its end. False, with
/// `problem` naming the byte offset, on a byte that starts no item or an
/// item that cannot be read.
HOST_API bool ReadItems(MemoryStream& stream, std::vector<ListedItem>& out, std::string& problem);
/// Lists them, one a line.
HOST_API bool ListItems(MemoryStream& stream, std::ostream& out, std::string& problem);

/// The text form of an identity: {xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx}.
HOST_API std::string XuidText(const Port::XUID& xuid);
/// A string quoted and escaped as the listing shows it.
HOST_API std::string QuotedText(const Port::StringBase& text);

}  // namespace HostPersist
