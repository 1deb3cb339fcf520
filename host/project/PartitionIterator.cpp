// The design project's partition enumeration.
#include "project/PartitionIterator.h"

namespace HostProject {

Dpm::IPartitionIterator* PartitionIterator::HandOut(Items items) {
  return new PartitionIterator(std::move(items));
}

CitI::Status PartitionIterator::GetCurrent(ZavU::IPartition*& out) {
  const CommonI::RefCountPtr<ZavU::IPartition>* partition = Current();
  if (!partition) {
    out = nullptr;
    return 0;
  }
  // The caller's reference: the holder's copy is detached to it.
  out = CommonI::RefCountPtr<ZavU::IPartition>(*partition).Detach();
  return 1;
}

}  // namespace HostProject
