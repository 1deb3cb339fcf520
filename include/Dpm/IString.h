// Strings and string lists handed out by a partition: its IP file names,
// trait names and trait values. The caller owns a list it receives.
//
// The partition library implements them; a host only receives them. A list
// is a copy made when it is handed out. The caller destroys it with `delete`
// while its partition lives: a list still alive when its partition is
// destroyed is reclaimed then, and deleting it afterwards frees it twice.
// A list and its items answer no lookup of their own: asked for any
// interface, they answer their partition's, so a reference taken or dropped
// on them counts on the partition. Never Release a list nor keep it in a
// reference holder. Nothing here throws.
//
//   std::unique_ptr<Dpm::IStringIterator> names(partition->GetTraitNames());
//   for (names->First(); !names->IsDone(); names->Next()) { ... }
#pragma once

#include "CitI/IInterface.h"
#include "Port/StringBase.h"

namespace Dpm {

class IString : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_IString)
  /// Changes the list's copy only.
  virtual CitI::Status SetText(const Port::StringBase& text) = 0;  // slot 2
  virtual CitI::Status GetText(Port::StringBase& out) = 0;         // slot 3
};

class IStringIterator : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_IStringIterator)
  /// Slot 2: the item at the cursor, without a reference; it lives as long
  /// as its list. Null past the end.
  virtual IString* CurrentItem() = 0;
  virtual CitI::Status First() = 0;  // slot 3
  virtual CitI::Status Next() = 0;   // slot 4
  virtual bool IsDone() = 0;         // slot 5
};

}  // namespace Dpm
