// Which reconfigurable module a partition belongs to, and which partition
// decides that.
//
// The association partition decides: the partition itself when it is
// reconfigurable or the root, else its nearest reconfigurable ancestor, else
// the top of its branch. Every answer is worked out afresh, through the
// parent links and the design project (the current project for a partition
// not linked to one). The module answers walk the project's configuration
// (Dpm/IConfiguration.h), loading libDpm_DesignData by name when the
// autonym saver is needed and missing. Nothing here throws; the library
// catches nothing a host service throws.
#pragma once

#include "CitI/IInterface.h"
#include "Port/StringBase.h"

namespace ZavU {

class IPartition;

class IReconfigAssocInfo : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(ZavU_IReconfigAssocInfo)
  /// IsReconfigurableLogic: whether the association partition is
  /// reconfigurable; IsStaticLogic answers the opposite.
  virtual bool IsStaticLogic() = 0;          // 2
  virtual bool IsReconfigurableLogic() = 0;  // 3
  /// Slot 4: `assoc` (null, or holding a reference the caller owns, which is
  /// released) receives the association partition with one reference.
  /// Never pass it uninitialised. The answer is the partition's root
  /// interface: adopt it (CommonI::RefCountPtr<CitI::IInterface>::Adopt) and
  /// ask it for IPartition. True when there is one.
  virtual bool GetReconfigAssociation(CitI::IInterface*& assoc) = 0;
  /// `out` is emptied first; null: false. A partition read from the
  /// description answers the ReconfigModuleName it read (true, even empty).
  /// Any other answers the name of the module of the configuration element
  /// that governs it (the element whose PR module is named like the
  /// association partition, or a static-logic element for static logic);
  /// false when there is no configuration or no such element.
  virtual bool GetReconfigModuleName(Port::StringBase* out) = 0;             // 5
  /// True with the location of the project implementing the module. False
  /// otherwise, with `out` set to the design project's own location (empty
  /// without a project); null `out`: false.
  virtual bool GetReconfigModuleProjectLocation(Port::StringBase* out) = 0;  // 6
};

/// The partition helper: resolves a trait's effective value ("inherit" taken
/// from the parent). Lives in its own component library.
///
/// The host implements it. For each effective value a partition's Tcl view
/// (UtilI::ITclCollectable) is asked for, the partition creates a helper
/// (Xuids::Class_PartitionHelper), loading devAreD_PartitionHelper by name
/// when the class is missing, and drops it after the call.
class IPartitionHelper : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(ZavU_IPartitionHelper)
  /// Slot 2: `project` is the project's interface of Xuids::Dpm_IHDProjectData.
  /// `partition` and `project` are lent for the call; `project` is null when
  /// the design project does not answer that interface. The library asks
  /// only for preserve, dependency_management_mode and fleetmatch, and only
  /// for a partition that has a design project.
  virtual Port::StringBase GetEffectiveTraitValue(const Port::StringBase& trait,
                                                  IPartition* partition,
                                                  CitI::IInterface* project) = 0;
};

}  // namespace ZavU
