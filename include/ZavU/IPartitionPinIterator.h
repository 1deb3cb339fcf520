// A snapshot of a partition's pins, handed out by GetPartitionPins.
#pragma once

#include "CitI/IInterface.h"
#include "CommonI/IRefCount.h"
#include "ZavU/IPartitionPin.h"

namespace ZavU {

class IPartitionPinIterator : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(ZavU_IPartitionPinIterator)
  /// Slot 2: `out` = the pin at the cursor with a reference of its own;
  /// empty past the end.
  virtual CitI::Status CurrentItem(CommonI::RefCountPtr<IPartitionPin>& out) = 0;
  virtual CitI::Status First() = 0;  // slot 3
  virtual CitI::Status Next() = 0;   // slot 4
  virtual bool IsDone() = 0;         // slot 5
};

}  // namespace ZavU
