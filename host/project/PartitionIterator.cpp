// The design project's partition enumeration.
#include "project/PartitionIterator.h"

namespace HostProject {

Dpm::IPartitionIterator* PartitionIterator::HandOut(Items items) {
  return new PartitionIterator(std::move(items));
}

CitI::Status PartitionIterator::GetCurrent(ZavU::IPartition*& out) {
  if (m_cursor >= m_items.size()) {
    out = nullptr;
    return 0;
  }
  // The caller's reference: the holder's copy is detached to it.
  out = CommonI::RefCountPtr<ZavU::IPartition>(m_items[m_cursor]).Detach();
  return 1;
}

}  // namespace HostProject
