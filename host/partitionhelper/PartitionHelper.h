// Our host's partition helper, in its own library "devAreD_PartitionHelper":
// a trait's effective value. A partition whose trait is "inherit" takes its
// parent's effective value; any other value is its own. A partition without
// a parent (the root) that still reads "inherit" (a record may hold it)
// takes its default, which for the root is the trait's root default.
//
// The parent comes from the partition's own hierarchy links (which the
// design project sets when it adds the partition: no lookup in the
// project), or, for a partition without them, from the design project
// handed in (its operation 24).
// Resolution climbs the hierarchy in a loop: a deep one costs no stack.
#pragma once

#include "Xuids.h"
#include "ZavU/IReconfigAssocInfo.h"
#include "model/ServiceObject.h"

namespace HostPartitionHelper {

/// The trait value that means "the parent's value".
inline constexpr const char* kInherit = "inherit";

class PartitionHelper final : public HostModel::TServiceObject<ZavU::IPartitionHelper> {
 public:
  static Port::XUID ClassXuid() { return Port::XUID(Xuids::Class_PartitionHelper); }
  PartitionHelper() = default;

  /// `project` answers Dpm::IHDProject, or is null. A name that is no trait
  /// throws, as GetTrait does.
  Port::StringBase GetEffectiveTraitValue(const Port::StringBase& trait,
                                          ZavU::IPartition* partition,
                                          CitI::IInterface* project) override;

 private:
  ~PartitionHelper() override = default;
};

}  // namespace HostPartitionHelper
