// Effective trait values, and the entry point of "devAreD_PartitionHelper".
#include "partitionhelper/PartitionHelper.h"

#include "Dpm/IHDProject.h"
#include "ZavU/IPartitionHierarchy.h"
#include "model/ServiceObject.h"

namespace HostPartitionHelper {

namespace {

using PartitionRef = CommonI::RefCountPtr<ZavU::IPartition>;

PartitionRef ParentOf(ZavU::IPartition* partition, Dpm::IHDProject* project) {
  if (auto* hierarchy = CitI::QueryAs<ZavU::IPartitionHierarchy>(partition)) {
    return hierarchy->GetParentPartition();
  }
  ZavU::IPartition* parent = nullptr;
  if (project) project->GetParentPartition(parent, partition);
  return PartitionRef::Adopt(parent);
}

}  // namespace

Port::StringBase PartitionHelper::GetEffectiveTraitValue(const Port::StringBase& trait,
                                                         ZavU::IPartition* partition,
                                                         CitI::IInterface* project) {
  auto* design = CitI::QueryAs<Dpm::IHDProject>(project);
  PartitionRef current(partition);
  while (current) {
    Port::StringBase value = current->GetTrait(trait);
    if (value.str() != kInherit) return value;
    PartitionRef parent = ParentOf(current.get(), design);
    if (!parent) return current->GetTraitDefault(trait);
    current = parent;
  }
  return Port::StringBase();
}

}  // namespace HostPartitionHelper

extern "C" __attribute__((visibility("default"))) void InstFactoryEntry() {
  HostModel::RegisterClass<HostPartitionHelper::PartitionHelper>();
}
