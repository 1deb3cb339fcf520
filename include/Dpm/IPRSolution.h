// The partial-reconfiguration solution helper and the module manager it
// yields for a project.
#pragma once

#include <cstdint>

#include "CitI/IInterface.h"
#include "Dpm/IConfiguration.h"
#include "Dpm/IHDProject.h"
#include "Port/StringBase.h"

namespace Dpm {

class IPRModuleManager : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_IPRModuleManager)
  ZORE_RESERVED_SLOT(2)
  ZORE_RESERVED_SLOT(3)
  /// Slot 4: takes `module` back from its partition.
  virtual CitI::Status ReleaseModule(IPRModule* module) = 0;
  /// Slot 5: the module of the partition of that hierarchical name, or null.
  virtual CitI::Status FindModule(const Port::StringBase& hierarchicalName, IPRModule*& out) = 0;
};

class IPRSolutionHelper : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_IPRSolutionHelper)
  ZORE_RESERVED_SLOT(2)
  /// Slot 3: the module manager of `project` (may be null).
  virtual CitI::Status GetModuleManager(IHDProject* project, std::int32_t flags,
                                        CitI::IInterface*& out) = 0;
};

}  // namespace Dpm
