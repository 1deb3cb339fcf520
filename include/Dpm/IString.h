// Strings and string lists handed out by a partition: its IP file names,
// trait names and trait values. The caller owns a list it receives.
#pragma once

#include "CitI/IInterface.h"
#include "Port/StringBase.h"

namespace Dpm {

class IString : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_IString)
  virtual CitI::Status SetText(const Port::StringBase& text) = 0;  // slot 2
  virtual CitI::Status GetText(Port::StringBase& out) = 0;         // slot 3
};

class IStringIterator : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_IStringIterator)
  /// Slot 2: the item at the cursor; null past the end.
  virtual IString* CurrentItem() = 0;
  virtual CitI::Status First() = 0;  // slot 3
  virtual CitI::Status Next() = 0;   // slot 4
  virtual bool IsDone() = 0;         // slot 5
};

}  // namespace Dpm
