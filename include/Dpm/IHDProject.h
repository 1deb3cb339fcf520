// The hierarchical-design project as the partition library sees it: its
// location, its partitions and their parents and children, the current
// project service, and the project's partial-reconfiguration and up-to-date
// queries. Out arguments receive an object carrying one reference for the
// caller, dropped by the rule of Prjrep/IRefCount.h.
//
// The host implements all of these and the library calls them. What it
// expects of an implementation:
//  - Every out argument is null when the library calls, and null back means
//    none. The library drops the reference it receives when done, keeping
//    nothing between calls; partitions it receives (IPartitionIterator,
//    GetParentPartition) it drops through CommonI::IRefCount.
//  - Statuses are not looked at unless an operation says so.
//  - Answer rather than throw: the library catches nothing, so an exception
//    leaves through the partition operation that asked, after the library
//    has dropped what it held; what that operation did before stays done.
#pragma once

#include <cstdint>

#include "CitI/IInterface.h"
#include "Port/StringBase.h"

namespace ZavU {
class IPartition;
}

namespace Dpm {

/// An enumeration of partitions of a project.
class IPartitionIterator : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_IPartitionIterator)
  /// Slot 2: the current partition with a reference, or null at the end.
  /// The library skips a null partition.
  virtual CitI::Status GetCurrent(ZavU::IPartition*& out) = 0;
  virtual CitI::Status First() = 0;  // 3
  virtual CitI::Status Next() = 0;   // 4
  virtual bool IsDone() = 0;         // 5
};

class IHDProject : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_IHDProject)
  /// Slot 2: the project's location (its directory). It names the project
  /// repository asked for the configuration, and is the module location of
  /// last resort (ZavU::IReconfigAssocInfo).
  virtual Port::StringBase GetLocation() = 0;
  /// Slot 3: an object that may answer Dpm::IProjectHelper, with a
  /// reference, or null. Without a helper the library reads the
  /// configuration through the project repository (Prjrep/IAutonym.h).
  virtual CitI::IInterface* GetHelper() = 0;
  ZORE_RESERVED_SLOT(4)
  ZORE_RESERVED_SLOT(5)
  ZORE_RESERVED_SLOT(6)
  ZORE_RESERVED_SLOT(7)
  ZORE_RESERVED_SLOT(8)
  ZORE_RESERVED_SLOT(9)
  ZORE_RESERVED_SLOT(10)
  ZORE_RESERVED_SLOT(11)
  ZORE_RESERVED_SLOT(12)
  ZORE_RESERVED_SLOT(13)
  ZORE_RESERVED_SLOT(14)
  ZORE_RESERVED_SLOT(15)
  /// Slot 16: the project's entry for the partition of that hierarchical
  /// name, or null. The library only tests it: a partition without an entry
  /// answers no Tcl property value (UtilI::ITclCollectable).
  virtual CitI::Status GetPartitionEntry(CitI::IInterface*& out,
                                         const Port::StringBase& hierarchicalName) = 0;
  ZORE_RESERVED_SLOT(17)
  ZORE_RESERVED_SLOT(18)
  ZORE_RESERVED_SLOT(19)
  /// Slot 20: an enumeration of every partition of the project, walked from
  /// First. Asked when a partition is marked reconfigurable, to reset every
  /// partition's dependency_management_mode; null: nothing to reset.
  virtual CitI::Status GetPartitions(IPartitionIterator*& out) = 0;
  ZORE_RESERVED_SLOT(21)
  ZORE_RESERVED_SLOT(22)
  ZORE_RESERVED_SLOT(23)
  /// Slot 24: `partition`'s parent with a reference; null when it has none.
  /// Asked for a partition without a parent link.
  virtual CitI::Status GetParentPartition(ZavU::IPartition*& out, ZavU::IPartition* partition) = 0;
  ZORE_RESERVED_SLOT(25)
  ZORE_RESERVED_SLOT(26)
  /// Slot 27: an enumeration of `partition`'s children, for the Tcl view.
  /// The library walks it from where it stands, without First: hand it out
  /// at its first child. Null: no children.
  virtual CitI::Status GetChildPartitions(IPartitionIterator*& out,
                                          ZavU::IPartition* partition) = 0;
};

/// The current-project service: which project the host is working on. The
/// library creates it (Xuids::Class_CurrentProject) each time a partition
/// without a project link needs its project, and drops it after the call.
class ICurrentProject : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_ICurrentProject)
  ZORE_RESERVED_SLOT(2)
  ZORE_RESERVED_SLOT(3)
  ZORE_RESERVED_SLOT(4)
  ZORE_RESERVED_SLOT(5)
  ZORE_RESERVED_SLOT(6)
  /// Slot 7: the current project with a reference; status 1 when there is one.
  /// The library uses the project only with status 1; `name` is empty.
  virtual CitI::Status GetCurrentProject(IHDProject*& out, const Port::StringBase& name) = 0;
};

/// The project's partial-reconfiguration query, asked of the design project
/// when a partition's dependency_management_mode is set to anything but
/// "inherit": in the flow, SetTrait throws. A project that does not answer
/// it is not in the flow.
class IPRProject : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_IPRProject)
  /// Slot 2: whether the project is in the Partial Reconfiguration flow.
  virtual bool IsPartialReconfigFlow() = 0;
};

/// The project's up-to-date query, asked of the design project for the Tcl
/// view's up_to_date_synthesis and up_to_date_implementation; a project that
/// does not answer it gives them no value.
class IUpToDate : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_IUpToDate)
  /// Slot 2: 2 when the partition of that simple name is up to date for
  /// synthesis (`synthesis` 1) or implementation (0); `reason` says why not.
  /// The library passes the partition's simple name and only traces `reason`.
  virtual std::int32_t IsUpToDate(const Port::StringBase& name, std::int32_t synthesis,
                                  Port::StringBase& reason) = 0;
};

/// The project interface handed on to the partition helper, asked of the
/// design project and lent without a reference; null when not answered.
class IHDProjectData : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Dpm_IHDProjectData)
};

}  // namespace Dpm
