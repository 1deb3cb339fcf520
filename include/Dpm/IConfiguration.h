// The design project's configuration for partial reconfiguration: elements
// pairing a PR module (named after a reconfigurable partition) with the
// module object implementing it, and the projects behind module objects.
#pragma once

#include "CitI/IInterface.h"
#include "Port/StringBase.h"

namespace Dpm {

class IProjectHelper : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_IProjectHelper)
  ZORE_RESERVED_SLOT(2)
  ZORE_RESERVED_SLOT(3)
  ZORE_RESERVED_SLOT(4)
  ZORE_RESERVED_SLOT(5)
  ZORE_RESERVED_SLOT(6)
  ZORE_RESERVED_SLOT(7)
  ZORE_RESERVED_SLOT(8)
  ZORE_RESERVED_SLOT(9)
  ZORE_RESERVED_SLOT(10)
  /// Slot 11: the project's design-data object.
  virtual CitI::Status GetDesignData(CitI::IInterface*& out) = 0;
};

class IPRModule : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_IPRModule)
  virtual CitI::Status GetName(Port::StringBase& out) = 0;  // 2
};

/// One element of a configuration, reached only through the iterator.
class IConfigurationElement : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_IConfigurationElement)
  virtual CitI::Status GetStaticLogic(bool& out) = 0;          // 2
  virtual CitI::Status GetPRModule(IPRModule*& out) = 0;       // 3
  virtual CitI::Status GetModule(CitI::IInterface*& out) = 0;  // 4
};

class IConfigurationElementIterator : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_IConfigurationElementIterator)
  /// Slot 2: the current element itself, without a reference.
  virtual IConfigurationElement* GetCurrent() = 0;
  virtual CitI::Status First() = 0;  // 3
  virtual CitI::Status Next() = 0;   // 4
  virtual bool IsDone() = 0;         // 5
};

class IConfiguration : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_IConfiguration)
  virtual CitI::Status GetElements(IConfigurationElementIterator*& out) = 0;  // 2
};

/// A project that implements a module.
class IProject : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_IProject)
  virtual CitI::Status GetLocation(Port::StringBase& out) = 0;  // 2
};

/// A module object that refers to the project implementing it.
class IProjectCompReference : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_IProjectCompReference)
  ZORE_RESERVED_SLOT(2)
  virtual CitI::Status GetProject(IProject*& out) = 0;  // 3
};

}  // namespace Dpm

/// Looks design-data objects up by name ("Configuration").
class IDesignDataLookup : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(IDesignDataLookup)
  virtual CitI::Status Lookup(const Port::StringBase& name, CitI::IInterface*& out) = 0;  // 2
};
