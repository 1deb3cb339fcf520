// A snapshot of a partition's pins, handed out by GetPartitionPins, and the
// holder a caller keeps it in.
//
//   CommonI::RefCountPtr<ZavU::IPartition> partition = ...;
//   ZavU::OwnedPinList pins(partition->GetPartitionPins());
//   for (pins->First(); !pins->IsDone(); pins->Next()) { ... }
//
// The list holds a reference on each pin it lists, so pins added to or taken
// from the partition later do not show in it; Next never moves past the end.
// Nothing here throws.
#pragma once

#include "CitI/IInterface.h"
#include "CommonI/IRefCount.h"
#include "ZavU/IPartitionPin.h"

namespace ZavU {

class IPartitionPinIterator : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(ZavU_IPartitionPinIterator)
  /// Slot 2: `out` = the pin at the cursor with a reference of its own,
  /// status 1; past the end `out` is emptied and the status is 0.
  virtual CitI::Status CurrentItem(CommonI::RefCountPtr<IPartitionPin>& out) = 0;
  virtual CitI::Status First() = 0;  // slot 3
  virtual CitI::Status Next() = 0;   // slot 4
  virtual bool IsDone() = 0;         // slot 5
};

/// A pin list handed out by a partition, destroyed when done with. The
/// reference the list came with counts on its partition, so releasing it
/// alone leaves the list itself with the partition until the partition
/// goes. The holder destroys the list (slot 1, which makes its partition
/// forget it) while that reference still keeps the partition alive, and
/// only then drops it: repeated listings leave nothing behind, and a holder
/// may outlive every other reference on the partition.
class OwnedPinList {
 public:
  explicit OwnedPinList(CommonI::RefCountPtr<IPartitionPinIterator> list) : m_list(list.Detach()) {}
  OwnedPinList(const OwnedPinList&) = delete;
  OwnedPinList& operator=(const OwnedPinList&) = delete;
  ~OwnedPinList() {
    CommonI::IRefCount* partition = CitI::QueryAs<CommonI::IRefCount>(m_list);
    delete m_list;
    if (partition) partition->Release();
  }
  IPartitionPinIterator* operator->() const { return m_list; }
  explicit operator bool() const { return m_list != nullptr; }

 private:
  IPartitionPinIterator* m_list;
};

}  // namespace ZavU
