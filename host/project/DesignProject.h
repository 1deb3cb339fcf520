// The host's hierarchical-design project: the partitions of one design, each
// known by the hierarchical name it had when it was added, with its parent
// and its children in the order they were added.
//
// The project holds one reference on each partition. Adding a partition
// under its parent also links it (IPartitionHierarchySettable: SetParent and
// SetHDProject), so the partition finds its parent and project without asking
// the host; the project unlinks its partitions again when it is destroyed, so
// a partition that outlives it never points at it.
//
// The project is in the Partial Reconfiguration flow when any of its
// partitions is marked reconfigurable, unless the host has said otherwise
// with SetPartialReconfigFlow.
//
// Its up-to-date query follows the rule in project/UpToDate.h; the query
// names a partition by its simple name, and where several share one, the
// first added answers. The project also answers Dpm::IHDProjectData: the
// partition library hands that on to the partition helper, which asks it
// for parents (operation 24).
// A project given its design data (SetDesignData: the configuration's
// modules) answers a project helper, through which the library finds the
// configuration; one without answers none, and the library reaches the
// configuration through the project repository at the project's location
// (Configuration.h).
//
//   auto project = HostProject::DesignProject::Create("/work/demo");
//   project->AddPartition(root.get(), nullptr);
//   project->AddPartition(child.get(), root.get());
//   for (auto& p : project->DepthFirst()) p->Dump();   // root first
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "Dpm/IHDProject.h"
#include "Port/HostApi.h"
#include "ZavU/IPartition.h"
#include "model/ServiceObject.h"
#include "persist/ProjectFile.h"

namespace HostProject {

class PRModuleManager;

class HOST_API DesignProject final
    : public HostModel::TServiceObject<Dpm::IHDProject, Dpm::IPRProject, Dpm::IUpToDate,
                                       Dpm::IHDProjectData> {
 public:
  using PartitionRef = CommonI::RefCountPtr<ZavU::IPartition>;

  /// A new empty project whose location is `location`.
  static Prjrep::AutoRelease<DesignProject> Create(const Port::StringBase& location);
  /// The project behind a Dpm::IHDProject of this host, or null.
  static DesignProject* FromInterface(Dpm::IHDProject* project);

  // ---- what the host does with its project ----
  /// Adds `partition` under `parent` (null: a top-level partition) and links
  /// it. Refused (false) for a null partition, a partition or hierarchical
  /// name already in the project, or a parent the project does not hold.
  bool AddPartition(ZavU::IPartition* partition, ZavU::IPartition* parent);
  /// The partition added under `hierarchicalName`, or empty.
  PartitionRef Find(const Port::StringBase& hierarchicalName) const;
  /// One step of the walk of the hierarchy: a partition, where its parent
  /// stands in the walk (-1 for a top-level partition) and its depth (0 for
  /// a top-level partition).
  struct Step {
    PartitionRef partition;
    int parent;
    int depth;
  };
  /// Every partition, top-level partitions first in the order added, each
  /// followed by its children depth first, in the order added: the one walk
  /// of the hierarchy, parents before their children.
  std::vector<Step> Walk() const;
  /// The partitions of the walk, alone.
  std::vector<PartitionRef> DepthFirst() const;
  /// A partition of the walk as the project holds it: the name it was added
  /// under and the partition, no reference taken, valid while the project
  /// is unchanged. For walks that read names alone: the partitions' own
  /// memory is not touched.
  struct Listed {
    const Port::StringBase* name;
    ZavU::IPartition* partition;
  };
  std::vector<Listed> Listing() const;
  std::size_t PartitionCount() const { return m_entries.size(); }
  /// Overrides the flow rule: true or false from now on, or (nullopt) back
  /// to "any partition reconfigurable".
  void SetPartialReconfigFlow(std::optional<bool> inFlow) { m_prFlow = inFlow; }
  /// The project's module manager (reached by the library through the
  /// partial-reconfiguration solution helper).
  PRModuleManager& ModuleManager() const { return *m_moduleManager.get(); }
  /// Gives the project design data holding a configuration of `modules`.
  void SetDesignData(const HostModel::Configuration& modules) { m_designData = modules; }
  /// The project file the project was opened from: the repository at the
  /// project's location stands for it while the project is current
  /// (Naming.h). Empty for a project read from a description.
  void SetProjectFile(std::string file) { m_projectFile = std::move(file); }
  const std::string& ProjectFile() const { return m_projectFile; }
  const Port::StringBase& Location() const { return m_location; }
  Dpm::IHDProject* AsHDProject() { return this; }

  // ---- Dpm::IHDProject ----
  Port::StringBase GetLocation() override { return m_location; }
  /// The project helper of a project with design data, with a reference;
  /// null for a project without.
  CitI::IInterface* GetHelper() override;
  /// The partition itself is its entry: status 1 and the partition with a
  /// reference, or 0 and null.
  CitI::Status GetPartitionEntry(CitI::IInterface*& out,
                                 const Port::StringBase& hierarchicalName) override;
  /// Every partition in the order added.
  CitI::Status GetPartitions(Dpm::IPartitionIterator*& out) override;
  /// Status 1 for a partition of this project (its parent, or null for a
  /// top-level one); 0 and null for another.
  CitI::Status GetParentPartition(ZavU::IPartition*& out, ZavU::IPartition* partition) override;
  /// Status 1 and the children in the order added; 0 and null for a
  /// partition of another project.
  CitI::Status GetChildPartitions(Dpm::IPartitionIterator*& out,
                                  ZavU::IPartition* partition) override;

  // ---- Dpm::IPRProject ----
  bool IsPartialReconfigFlow() override;

  // ---- Dpm::IUpToDate ----
  /// 2 up to date, 1 not (`reason` says which condition failed), 0 for a
  /// name no partition of the project has.
  std::int32_t IsUpToDate(const Port::StringBase& name, std::int32_t synthesis,
                          Port::StringBase& reason) override;

 private:
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  struct Entry {
    PartitionRef partition;
    Port::StringBase name;  // hierarchical name when added
    std::size_t parent = kNone;
    std::vector<std::size_t> children;
  };

  explicit DesignProject(const Port::StringBase& location);
  ~DesignProject() override;

  std::size_t IndexOf(ZavU::IPartition* partition) const;
  /// Where an entry stands in the walk: its index, its parent's place in the
  /// walk and its depth.
  struct Placed {
    std::size_t entry;
    int parent;
    int depth;
  };
  std::vector<Placed> Placement() const;

  Port::StringBase m_location;
  std::vector<Entry> m_entries;  // in the order added
  std::unordered_map<std::string, std::size_t> m_byName;
  std::unordered_map<ZavU::IPartition*, std::size_t> m_byPartition;
  std::unordered_map<std::string, std::size_t> m_bySimpleName;  // the first added
  std::optional<bool> m_prFlow;
  std::optional<HostModel::Configuration> m_designData;
  std::string m_projectFile;
  Prjrep::AutoRelease<PRModuleManager> m_moduleManager;
};

}  // namespace HostProject
