// A snapshot of a partition's pins, handed out by GetPartitionPins. It holds
// its own reference on each pin, so it keeps listing them whatever happens to
// the partition's collection later. References taken on the list count on
// the owner partition. The list itself is freed when its holder destroys it
// (slot 1) or, at the latest, when the partition is destroyed.
#pragma once

#include <vector>

#include "CitI/TCursor.h"
#include "Partition/Partition.h"
#include "ZavU/IPartitionPinIterator.h"
#include "framework/TNested.h"

namespace ZorE {

class PartitionPinList final
    : public CitI::TCursor<TNested<Partition, ZavU::IPartitionPinIterator>, ZavU::IPartitionPin*> {
 public:
  using TCursor::TCursor;
  /// Drops the reference on every pin, last to first.
  ~PartitionPinList() override;

  /// `out` = the pin at the cursor with a reference; empty past the end.
  CitI::Status CurrentItem(CommonI::RefCountPtr<ZavU::IPartitionPin>& out) override;

  void DetachFromOwner() { m_ownerAlive = false; }

 private:
  bool m_ownerAlive = true;
};

}  // namespace ZorE
