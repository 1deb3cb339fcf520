#include "Partition/PartitionPinList.h"

namespace ZorE {

PartitionPinList::~PartitionPinList() {
  for (auto it = items.rbegin(); it != items.rend(); ++it) CommonI::ReleaseFrom(*it);
  if (m_ownerAlive) owner().ForgetPinList(this);
}

CitI::Status PartitionPinList::CurrentItem(CommonI::RefCountPtr<ZavU::IPartitionPin>& out) {
  if (cursor >= items.size()) {
    out.Reset();
    return 0;
  }
  out = CommonI::RefCountPtr<ZavU::IPartitionPin>(items[cursor]);
  return 1;
}

}  // namespace ZorE
