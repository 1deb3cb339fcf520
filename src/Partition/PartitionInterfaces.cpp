// Forwarding of every nested interface object to its partition. Operations
// that are slots of the partition's own table go through that table (a
// virtual call); the others call the partition's plain operations.
#include "Partition/PartitionInterfaces.h"

#include "Partition/Partition.h"

namespace ZorE {

using Port::StringBase;

// ---- IPartition ----
CitI::Status Partition_IPartition::SetRoot(bool isRoot) { return owner().SetRoot(isRoot); }
bool Partition_IPartition::IsRoot() { return owner().IsRoot(); }
StringBase Partition_IPartition::GetName() { return owner().GetName(); }
StringBase Partition_IPartition::GetHierarchicalName() { return owner().GetHierarchicalName(); }
CitI::Status Partition_IPartition::SetHierarchicalName(const StringBase& name) {
  return owner().SetHierarchicalName(name);
}
CitI::Status Partition_IPartition::SetTrait(const StringBase& name, const StringBase& value,
                                            bool overwrite) {
  return owner().SetTrait(name, value, overwrite);
}
StringBase Partition_IPartition::GetTrait(const StringBase& name) { return owner().GetTrait(name); }
Dpm::IStringIterator* Partition_IPartition::GetTraitNames() { return owner().GetTraitNames(); }
StringBase Partition_IPartition::GetTraitDefault(const StringBase& name) {
  return owner().GetTraitDefault(name);
}
Dpm::IStringIterator* Partition_IPartition::GetTraitValues(const StringBase& name) {
  return owner().GetTraitValues(name);
}
CitI::Status Partition_IPartition::SetTimestamp(ZavU::AppView view, Port::Time time) {
  return owner().SetTimestamp(view, time);
}
Port::Time Partition_IPartition::GetTimestamp(ZavU::AppView view) {
  return owner().GetTimestamp(view);
}
CitI::Status Partition_IPartition::ForceTask(ZavU::TaskID task, bool force) {
  return owner().ForceTask(task, force);
}
bool Partition_IPartition::GetForceTask(ZavU::TaskID task) { return owner().GetForceTask(task); }
CitI::Status Partition_IPartition::SetChildModifiedTimestamp(Port::Time time) {
  return owner().SetChildModifiedTimestamp(time);
}
Port::Time Partition_IPartition::GetChildModifiedTimestamp() {
  return owner().GetChildModifiedTimestamp();
}
CitI::Status Partition_IPartition::ClearChildModifiedTimestamp() {
  return owner().ClearChildModifiedTimestamp();
}
CitI::Status Partition_IPartition::SetQnlFile(const StringBase& path) {
  return owner().SetQnlFile(path);
}
StringBase Partition_IPartition::GetQnlFile() { return owner().GetQnlFile(); }
CitI::Status Partition_IPartition::AddIPFileName(const StringBase& name) {
  return owner().AddIPFileName(name);
}
Dpm::IStringIterator* Partition_IPartition::GetIPFileNames() { return owner().GetIPFileNames(); }
CitI::Status Partition_IPartition::ClearIPFileNames() { return owner().ClearIPFileNames(); }
CitI::Status Partition_IPartition::Dump() { return owner().Dump(); }
CitI::Status Partition_IPartition::SetReconfigurable(bool reconfigurable) {
  return owner().SetReconfigurable(reconfigurable);
}
bool Partition_IPartition::IsReconfigurable() { return owner().IsReconfigurable(); }
StringBase Partition_IPartition::GetProxyName(const StringBase& name) {
  return owner().GetProxyName(name);
}
CitI::Status Partition_IPartition::AddPartitionPin(const StringBase& name) {
  return owner().AddPartitionPin(name);
}
ZavU::PinRef Partition_IPartition::GetPartitionPin(const StringBase& name) {
  return owner().FindPartitionPin(name).As<ZavU::IPartitionPin>();
}
ZavU::PinRef Partition_IPartition::FindPartitionPin(const StringBase& name) {
  return owner().FindPartitionPin(name);
}
ZavU::PinRef Partition_IPartition::GetPartitionPinByProxyName(const StringBase& name) {
  return owner().FindPartitionPinByProxyName(name).As<ZavU::IPartitionPin>();
}
ZavU::PinRef Partition_IPartition::FindPartitionPinByProxyName(const StringBase& name) {
  return owner().FindPartitionPinByProxyName(name);
}
CommonI::RefCountPtr<ZavU::IPartitionPinIterator> Partition_IPartition::GetPartitionPins() {
  return owner().GetPartitionPins();
}
CitI::Status Partition_IPartition::SetIsolated(bool isolated) {
  return owner().SetIsolated(isolated);
}
bool Partition_IPartition::IsIsolated() { return owner().IsIsolated(); }

// ---- IXPartition ----
CitI::Status Partition_IXPartition::SetXmlDefined(bool defined) {
  return owner().SetXmlDefined(defined);
}
bool Partition_IXPartition::IsXmlDefined() { return owner().IsXmlDefined(); }
CitI::Status Partition_IXPartition::ReadXmlElement(const XERCES_CPP_NAMESPACE::DOMElement* element,
                                                   std::uint32_t checkFlag,
                                                   std::uint32_t formatVersion) {
  return owner().ReadXmlElement(element, checkFlag, formatVersion);
}
bool Partition_IXPartition::IsImport() { return owner().IsImport(); }
CitI::Status Partition_IXPartition::GetImportLocation(StringBase& out) {
  return owner().GetImportLocation(out);
}
bool Partition_IXPartition::ImportPreviousImplementation(ZavU::IPartition* source, bool qhvOnly) {
  return owner().ImportPreviousImplementation(source, qhvOnly);
}
bool Partition_IXPartition::ImportPartitionPins(ZavU::IPartition* source) {
  return owner().ImportPartitionPins(source);
}
CitI::Status Partition_IXPartition::WriteXmlAttributes(StringBase& text) {
  return owner().WriteXmlAttributes(text);
}
StringBase Partition_IXPartition::GetBoundaryOpt() { return owner().GetBoundaryOpt(); }
StringBase Partition_IXPartition::GetImportTag() { return owner().GetImportTag(); }

// ---- IPersist ----
CitI::Status Partition_IPersist::PersistLoad(Prjrep::IPersistStream* stream) {
  return owner().PersistLoad(stream);
}
CitI::Status Partition_IPersist::PersistSave(Prjrep::IPersistStream* stream) {
  return owner().PersistSave(stream);
}
CitI::Status Partition_IPersist::GetClassXUID(Port::XUID& out) {
  out = Partition::ClassXuid();
  return 1;
}
CitI::Status Partition_IPersist::GetXUID(Port::XUID& out) { return owner().GetXUID(out); }
CitI::Status Partition_IPersist::SetXUID(const Port::XUID& xuid) { return owner().SetXUID(xuid); }

// ---- ITclCollectable ----
CitI::Status Partition_ITclCollectable::GetName(StringBase& out) {
  out = owner().GetHierarchicalName();
  return 1;
}
CitI::Status Partition_ITclCollectable::GetType(StringBase& out) {
  out = "partition";
  return 1;
}
StringBase Partition_ITclCollectable::GetIdentifier() {
  StringBase name;
  GetName(name);
  return StringBase::doFormat("partition:%s", name.c_str());
}
bool Partition_ITclCollectable::IsReserved5() { return false; }
bool Partition_ITclCollectable::IsReserved6() { return false; }
bool Partition_ITclCollectable::GetPropertyValue(const StringBase& name, CitI::IInterface*& out) {
  return owner().GetPropertyValue(name, out);
}
CitI::Status Partition_ITclCollectable::QueryProperties(CitI::IInterface* query) {
  return owner().QueryProperties(query);
}
std::int64_t Partition_ITclCollectable::GetReserved9() { return -1; }
CitI::Status Partition_ITclCollectable::GetReserved10() { return 0; }

// ---- IPartitionFileTracking ----
CitI::Status Partition_ZavU_IPartitionFileTracking::SetPreviousDesignFile(std::int32_t state,
                                                                          const StringBase& path) {
  return owner().SetPreviousDesignFile(state, path);
}
StringBase Partition_ZavU_IPartitionFileTracking::GetPreviousDesignFile(std::int32_t state) {
  return owner().GetPreviousDesignFile(state);
}

// ---- IPartitionHierarchy ----
CommonI::RefCountPtr<ZavU::IPartition> Partition_ZavU_IPartitionHierarchy::GetParentPartition() {
  return owner().GetParentPartition();
}
CommonI::RefCountPtr<CitI::IInterface> Partition_ZavU_IPartitionHierarchy::GetChildPartitions() {
  return {};
}

// ---- IPartitionHierarchySettable ----
CitI::Status Partition_ZavU_IPartitionHierarchySettable::SetParent(
    const CommonI::RefCountPtr<ZavU::IPartition>& parent) {
  return owner().SetParent(parent.get());
}
CitI::Status Partition_ZavU_IPartitionHierarchySettable::SetHDProject(
    const Prjrep::AutoRelease<Dpm::IHDProject>& project) {
  return owner().SetHDProject(project.get());
}

// ---- IPartitionTimeTracking ----
CitI::Status Partition_ZavU_IPartitionTimeTracking::SetTimestamp(ZavU::AppView view,
                                                                 Port::Time time) {
  return owner().SetTimestamp(view, time);
}
Port::Time Partition_ZavU_IPartitionTimeTracking::GetTimestamp(ZavU::AppView view) {
  return owner().GetTimestamp(view);
}
CitI::Status Partition_ZavU_IPartitionTimeTracking::SetProcessedTimestamp(std::int32_t view,
                                                                          Port::Time time) {
  return owner().SetProcessedTimestamp(view, time);
}
Port::Time Partition_ZavU_IPartitionTimeTracking::GetProcessedTimestamp(std::int32_t view) {
  return owner().GetProcessedTimestamp(view);
}
CitI::Status Partition_ZavU_IPartitionTimeTracking::SetInterfaceTimestamp(std::int32_t view,
                                                                          Port::Time time) {
  return owner().SetInterfaceTimestamp(view, time);
}
Port::Time Partition_ZavU_IPartitionTimeTracking::GetInterfaceTimestamp(std::int32_t view) {
  return owner().GetInterfaceTimestamp(view);
}

// ---- IReconfigAssocInfo ----
bool Partition_ZavU_IReconfigAssocInfo::IsStaticLogic() {
  // Through this interface's own table, as a host override would see it.
  return !static_cast<ZavU::IReconfigAssocInfo*>(this)->IsReconfigurableLogic();
}
bool Partition_ZavU_IReconfigAssocInfo::IsReconfigurableLogic() {
  return owner().IsReconfigurableLogic();
}
bool Partition_ZavU_IReconfigAssocInfo::GetReconfigAssociation(CitI::IInterface*& assoc) {
  return owner().GetReconfigAssociation(assoc);
}
bool Partition_ZavU_IReconfigAssocInfo::GetReconfigModuleName(StringBase* out) {
  return owner().GetReconfigModuleName(out);
}
bool Partition_ZavU_IReconfigAssocInfo::GetReconfigModuleProjectLocation(StringBase* out) {
  return owner().GetReconfigModuleProjectLocation(out);
}

}  // namespace ZorE
