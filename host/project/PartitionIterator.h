// An enumeration of partitions handed out by the design project: a snapshot
// holding a reference on each partition, so it lists them whatever happens
// to the project afterwards.
#pragma once

#include <vector>

#include "CitI/TCursor.h"
#include "Dpm/IHDProject.h"
#include "Port/HostApi.h"
#include "ZavU/IPartition.h"
#include "model/ServiceObject.h"

namespace HostProject {

class HOST_API PartitionIterator final
    : public CitI::TCursor<HostModel::TServiceObject<Dpm::IPartitionIterator>,
                           CommonI::RefCountPtr<ZavU::IPartition>> {
 public:
  using Items = std::vector<CommonI::RefCountPtr<ZavU::IPartition>>;
  /// A new iterator over `items`, handed out with its one reference.
  static Dpm::IPartitionIterator* HandOut(Items items);

  /// The partition at the cursor with a reference (status 1); null past the
  /// end (status 0).
  CitI::Status GetCurrent(ZavU::IPartition*& out) override;

 private:
  explicit PartitionIterator(Items all) { items = std::move(all); }
  ~PartitionIterator() override = default;
};

}  // namespace HostProject
