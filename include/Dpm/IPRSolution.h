// The partial-reconfiguration solution helper and the module manager it
// yields for a project.
//
// The host implements both. The library creates the helper
// (Xuids::Class_PRSolutionHelper) only when a reconfigurable partition is
// unmarked (SetReconfigurable(false)): it asks for the module manager of the
// partition's design project, finds the partition's module and hands it
// back. A host without the class has nothing handed back. Out arguments are
// null when the library calls; what they receive carries one reference,
// dropped by the rule of Prjrep/IRefCount.h; null means none. Statuses are
// not looked at, and the library catches nothing a service throws.
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
  /// Slot 4: takes `module` back from its partition. `module` is what
  /// FindModule gave; the library holds its reference over the call and
  /// drops it afterwards, so a manager that keeps the module takes a
  /// reference of its own.
  virtual CitI::Status ReleaseModule(IPRModule* module) = 0;
  /// Slot 5: the module of the partition of that hierarchical name, or null.
  virtual CitI::Status FindModule(const Port::StringBase& hierarchicalName, IPRModule*& out) = 0;
};

class IPRSolutionHelper : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_IPRSolutionHelper)
  ZORE_RESERVED_SLOT(2)
  /// Slot 3: the module manager of `project`, an object answering
  /// Dpm::IPRModuleManager, or null. `project` is the partition's design
  /// project, null when it has none, lent for the call; `flags` is 0.
  virtual CitI::Status GetModuleManager(IHDProject* project, std::int32_t flags,
                                        CitI::IInterface*& out) = 0;
};

}  // namespace Dpm
