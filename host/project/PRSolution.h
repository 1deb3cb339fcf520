// Partial reconfiguration in the host: reconfigurable modules, the module
// manager of a design project that knows which module each partition
// implements (by the partition's hierarchical name), and the solution helper
// through which the partition library reaches a project's manager.
//
// A module handed back (operation 4) stops being assigned to its partition;
// the manager remembers the name of every module handed back, in order.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "Dpm/IPRSolution.h"
#include "Port/HostApi.h"
#include "model/ServiceObject.h"

namespace HostProject {

class HOST_API PRModule final : public HostModel::TServiceObject<Dpm::IPRModule> {
 public:
  static Prjrep::AutoRelease<PRModule> Create(const Port::StringBase& name);

  CitI::Status GetName(Port::StringBase& out) override {
    out = m_name;
    return 1;
  }

 private:
  explicit PRModule(const Port::StringBase& name) : m_name(name) {}
  ~PRModule() override = default;

  Port::StringBase m_name;
};

class HOST_API PRModuleManager final : public HostModel::TServiceObject<Dpm::IPRModuleManager> {
 public:
  static Prjrep::AutoRelease<PRModuleManager> Create();

  // ---- what the host does with it ----
  /// Assigns a new module named `moduleName` to the partition
  /// `hierarchicalName`, replacing the one it had.
  void AssignModule(const Port::StringBase& hierarchicalName, const Port::StringBase& moduleName);
  /// The name of the module assigned to the partition, or empty.
  Port::StringBase AssignedModuleName(const Port::StringBase& hierarchicalName) const;
  /// The names of the modules handed back, in order.
  const std::vector<std::string>& ReleasedModuleNames() const { return m_released; }

  // ---- Dpm::IPRModuleManager ----
  /// Status 1 when `module` was assigned to a partition, which it no longer is.
  CitI::Status ReleaseModule(Dpm::IPRModule* module) override;
  /// Status 1 and the partition's module with a reference; 0 and null when
  /// it has none.
  CitI::Status FindModule(const Port::StringBase& hierarchicalName, Dpm::IPRModule*& out) override;

 private:
  PRModuleManager() = default;
  ~PRModuleManager() override = default;

  std::map<std::string, Prjrep::AutoRelease<PRModule>>
      m_assigned;  // by partition hierarchical name
  std::vector<std::string> m_released;
};

class HOST_API PRSolutionHelper final : public HostModel::TServiceObject<Dpm::IPRSolutionHelper> {
 public:
  static Port::XUID ClassXuid() { return Port::XUID(Xuids::Class_PRSolutionHelper); }
  PRSolutionHelper() = default;

  /// Status 1 and the module manager of a project of this host, with a
  /// reference; 0 and null for no project or another host's.
  CitI::Status GetModuleManager(Dpm::IHDProject* project, std::int32_t flags,
                                CitI::IInterface*& out) override;

 private:
  ~PRSolutionHelper() override = default;
};

}  // namespace HostProject
