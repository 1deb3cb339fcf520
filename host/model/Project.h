// The plain types of a hierarchical-design project that the host's pieces
// share: what a project file holds (its partitions in hierarchy order, each
// with its parent's name and the description attributes kept beside it, and
// the configuration of its reconfigurable modules). Persistence writes and
// reads them; the design project and the session build and take them.
#pragma once

#include <vector>

#include "CommonI/IRefCount.h"
#include "Port/HostApi.h"
#include "Port/StringBase.h"
#include "ZavU/IPartition.h"

namespace HostModel {

/// What the partition description says of a partition that its record does
/// not keep.
struct HOST_API DescriptionAttributes {
  bool isImport = false;  // state "import" rather than "implement"
  Port::StringBase importLocation;
  Port::StringBase boundaryOpt;
  Port::StringBase importTag;
  bool isIsolated = false;
  Port::StringBase reconfigModuleName;

  friend bool operator==(const DescriptionAttributes& a, const DescriptionAttributes& b) {
    return a.isImport == b.isImport && a.importLocation == b.importLocation &&
           a.boundaryOpt == b.boundaryOpt && a.importTag == b.importTag &&
           a.isIsolated == b.isIsolated && a.reconfigModuleName == b.reconfigModuleName;
  }
};

/// One reconfigurable module of the project's configuration.
struct HOST_API ModuleAssignment {
  /// The hierarchical name of the partition the module implements (its PR
  /// module's name).
  Port::StringBase partition;
  /// The module's name (the partition's ReconfigModuleName).
  Port::StringBase moduleName;
  /// The location of the project implementing the module; empty for this
  /// project.
  Port::StringBase location;

  friend bool operator==(const ModuleAssignment& a, const ModuleAssignment& b) {
    return a.partition == b.partition && a.moduleName == b.moduleName && a.location == b.location;
  }
};
using Configuration = std::vector<ModuleAssignment>;

struct HOST_API PartitionEntry {
  CommonI::RefCountPtr<ZavU::IPartition> partition;
  /// The parent's hierarchical name; empty for the root.
  Port::StringBase parentName;
  DescriptionAttributes attrs;
};

struct HOST_API ProjectImage {
  Port::StringBase name;
  /// In hierarchy order: every parent before its children.
  std::vector<PartitionEntry> partitions;
  /// The reconfigurable modules, kept in a section of their own.
  Configuration configuration = {};
};

}  // namespace HostModel
