// Naming services of the project repository: autonyms (objects known by
// name), their lookup and the saver that yields a project's configuration.
//
// The host implements all of these. The library uses them to find the
// configuration of a design project without a project helper
// (Dpm/IConfiguration.h), afresh each time and keeping nothing: it creates
// an autonym (Xuids::Class_Autonym) and the autonym lookup
// (Xuids::Class_AutonymLookup) through the registry, names the autonym after
// the project's location (IName::SetName), asks Find and, when that yields
// nothing, Create, keeps the answer only if it answers IProjectRepository,
// and hands it, or null, to the autonym saver (Xuids::Class_AutonymSaver;
// when that class is missing, libDpm_DesignData is loaded by name first).
//
// Out arguments are null when the library calls; what they receive carries
// one reference, dropped by the rule of Prjrep/IRefCount.h; null means none.
// Statuses are not looked at, but for IName::GetName on a module object, and
// the library catches nothing a service throws.
#pragma once

#include "CitI/IInterface.h"
#include "Port/StringBase.h"

namespace Prjrep {

class IAutonym : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Prjrep_IAutonym)
};

class IName : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Prjrep_IName)
  virtual CitI::Status SetName(const Port::StringBase& name) = 0;  // 2
  /// Also asked of a configuration's module objects for the module name,
  /// which counts only with status 1 (Dpm/IConfiguration.h).
  virtual CitI::Status GetName(Port::StringBase& out) = 0;         // 3
};

class IAutonymLookup : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Prjrep_IAutonymLookup)
  /// Slot 2: the object known by `autonym`, with a reference, or null.
  virtual CitI::Status Find(IAutonym* autonym, CitI::IInterface*& out) = 0;
  ZORE_RESERVED_SLOT(3)
  ZORE_RESERVED_SLOT(4)
  ZORE_RESERVED_SLOT(5)
  /// Slot 6: creates the object known by `autonym`, with a reference;
  /// asked when Find yields nothing. `unused` is null.
  virtual CitI::Status Create(IAutonym* autonym, CitI::IInterface* unused,
                              CitI::IInterface*& out) = 0;
};

class IProjectRepository : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Prjrep_IProjectRepository)
};

class ISaveAutonym : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Prjrep_ISaveAutonym)
  /// Slot 2: the configuration object kept in `repository` (may be null),
  /// answering Dpm::IConfiguration, with a reference; null for none.
  virtual CitI::Status GetConfiguration(CitI::IInterface* repository, CitI::IInterface*& out) = 0;
};

}  // namespace Prjrep
