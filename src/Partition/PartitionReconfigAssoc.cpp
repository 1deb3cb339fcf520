// Which reconfigurable module a partition belongs to. The association
// partition decides: the partition itself when it is reconfigurable or the
// root, else its nearest reconfigurable ancestor, else the top of its branch.
// Module names and project locations come from the design project's
// configuration (ConfigurationModule.cpp), except the module name of a
// partition read from the XML description, which it keeps itself. Nothing is
// cached: every call works the answer out afresh.
#include <algorithm>
#include <vector>

#include "Partition/ConfigurationModule.h"
#include "Partition/Partition.h"

namespace ZorE {

namespace {

/// The component's identity: what it answers for the root interface.
CommonI::RefCountPtr<CitI::IInterface> Identity(CitI::IInterface* object) {
  return CommonI::RefCountPtr<CitI::IInterface>(CitI::QueryAs<CitI::IInterface>(object));
}

}  // namespace

struct PartitionAssociation {
  /// The association partition of `p` and whether it is reconfigurable logic.
  /// Only m_isReconfigurable stops the walk on an ancestor, not its root flag.
  /// A walk that cannot go on (an ancestor without hierarchy interface, or a
  /// parent link that comes back to a partition already seen) ends at the last
  /// partition reached, as static logic.
  static CommonI::RefCountPtr<CitI::IInterface> Lookup(Partition& p, bool& reconfigurable) {
    reconfigurable = false;
    if (p.m_isReconfigurable || p.m_isRoot) {
      reconfigurable = p.m_isReconfigurable;
      return Identity(&p.m_iPartition);
    }
    CommonI::RefCountPtr<ZavU::IPartitionHierarchy> current(&p.m_iHierarchy);
    // Held, so an identity seen cannot be freed and its address reused.
    std::vector<CommonI::RefCountPtr<CitI::IInterface>> seen{Identity(current.get())};
    auto wasSeen = [&seen](const CommonI::RefCountPtr<CitI::IInterface>& id) {
      return std::any_of(seen.begin(), seen.end(),
                         [&id](const auto& s) { return s.get() == id.get(); });
    };
    for (;;) {
      CommonI::RefCountPtr<ZavU::IPartition> parent = current->GetParentPartition();
      if (!parent) return Identity(current.get());
      if (parent->IsReconfigurable()) {
        reconfigurable = true;
        return Identity(parent.get());
      }
      auto next = parent.As<ZavU::IPartitionHierarchy>();
      CommonI::RefCountPtr<CitI::IInterface> id = Identity(parent.get());
      if (!next || wasSeen(id)) return id;
      seen.push_back(id);
      current = next;
    }
  }
};

bool Partition::IsReconfigurableLogic() {
  bool reconfigurable = false;
  PartitionAssociation::Lookup(*this, reconfigurable);
  return reconfigurable;
}

bool Partition::GetReconfigAssociation(CitI::IInterface*& assoc) {
  bool reconfigurable = false;
  CitI::IInterface* previous = assoc;
  // The caller owns the reference the new answer carries; the one it held
  // before is dropped after the store, so an unchanged answer stays alive.
  assoc = PartitionAssociation::Lookup(*this, reconfigurable).Detach();
  CommonI::ReleaseFrom(previous);
  return assoc != nullptr;
}

bool Partition::GetReconfigModuleName(Port::StringBase* out) {
  if (!out) return false;
  out->Empty();
  if (m_isXmlDefined) {
    *out = m_reconfigModuleName;
    return true;
  }
  Prjrep::AutoRelease<CitI::IInterface> module = FindConfigurationModule(*this);
  auto* name = CitI::QueryAs<Prjrep::IName>(module.get());
  return name && name->GetName(*out) == 1;
}

bool Partition::GetReconfigModuleProjectLocation(Port::StringBase* out) {
  if (!out) return false;
  out->Empty();
  Prjrep::AutoRelease<CitI::IInterface> module = FindConfigurationModule(*this);
  Prjrep::AutoRelease<Dpm::IProject> project = ResolveProject(module.get());
  if (project) return project->GetLocation(*out) == 1;
  // No module project: the design project's own location, as a fallback the
  // caller can tell apart by the false status.
  Prjrep::AutoRelease<Dpm::IHDProject> hdProject;
  LookupHDProject(hdProject);
  if (hdProject) *out = hdProject->GetLocation();
  return false;
}

}  // namespace ZorE
