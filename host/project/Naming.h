// The naming services of the host's project repository: autonyms (objects
// known by a name), the autonym lookup service that finds or creates the
// object an autonym names, and the project repositories it yields, one per
// project location. Both service classes are registered at start-up
// (RegisterClasses); the autonym saver, which reads a repository's
// configuration, lives in libDpm_DesignData and is loaded on demand.
//
// The repository at the current project's location stands for the project
// file it was opened from (DesignProject::SetProjectFile); a repository
// created for another location stands for the file an exported project
// keeps there (ExportedProjectFile). Repository objects are made afresh for
// each call.
#pragma once

#include <string>

#include "Port/HostApi.h"
#include "Prjrep/IAutonym.h"
#include "model/ServiceObject.h"

namespace HostProject {

/// The project file an exported project keeps in its location.
HOST_API std::string ExportedProjectFile(const std::string& location);

class HOST_API ProjectRepository final
    : public HostModel::TServiceObject<Prjrep::IProjectRepository> {
 public:
  ProjectRepository(const Port::StringBase& location, std::string file)
      : m_location(location), m_file(std::move(file)) {}
  /// The repository behind an object of this host, or null.
  static ProjectRepository* FromInterface(CitI::IInterface* object);

  const Port::StringBase& Location() const { return m_location; }
  const std::string& ProjectFile() const { return m_file; }

 private:
  ~ProjectRepository() override = default;
  Port::StringBase m_location;
  std::string m_file;
};

class HOST_API Autonym final : public HostModel::TServiceObject<Prjrep::IAutonym, Prjrep::IName> {
 public:
  static Port::XUID ClassXuid() { return Port::XUID(Xuids::Class_Autonym); }
  Autonym() = default;

  CitI::Status SetName(const Port::StringBase& name) override {
    m_name = name;
    return 1;
  }
  CitI::Status GetName(Port::StringBase& out) override {
    out = m_name;
    return 1;
  }

 private:
  ~Autonym() override = default;
  Port::StringBase m_name;
};

class HOST_API AutonymLookup final : public HostModel::TServiceObject<Prjrep::IAutonymLookup> {
 public:
  static Port::XUID ClassXuid() { return Port::XUID(Xuids::Class_AutonymLookup); }
  AutonymLookup() = default;

  /// Status 1 and the repository of a location the host opened; 0 and null
  /// for another name.
  CitI::Status Find(Prjrep::IAutonym* autonym, CitI::IInterface*& out) override;
  /// Status 1 and the repository at the named location (its known file, or
  /// the exported project's); 0 and null for an autonym without a name.
  CitI::Status Create(Prjrep::IAutonym* autonym, CitI::IInterface* unused,
                      CitI::IInterface*& out) override;

 private:
  ~AutonymLookup() override = default;
};

}  // namespace HostProject
