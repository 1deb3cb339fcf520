// The autonym lookup service and the project files it knows by location.
#include "project/Naming.h"

#include "project/CurrentProject.h"
#include "project/DesignProject.h"
#include "project/ProjectTexts.h"

namespace HostProject {

namespace {

/// The name an autonym carries, or empty.
std::string NameOf(Prjrep::IAutonym* autonym) {
  Port::StringBase name;
  if (auto* named = CitI::QueryAs<Prjrep::IName>(autonym)) named->GetName(name);
  return name.str();
}

/// A new repository for `location` and `file`, seen as the caller gets it.
CitI::IInterface* NewRepository(const std::string& location, std::string file) {
  return new ProjectRepository(Port::StringBase(location), std::move(file));
}

}  // namespace

std::string ExportedProjectFile(const std::string& location) {
  return location + "/" + kExportedProjectFile;
}

ProjectRepository* ProjectRepository::FromInterface(CitI::IInterface* object) {
  return dynamic_cast<ProjectRepository*>(CitI::QueryAs<Prjrep::IProjectRepository>(object));
}

CitI::Status AutonymLookup::Find(Prjrep::IAutonym* autonym, CitI::IInterface*& out) {
  out = nullptr;
  const std::string location = NameOf(autonym);
  const DesignProject* current = DesignProject::FromInterface(CurrentProject());
  if (!current || current->ProjectFile().empty() || current->Location().str() != location) {
    return 0;
  }
  out = NewRepository(location, current->ProjectFile());  // the caller's reference
  return 1;
}

CitI::Status AutonymLookup::Create(Prjrep::IAutonym* autonym, CitI::IInterface*,
                                   CitI::IInterface*& out) {
  out = nullptr;
  if (Find(autonym, out) == 1) return 1;
  const std::string location = NameOf(autonym);
  if (location.empty()) return 0;
  out = NewRepository(location, ExportedProjectFile(location));
  return 1;
}

}  // namespace HostProject
