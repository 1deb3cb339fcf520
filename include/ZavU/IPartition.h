// The main interface of a partition: one named instance of the design
// hierarchy that the flow either implements afresh or imports from an
// exported implementation. Names, flags, traits, timestamps, forced tasks,
// the QNL file, IP file names and pins are reached through it.
//
// Across this interface only the trait operations and SetReconfigurable
// throw (Port::Exception, with the message's text); the others report
// through the message manager and answer a status. The string lists it
// hands out belong to the caller, which destroys them with `delete` while
// their partition lives (never Release); pins come with a reference of
// their own; the pin list comes in a reference a ZavU::OwnedPinList holds.
#pragma once

#include "CitI/IInterface.h"
#include "CommonI/IRefCount.h"
#include "Dpm/IString.h"
#include "Port/StringBase.h"
#include "Port/UtTime.h"
#include "ZavU/AppView.h"
#include "ZavU/IPartitionPin.h"
#include "ZavU/IPartitionPinIterator.h"

namespace ZavU {

using PinRef = CommonI::RefCountPtr<IPartitionPin>;

class IPartition : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(ZavU_IPartition)
  virtual CitI::Status SetRoot(bool isRoot) = 0;                               // 2
  virtual bool IsRoot() = 0;                                                   // 3
  virtual Port::StringBase GetName() = 0;                                      // 4
  virtual Port::StringBase GetHierarchicalName() = 0;                          // 5
  virtual CitI::Status SetHierarchicalName(const Port::StringBase& name) = 0;  // 6
  /// Slot 7. Throws for a name that is no trait, a value that is not legal,
  /// "inherit" on the root, and dependency_management_mode other than
  /// "inherit" in a partial-reconfiguration project; nothing is stored then.
  virtual CitI::Status SetTrait(const Port::StringBase& name, const Port::StringBase& value,
                                bool overwrite) = 0;
  /// Slots 8 to 11. GetTrait, GetTraitDefault and GetTraitValues throw for a
  /// name that is no trait. The two lists belong to the caller (`delete`).
  virtual Port::StringBase GetTrait(const Port::StringBase& name) = 0;             // 8
  virtual Dpm::IStringIterator* GetTraitNames() = 0;                               // 9
  virtual Port::StringBase GetTraitDefault(const Port::StringBase& name) = 0;      // 10
  virtual Dpm::IStringIterator* GetTraitValues(const Port::StringBase& name) = 0;  // 11
  virtual CitI::Status SetTimestamp(AppView view, Port::Time time) = 0;            // 12
  virtual Port::Time GetTimestamp(AppView view) = 0;                               // 13
  virtual CitI::Status ForceTask(TaskID task, bool force) = 0;                     // 14
  virtual bool GetForceTask(TaskID task) = 0;                                      // 15
  virtual CitI::Status SetChildModifiedTimestamp(Port::Time time) = 0;             // 16
  virtual Port::Time GetChildModifiedTimestamp() = 0;                              // 17
  virtual CitI::Status ClearChildModifiedTimestamp() = 0;                          // 18
  virtual CitI::Status SetQnlFile(const Port::StringBase& path) = 0;               // 19
  virtual Port::StringBase GetQnlFile() = 0;                                       // 20
  virtual CitI::Status AddIPFileName(const Port::StringBase& name) = 0;            // 21
  /// Slot 22: a list that belongs to the caller (`delete`).
  virtual Dpm::IStringIterator* GetIPFileNames() = 0;
  virtual CitI::Status ClearIPFileNames() = 0;                                     // 23
  virtual CitI::Status Dump() = 0;                                                 // 24
  /// Slot 25. Throws when a partition it resets refuses the default
  /// dependency_management_mode; the partitions reset before it stay reset.
  virtual CitI::Status SetReconfigurable(bool reconfigurable) = 0;
  virtual bool IsReconfigurable() = 0;                                             // 26
  virtual Port::StringBase GetProxyName(const Port::StringBase& name) = 0;         // 27
  virtual CitI::Status AddPartitionPin(const Port::StringBase& name) = 0;          // 28
  virtual PinRef GetPartitionPin(const Port::StringBase& name) = 0;                // 29
  virtual PinRef FindPartitionPin(const Port::StringBase& name) = 0;               // 30
  virtual PinRef GetPartitionPinByProxyName(const Port::StringBase& name) = 0;     // 31
  virtual PinRef FindPartitionPinByProxyName(const Port::StringBase& name) = 0;    // 32
  /// Slot 33: a snapshot of the pins, kept in a ZavU::OwnedPinList.
  virtual CommonI::RefCountPtr<IPartitionPinIterator> GetPartitionPins() = 0;
  virtual CitI::Status SetIsolated(bool isolated) = 0;                             // 34
  virtual bool IsIsolated() = 0;                                                   // 35
};

}  // namespace ZavU
