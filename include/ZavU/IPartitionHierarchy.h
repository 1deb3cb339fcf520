// A partition's place in the hierarchy: its parent, and the links its
// creator sets (parent and design project, held without references).
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
  /// Slot 2: the parent with a reference of its own; empty for none.
  virtual CommonI::RefCountPtr<IPartition> GetParentPartition() = 0;
  /// Slot 3: children are known to the design project, not to the
  /// partition; this always answers an empty reference.
  virtual CommonI::RefCountPtr<CitI::IInterface> GetChildPartitions() = 0;
};

class IPartitionHierarchySettable : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(ZavU_IPartitionHierarchySettable)
  /// Slot 2: stores the parent's pointer; the caller keeps it alive.
  virtual CitI::Status SetParent(const CommonI::RefCountPtr<IPartition>& parent) = 0;
  /// Slot 3: stores the pointer the caller's reference holds; the caller
  /// keeps the project alive.
  virtual CitI::Status SetHDProject(const Prjrep::AutoRelease<Dpm::IHDProject>& project) = 0;
  ZORE_RESERVED_SLOT(4)
};

}  // namespace ZavU
