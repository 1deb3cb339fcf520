// Marking a partition reconfigurable, and its two consequences for the design
// project: marking resets every partition's dependency_management_mode to its
// default (the trait is not available in the Partial Reconfiguration flow),
// and unmarking hands the partition's reconfigurable module back to the
// project's module manager.
#include "CitP/Factory.h"
#include "Dpm/IPRSolution.h"
#include "Partition/Partition.h"
#include "Partition/StateTrackingTexts.h"
#include "Partition/TraitTable.h"
#include "framework/Messages.h"

namespace ZorE {

namespace {

/// Resets dependency_management_mode to its default on every partition of
/// `project` that holds another value. Throws when a partition refuses, the
/// partitions reset before it staying reset. True when any was reset.
bool ResetDependencyManagement(Dpm::IHDProject& project) {
  const Port::StringBase trait(kTraitDependencyManagementMode);
  Prjrep::AutoRelease<Dpm::IPartitionIterator> partitions;
  project.GetPartitions(partitions.Out());
  if (!partitions) return false;  // a project without an enumeration has nothing to reset

  bool reset = false;
  for (partitions->First(); !partitions->IsDone(); partitions->Next()) {
    ZavU::IPartition* current = nullptr;
    partitions->GetCurrent(current);
    auto partition = CommonI::RefCountPtr<ZavU::IPartition>::Adopt(current);
    if (!partition) continue;
    Port::StringBase value = partition->GetTrait(trait);
    Port::StringBase fallback = partition->GetTraitDefault(trait);
    if (value == fallback) continue;
    reset = true;
    if (partition->SetTrait(trait, fallback, true) != 1) {
      ZORE_THROW(kTraitResetRefused, trait.c_str(), fallback.c_str());
    }
  }
  return reset;
}

/// Hands the module of the partition `hierarchicalName` back to the module
/// manager of `project` (which may be empty: the manager decides).
void HandBackModule(Dpm::IHDProject* project, const Port::StringBase& hierarchicalName) {
  Prjrep::AutoRelease<CitI::IInterface> created;
  created.Adopt(CitP::Factory::CreateInstance(Port::XUID(Xuids::Class_PRSolutionHelper)));
  Prjrep::AutoCast<Dpm::IPRSolutionHelper> helper(created.get());
  if (!helper) return;  // no solution helper in this host: nothing to hand back to

  Prjrep::AutoRelease<CitI::IInterface> managerObject;
  helper->GetModuleManager(project, 0, managerObject.Out());
  Prjrep::AutoCast<Dpm::IPRModuleManager> manager(managerObject.get());
  if (!manager) return;

  Prjrep::AutoRelease<Dpm::IPRModule> module;
  manager->FindModule(hierarchicalName, module.Out());
  if (module) manager->ReleaseModule(module.get());
}

}  // namespace

CitI::Status Partition::SetReconfigurable(bool reconfigurable) {
  const bool wasReconfigurable = m_isReconfigurable;
  m_isReconfigurable = reconfigurable;

  Prjrep::AutoRelease<Dpm::IHDProject> project;
  if (reconfigurable) {
    if (LookupHDProject(project) != 1 || !project) return 0;
    if (ResetDependencyManagement(*project.get())) {
      ZORE_MSG().issueInfo(kTraitResetDone, kTraitDependencyManagementMode,
                           kTraitDependencyManagementMode);
    }
  } else if (wasReconfigurable) {
    LookupHDProject(project);  // the status does not matter: the manager gets what there is
    HandBackModule(project.get(), m_hierarchicalName);
  }
  return 1;
}

}  // namespace ZorE
