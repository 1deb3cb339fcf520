#include "Partition/PartitionPinList.h"

namespace ZorE {

PartitionPinList::~PartitionPinList() {
  for (auto it = items.rbegin(); it != items.rend(); ++it) CommonI::ReleaseFrom(*it);
  if (m_ownerAlive) owner().ForgetPinList(this);
}

CitI::Status PartitionPinList::CurrentItem(CommonI::RefCountPtr<ZavU::IPartitionPin>& out) {
  ZavU::IPartitionPin* const* pin = Current();
  if (!pin) {
    out.Reset();
    return 0;
  }
  out = CommonI::RefCountPtr<ZavU::IPartitionPin>(*pin);
  return 1;
}

}  // namespace ZorE
