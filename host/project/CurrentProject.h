// The current-project service: which design project the host is working on.
// The host sets it; the partition library creates the service through the
// registry and asks it (operation 7) when a partition was not linked to a
// project.
//
// The service holds a reference on the current project. The host clears it
// (SetCurrentProject(nullptr)) before it ends: the reference is never dropped
// at exit, when the runtimes a project's partitions use may already be gone.
#pragma once

#include "Dpm/IHDProject.h"
#include "Port/HostApi.h"
#include "model/ServiceObject.h"

namespace HostProject {

/// Makes `project` (null: none) the current project.
HOST_API void SetCurrentProject(Dpm::IHDProject* project);
/// The current project, without a reference; null when there is none.
HOST_API Dpm::IHDProject* CurrentProject();

class HOST_API CurrentProjectService final
    : public HostModel::TServiceObject<Dpm::ICurrentProject> {
 public:
  static Port::XUID ClassXuid() { return Port::XUID(Xuids::Class_CurrentProject); }
  CurrentProjectService() = default;

  /// Status 1 and the current project with a reference; 0 and null when the
  /// host has none. The name is not used.
  CitI::Status GetCurrentProject(Dpm::IHDProject*& out, const Port::StringBase& name) override;

 private:
  ~CurrentProjectService() override = default;
};

}  // namespace HostProject
