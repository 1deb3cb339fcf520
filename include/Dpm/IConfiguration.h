// The design project's configuration for partial reconfiguration: elements
// pairing a PR module (named after a reconfigurable partition) with the
// module object implementing it, and the projects behind module objects.
//
// The host implements all of these. The library walks them afresh for each
// module question (ZavU::IReconfigAssocInfo) and keeps nothing: the design
// project's helper (Dpm::IHDProject::GetHelper), its design data, and the
// lookup of "Configuration"; without a helper, the configuration the autonym
// saver gives (Prjrep/IAutonym.h). It walks the elements from First to the
// first whose PR module is named like the association partition or, when
// that partition is static logic, that is static logic itself, and asks the
// element's module object for Prjrep::IName (the module name) and
// Dpm::IProject or Dpm::IProjectCompReference (the location of the project
// implementing it).
//
// Out arguments are null when the library calls (GetStaticLogic's false);
// what they receive carries one reference, dropped by the rule of
// Prjrep/IRefCount.h; null means none. A missing object or interface ends
// the walk quietly, without a message. Only IProject::GetLocation and the
// module object's IName::GetName must answer 1; other statuses are not
// looked at. The library catches nothing a service throws.
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
  /// Slot 11: the project's design-data object, answering IDesignDataLookup.
  virtual CitI::Status GetDesignData(CitI::IInterface*& out) = 0;
};

class IPRModule : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_IPRModule)
  /// The hierarchical name of the partition the module implements.
  virtual CitI::Status GetName(Port::StringBase& out) = 0;  // 2
};

/// One element of a configuration, reached only through the iterator.
class IConfigurationElement : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_IConfigurationElement)
  virtual CitI::Status GetStaticLogic(bool& out) = 0;          // 2
  /// Null for an element without one (static logic).
  virtual CitI::Status GetPRModule(IPRModule*& out) = 0;       // 3
  /// The module object: Prjrep::IName, and Dpm::IProject (this project
  /// implements the module) or Dpm::IProjectCompReference (another does).
  virtual CitI::Status GetModule(CitI::IInterface*& out) = 0;  // 4
};

class IConfigurationElementIterator : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_IConfigurationElementIterator)
  /// Slot 2: the current element itself, without a reference: it must live
  /// as long as the iterator. Null ends the walk.
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
  /// Status 1 with the project's location in `out`.
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
  /// The library asks only for "Configuration": an object answering
  /// Dpm::IConfiguration.
  virtual CitI::Status Lookup(const Port::StringBase& name, CitI::IInterface*& out) = 0;  // 2
};
