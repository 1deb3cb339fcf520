// A snapshot of a partition's pins, handed out by GetPartitionPins, and the
// holder a caller keeps it in.
//
//   ZavU::OwnedPinList pins(partition->GetPartitionPins());
//   for (pins->First(); !pins->IsDone(); pins->Next()) { ... }
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

/// A pin list handed out by a partition, destroyed when done with. The
/// reference the list came with counts on its partition, so releasing it
/// alone leaves the list itself with the partition until the partition
/// goes; the holder drops the reference and then destroys the list (slot 1,
/// which makes its partition forget it), so repeated listings leave nothing
/// behind.
class OwnedPinList {
 public:
  explicit OwnedPinList(CommonI::RefCountPtr<IPartitionPinIterator> list) : m_list(list.Detach()) {}
  OwnedPinList(const OwnedPinList&) = delete;
  OwnedPinList& operator=(const OwnedPinList&) = delete;
  ~OwnedPinList() {
    CommonI::ReleaseFrom(m_list);
    delete m_list;
  }
  IPartitionPinIterator* operator->() const { return m_list; }
  explicit operator bool() const { return m_list != nullptr; }

 private:
  IPartitionPinIterator* m_list;
};

}  // namespace ZavU
