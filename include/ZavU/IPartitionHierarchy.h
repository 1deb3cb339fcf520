// A partition's place in the hierarchy: its parent, and the links its
// creator sets (parent and design project, held without references).
//
// Whoever sets a link keeps its target alive while it is set, and clears it
// (a null link) before the target goes if the partition may outlive it, as
// HostProject::DesignProject does for the partitions it holds. A partition
// without a project link asks the host's current project (the service of
// Xuids::Class_CurrentProject) wherever it needs its project: parent, traits,
// reconfigurable modules, Tcl view. Nothing here throws; the library
// catches nothing a host service throws.
#pragma once

#include "CommonI/IRefCount.h"
#include "Prjrep/IRefCount.h"
#include "ZavU/IPartition.h"

namespace Dpm {
class IHDProject;
}

namespace ZavU {

class IPartitionHierarchy : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(ZavU_IPartitionHierarchy)
  /// Slot 2: the parent with a reference of its own: the parent link, or
  /// without one the design project's answer (Dpm::IHDProject slot 24).
  /// Empty for none, and for a partition that has no project either.
  virtual CommonI::RefCountPtr<IPartition> GetParentPartition() = 0;
  /// Slot 3: children are known to the design project, not to the
  /// partition; this always answers an empty reference.
  virtual CommonI::RefCountPtr<CitI::IInterface> GetChildPartitions() = 0;
};

class IPartitionHierarchySettable : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(ZavU_IPartitionHierarchySettable)
  /// Slot 2: stores the parent's pointer; the caller keeps it alive. An empty
  /// reference clears the link. Always 1.
  virtual CitI::Status SetParent(const CommonI::RefCountPtr<IPartition>& parent) = 0;
  /// Slot 3: stores the pointer the caller's reference holds; the caller
  /// keeps the project alive, and may drop its holder at once. An empty
  /// holder clears the link. Always 1.
  virtual CitI::Status SetHDProject(const Prjrep::AutoRelease<Dpm::IHDProject>& project) = 0;
  ZORE_RESERVED_SLOT(4)
};

}  // namespace ZavU
