// The design project's configuration as the partition library walks it: one
// element for the static logic, then one element per reconfigurable module.
// An element pairs a PR module, named after the partition's hierarchical
// name, with the module object implementing it, which answers Prjrep::IName
// with the module's name and either Dpm::IProject (this project implements
// it) or Dpm::IProjectCompReference (another project, whose location the
// project it yields gives).
//
// Two routes lead the library here. A design built from a description has a
// project helper (DesignData), its own design data, answering the look-up of
// "Configuration". A design opened from a project file has none; the library
// then finds the project's repository by its location (Naming.h) and asks the
// autonym saver (libDpm_DesignData), which reads the configuration kept in
// the project file.
//
// Every object here holds copies of what it answers, never its creator: no
// reference cycle, and each goes with its last reference.
#pragma once

#include "Dpm/IConfiguration.h"
#include "Port/HostApi.h"
#include "model/ServiceObject.h"
#include "persist/ProjectFile.h"

namespace HostProject {

class HOST_API Configuration final : public HostModel::TServiceObject<Dpm::IConfiguration> {
 public:
  /// The configuration of the project at `location` with `modules`.
  static Prjrep::AutoRelease<Configuration> Create(const Port::StringBase& location,
                                                   HostModel::Configuration modules);

  /// A new iterator over the static-logic element and one element per
  /// module, in the order of the modules.
  CitI::Status GetElements(Dpm::IConfigurationElementIterator*& out) override;

 private:
  Configuration(const Port::StringBase& location, HostModel::Configuration modules)
      : m_location(location), m_modules(std::move(modules)) {}
  ~Configuration() override = default;

  Port::StringBase m_location;
  HostModel::Configuration m_modules;
};

/// The project helper of a design built from a description, which is also
/// its own design data: the configuration under the name "Configuration".
class HOST_API DesignData final
    : public HostModel::TServiceObject<Dpm::IProjectHelper, IDesignDataLookup> {
 public:
  static Prjrep::AutoRelease<DesignData> Create(const Port::StringBase& location,
                                                const HostModel::Configuration& modules);
  /// Status 1 and itself, with a reference.
  CitI::Status GetDesignData(CitI::IInterface*& out) override;
  /// Status 1 and a new configuration for "Configuration"; 0 and null for
  /// any other name.
  CitI::Status Lookup(const Port::StringBase& name, CitI::IInterface*& out) override;

 private:
  DesignData(const Port::StringBase& location, const HostModel::Configuration& modules)
      : m_location(location), m_modules(modules) {}
  ~DesignData() override = default;

  Port::StringBase m_location;
  HostModel::Configuration m_modules;
};

}  // namespace HostProject
