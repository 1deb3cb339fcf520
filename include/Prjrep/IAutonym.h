// Naming services of the project repository: autonyms (objects known by
// name), their lookup and the saver that yields a project's configuration.
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
  /// Slot 6: creates the object known by `autonym`.
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
  /// Slot 2: the configuration object kept in `repository` (may be null).
  virtual CitI::Status GetConfiguration(CitI::IInterface* repository, CitI::IInterface*& out) = 0;
};

}  // namespace Prjrep
