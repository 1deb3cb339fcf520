// An enumeration of partitions handed out by the design project: a snapshot
// holding a reference on each partition, so it lists them whatever happens
// to the project afterwards.
#pragma once

#include <vector>

#include "Dpm/IHDProject.h"
#include "ZavU/IPartition.h"
#include "model/ServiceObject.h"

namespace HostProject {

class PartitionIterator final : public HostModel::TServiceObject<Dpm::IPartitionIterator> {
 public:
  using Items = std::vector<CommonI::RefCountPtr<ZavU::IPartition>>;
  /// A new iterator over `items`, handed out with its one reference.
  static Dpm::IPartitionIterator* HandOut(Items items);

  /// The partition at the cursor with a reference (status 1); null past the
  /// end (status 0).
  CitI::Status GetCurrent(ZavU::IPartition*& out) override;
  CitI::Status First() override {
    m_cursor = 0;
    return 1;
  }
  CitI::Status Next() override {
    if (m_cursor < m_items.size()) ++m_cursor;
    return 1;
  }
  bool IsDone() override { return m_cursor >= m_items.size(); }

 private:
  explicit PartitionIterator(Items items) : m_items(std::move(items)) {}
  ~PartitionIterator() override = default;

  Items m_items;
  std::size_t m_cursor = 0;
};

}  // namespace HostProject
