// The nested interface objects of a partition. Each one forwards its
// operations to the owning Partition, either to a slot of the partition's own
// table or to a plain operation; the slot order of each is its interface's.
#pragma once

#include "Prjrep/IPersist.h"
#include "UtilI/ITclCollectable.h"
#include "ZavU/IPartition.h"
#include "ZavU/IPartitionHierarchy.h"
#include "ZavU/IPartitionTracking.h"
#include "ZavU/IReconfigAssocInfo.h"
#include "ZavU/IXPartition.h"
#include "framework/TNested.h"

namespace ZorE {

class Partition;

class Partition_IPartition final : public TNested<Partition, ZavU::IPartition> {
 public:
  using TNested::TNested;
  CitI::Status SetRoot(bool isRoot) override;
  bool IsRoot() override;
  Port::StringBase GetName() override;
  Port::StringBase GetHierarchicalName() override;
  CitI::Status SetHierarchicalName(const Port::StringBase& name) override;
  CitI::Status SetTrait(const Port::StringBase& name, const Port::StringBase& value,
                        bool overwrite) override;
  Port::StringBase GetTrait(const Port::StringBase& name) override;
  Dpm::IStringIterator* GetTraitNames() override;
  Port::StringBase GetTraitDefault(const Port::StringBase& name) override;
  Dpm::IStringIterator* GetTraitValues(const Port::StringBase& name) override;
  CitI::Status SetTimestamp(ZavU::AppView view, Port::Time time) override;
  Port::Time GetTimestamp(ZavU::AppView view) override;
  CitI::Status ForceTask(ZavU::TaskID task, bool force) override;
  bool GetForceTask(ZavU::TaskID task) override;
  CitI::Status SetChildModifiedTimestamp(Port::Time time) override;
  Port::Time GetChildModifiedTimestamp() override;
  CitI::Status ClearChildModifiedTimestamp() override;
  CitI::Status SetQnlFile(const Port::StringBase& path) override;
  Port::StringBase GetQnlFile() override;
  CitI::Status AddIPFileName(const Port::StringBase& name) override;
  Dpm::IStringIterator* GetIPFileNames() override;
  CitI::Status ClearIPFileNames() override;
  CitI::Status Dump() override;
  CitI::Status SetReconfigurable(bool reconfigurable) override;
  bool IsReconfigurable() override;
  Port::StringBase GetProxyName(const Port::StringBase& name) override;
  CitI::Status AddPartitionPin(const Port::StringBase& name) override;
  ZavU::PinRef GetPartitionPin(const Port::StringBase& name) override;
  ZavU::PinRef FindPartitionPin(const Port::StringBase& name) override;
  ZavU::PinRef GetPartitionPinByProxyName(const Port::StringBase& name) override;
  ZavU::PinRef FindPartitionPinByProxyName(const Port::StringBase& name) override;
  CommonI::RefCountPtr<ZavU::IPartitionPinIterator> GetPartitionPins() override;
  CitI::Status SetIsolated(bool isolated) override;
  bool IsIsolated() override;
};

class Partition_IXPartition final : public TNested<Partition, ZavU::IXPartition> {
 public:
  using TNested::TNested;
  CitI::Status SetXmlDefined(bool defined) override;
  bool IsXmlDefined() override;
  CitI::Status ReadXmlElement(const XERCES_CPP_NAMESPACE::DOMElement* element,
                              std::uint32_t checkFlag, std::uint32_t formatVersion) override;
  bool IsImport() override;
  CitI::Status GetImportLocation(Port::StringBase& out) override;
  bool ImportPreviousImplementation(ZavU::IPartition* source, bool qhvOnly) override;
  bool ImportPartitionPins(ZavU::IPartition* source) override;
  CitI::Status WriteXmlAttributes(Port::StringBase& text) override;
  Port::StringBase GetBoundaryOpt() override;
  Port::StringBase GetImportTag() override;
};

class Partition_IPersist final : public TNested<Partition, Prjrep::IPersist> {
 public:
  using TNested::TNested;
  CitI::Status PersistLoad(Prjrep::IPersistStream* stream) override;
  CitI::Status PersistSave(Prjrep::IPersistStream* stream) override;
  CitI::Status GetClassXUID(Port::XUID& out) override;
  CitI::Status GetXUID(Port::XUID& out) override;
  CitI::Status SetXUID(const Port::XUID& xuid) override;
};

class Partition_ITclCollectable final : public TNested<Partition, UtilI::ITclCollectable> {
 public:
  using TNested::TNested;
  CitI::Status GetName(Port::StringBase& out) override;
  CitI::Status GetType(Port::StringBase& out) override;
  Port::StringBase GetIdentifier() override;
  bool IsReserved5() override;
  bool IsReserved6() override;
  bool GetPropertyValue(const Port::StringBase& name, CitI::IInterface*& out) override;
  CitI::Status QueryProperties(CitI::IInterface* query) override;
  std::int64_t GetReserved9() override;
  CitI::Status GetReserved10() override;
};

class Partition_ZavU_IPartitionFileTracking final
    : public TNested<Partition, ZavU::IPartitionFileTracking> {
 public:
  using TNested::TNested;
  CitI::Status SetPreviousDesignFile(std::int32_t state, const Port::StringBase& path) override;
  Port::StringBase GetPreviousDesignFile(std::int32_t state) override;
};

class Partition_ZavU_IPartitionHierarchy final
    : public TNested<Partition, ZavU::IPartitionHierarchy> {
 public:
  using TNested::TNested;
  CommonI::RefCountPtr<ZavU::IPartition> GetParentPartition() override;
  CommonI::RefCountPtr<CitI::IInterface> GetChildPartitions() override;
};

class Partition_ZavU_IPartitionHierarchySettable final
    : public TNested<Partition, ZavU::IPartitionHierarchySettable> {
 public:
  using TNested::TNested;
  CitI::Status SetParent(const CommonI::RefCountPtr<ZavU::IPartition>& parent) override;
  CitI::Status SetHDProject(const Prjrep::AutoRelease<Dpm::IHDProject>& project) override;
};

class Partition_ZavU_IPartitionTimeTracking final
    : public TNested<Partition, ZavU::IPartitionTimeTracking> {
 public:
  using TNested::TNested;
  CitI::Status SetTimestamp(ZavU::AppView view, Port::Time time) override;
  Port::Time GetTimestamp(ZavU::AppView view) override;
  CitI::Status SetProcessedTimestamp(std::int32_t view, Port::Time time) override;
  Port::Time GetProcessedTimestamp(std::int32_t view) override;
  CitI::Status SetInterfaceTimestamp(std::int32_t view, Port::Time time) override;
  Port::Time GetInterfaceTimestamp(std::int32_t view) override;
};

class Partition_ZavU_IReconfigAssocInfo final
    : public TNested<Partition, ZavU::IReconfigAssocInfo> {
 public:
  using TNested::TNested;
  bool IsStaticLogic() override;
  bool IsReconfigurableLogic() override;
  bool GetReconfigAssociation(CitI::IInterface*& assoc) override;
  bool GetReconfigModuleName(Port::StringBase* out) override;
  bool GetReconfigModuleProjectLocation(Port::StringBase* out) override;
};

}  // namespace ZorE
