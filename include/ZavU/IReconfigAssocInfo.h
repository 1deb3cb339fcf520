// Which reconfigurable module a partition belongs to, and which partition
// decides that.
#pragma once

#include "CitI/IInterface.h"
#include "Port/StringBase.h"

namespace ZavU {

class IPartition;

class IReconfigAssocInfo : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(ZavU_IReconfigAssocInfo)
  virtual bool IsStaticLogic() = 0;          // 2
  virtual bool IsReconfigurableLogic() = 0;  // 3
  /// Slot 4: `assoc` (null, or holding a reference the caller owns, which is
  /// released) receives the association partition with one reference.
  virtual bool GetReconfigAssociation(CitI::IInterface*& assoc) = 0;
  virtual bool GetReconfigModuleName(Port::StringBase* out) = 0;             // 5
  virtual bool GetReconfigModuleProjectLocation(Port::StringBase* out) = 0;  // 6
};

/// The partition helper: resolves a trait's effective value ("inherit" taken
/// from the parent). Lives in its own component library.
class IPartitionHelper : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(ZavU_IPartitionHelper)
  /// Slot 2: `project` is the project's interface of Xuids::Dpm_IHDProjectData.
  virtual Port::StringBase GetEffectiveTraitValue(const Port::StringBase& trait,
                                                  IPartition* partition,
                                                  CitI::IInterface* project) = 0;
};

}  // namespace ZavU
