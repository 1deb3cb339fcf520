// Reconfigurable modules, the module manager and the solution helper.
#include "project/PRSolution.h"

#include "project/DesignProject.h"

namespace HostProject {

Prjrep::AutoRelease<PRModule> PRModule::Create(const Port::StringBase& name) {
  return Prjrep::AutoRelease<PRModule>::Adopting(new PRModule(name));
}

Prjrep::AutoRelease<PRModuleManager> PRModuleManager::Create() {
  return Prjrep::AutoRelease<PRModuleManager>::Adopting(new PRModuleManager());
}

void PRModuleManager::AssignModule(const Port::StringBase& hierarchicalName,
                                   const Port::StringBase& moduleName) {
  m_assigned[hierarchicalName.str()] = PRModule::Create(moduleName);
}

Port::StringBase PRModuleManager::AssignedModuleName(
    const Port::StringBase& hierarchicalName) const {
  Port::StringBase name;
  auto found = m_assigned.find(hierarchicalName.str());
  if (found != m_assigned.end()) found->second->GetName(name);
  return name;
}

CitI::Status PRModuleManager::ReleaseModule(Dpm::IPRModule* module) {
  for (auto at = m_assigned.begin(); at != m_assigned.end(); ++at) {
    if (static_cast<Dpm::IPRModule*>(at->second.get()) != module) continue;
    Port::StringBase name;
    module->GetName(name);
    m_released.push_back(name.str());
    m_assigned.erase(at);
    return 1;
  }
  return 0;
}

CitI::Status PRModuleManager::FindModule(const Port::StringBase& hierarchicalName,
                                         Dpm::IPRModule*& out) {
  out = nullptr;
  auto found = m_assigned.find(hierarchicalName.str());
  if (found == m_assigned.end()) return 0;
  out = found->second.get();
  Prjrep::AddRefTo(out);  // the caller's reference
  return 1;
}

CitI::Status PRSolutionHelper::GetModuleManager(Dpm::IHDProject* project, std::int32_t,
                                                CitI::IInterface*& out) {
  out = nullptr;
  DesignProject* own = DesignProject::FromInterface(project);
  if (!own) return 0;
  PRModuleManager& manager = own->ModuleManager();
  out = static_cast<Dpm::IPRModuleManager*>(&manager);
  Prjrep::AddRefTo(out);  // the caller's reference
  return 1;
}

}  // namespace HostProject
