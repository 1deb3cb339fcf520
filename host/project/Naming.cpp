// The autonym lookup service and the project files it knows by location.
#include "project/Naming.h"

#include <map>
#include <mutex>

#include "project/ProjectTexts.h"

namespace HostProject {

namespace {

struct KnownFiles {
  std::mutex mutex;
  std::map<std::string, std::string> byLocation;
};

// Never destroyed: names only, which nothing needs at exit.
KnownFiles& Known() {
  static auto* const known = new KnownFiles;
  return *known;
}

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

void KnowRepository(const std::string& location, const std::string& file) {
  std::lock_guard<std::mutex> lock(Known().mutex);
  Known().byLocation[location] = file;
}

void ForgetRepository(const std::string& location, const std::string& file) {
  std::lock_guard<std::mutex> lock(Known().mutex);
  const auto found = Known().byLocation.find(location);
  if (found != Known().byLocation.end() && found->second == file) Known().byLocation.erase(found);
}

ProjectRepository* ProjectRepository::FromInterface(CitI::IInterface* object) {
  return dynamic_cast<ProjectRepository*>(CitI::QueryAs<Prjrep::IProjectRepository>(object));
}

CitI::Status AutonymLookup::Find(Prjrep::IAutonym* autonym, CitI::IInterface*& out) {
  out = nullptr;
  const std::string location = NameOf(autonym);
  std::lock_guard<std::mutex> lock(Known().mutex);
  const auto found = Known().byLocation.find(location);
  if (found == Known().byLocation.end()) return 0;
  out = NewRepository(location, found->second);  // the caller's reference
  return 1;
}

CitI::Status AutonymLookup::Create(Prjrep::IAutonym* autonym, CitI::IInterface*,
                                   CitI::IInterface*& out) {
  out = nullptr;
  if (Find(autonym, out) == 1) return 1;
  const std::string location = NameOf(autonym);
  if (location.empty()) return 0;
  out = NewRepository(location, location + "/" + kExportedProjectFile);
  return 1;
}

}  // namespace HostProject
