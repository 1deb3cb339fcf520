// Construction, destruction and interface lookup of a partition; its naming,
// flags, proxy names, QNL file and IP file names.
#include "Partition/Partition.h"

#include "Partition/PartitionPinList.h"
#include "Partition/PartitionStringList.h"
#include "Partition/PartitionTexts.h"
#include "Partition/TraitTable.h"
#include "Port/FileName.h"
#include "framework/LiveObjects.h"
#include "framework/Messages.h"

namespace ZorE {

Partition::Partition() {
  m_processedTimestamps.fill(-1);
  m_interfaceChangeTimestamps.fill(-1);
  TraitTable::Instance();  // the first partition builds the process-wide table
  NoteComponentConstructed();
}

Partition::~Partition() {
  Port_MsgManData::debugStub("%s", kPartitionGoneTrace);
  m_tclHelper.Reset();
  m_tclProperties.clear();
  // Lists still handed out are reclaimed now: each drops its own pin
  // references, and must not call back into this dying partition.
  for (PartitionPinList* list : std::set<PartitionPinList*>(std::move(m_pinLists))) {
    list->DetachFromOwner();
    delete list;
  }
  for (PartitionStringList* list : std::set<PartitionStringList*>(std::move(m_stringLists))) {
    list->DetachFromOwner();
    delete list;
  }
  // Pins are released last to first; a pin held elsewhere lives on.
  while (!m_pins.empty()) m_pins.pop_back();
  NoteComponentDestroyed();
}

CitI::IInterface* Partition::Lookup(const Port::XUID& iid) {
  using P = Partition;
  static const TLookupEntry<P> table[] = {
      {ZavU::IPartition::kIID, Embedded<P, &P::m_iPartition>},
      {CommonI::IRefCount::kIID, Embedded<P, &P::m_refCount>},
      {Prjrep::IPersist::kIID, Embedded<P, &P::m_iPersist>},
      {UtilI::ITclCollectable::kIID, Embedded<P, &P::m_iTclCollectable>},
      {ZavU::IPartitionFileTracking::kIID, Embedded<P, &P::m_iFileTracking>},
      {ZavU::IPartitionHierarchy::kIID, Embedded<P, &P::m_iHierarchy>},
      {ZavU::IPartitionHierarchySettable::kIID, Embedded<P, &P::m_iHierarchySettable>},
      {ZavU::IPartitionTimeTracking::kIID, Embedded<P, &P::m_iTimeTracking>},
      {ZavU::IReconfigAssocInfo::kIID, Embedded<P, &P::m_iReconfigAssocInfo>},
      {ZavU::IXPartition::kIID, Embedded<P, &P::m_iXPartition>},
      {CitI::IInterface::kIID, Embedded<P, &P::m_iPersist>},
  };
  return LookupInTable(table, *this, iid);
}

CitI::Status Partition::SetRoot(bool isRoot) {
  m_isRoot = isRoot;
  return 1;
}
bool Partition::IsRoot() { return m_isRoot; }
bool Partition::IsReconfigurable() { return m_isReconfigurable; }
CitI::Status Partition::SetIsolated(bool isolated) {
  m_isIsolated = isolated;
  return 1;
}
bool Partition::IsIsolated() { return m_isIsolated; }
CitI::Status Partition::SetXmlDefined(bool defined) {
  m_isXmlDefined = defined;
  return 1;
}
bool Partition::IsXmlDefined() { return m_isXmlDefined; }
Port::StringBase Partition::GetBoundaryOpt() { return m_boundaryOpt; }
Port::StringBase Partition::GetImportTag() { return m_importTag; }
bool Partition::IsImport() { return m_isImport; }

CitI::Status Partition::GetImportLocation(Port::StringBase& out) const {
  out = m_importLocation;
  return 1;
}

Port::StringBase Partition::GetProxyName(const Port::StringBase& name) {
  Port::StringBase proxy(name);
  proxy.Append(kProxySuffix);
  return proxy;
}

Port::StringBase Partition::GetNameFromProxyName(const Port::StringBase& name) {
  Port::StringBase base(name);
  int at = base.GetIndexOfString(kProxySuffix, Port::kCompareExact);
  if (at >= 0) base.Truncate(static_cast<std::size_t>(at));  // no suffix: the name itself
  return base;
}

CitI::Status Partition::SetName(const Port::StringBase& name) {
  m_name = name;
  return 1;
}

CitI::Status Partition::SetHierarchicalName(const Port::StringBase& name) {
  m_hierarchicalName = name;
  SetName(name);
  return 1;
}

CitI::Status Partition::SetQnlFile(const Port::StringBase& path) {
  m_previousFiles[ZavU::QNL] = path.IsEmpty() ? path : Port::FileName(path).GetAbsolutePath(false);
  return 1;
}
Port::StringBase Partition::GetQnlFile() const { return m_previousFiles[ZavU::QNL]; }

CitI::Status Partition::AddIPFileName(const Port::StringBase& name) {
  m_ipFiles.push_back(name);
  return 1;
}
Dpm::IStringIterator* Partition::GetIPFileNames() { return HandOutStringList(m_ipFiles); }
CitI::Status Partition::ClearIPFileNames() {
  m_ipFiles.clear();
  return 1;
}

Dpm::IStringIterator* Partition::AdoptStringList(PartitionStringList* list) {
  m_stringLists.insert(list);
  return list;
}

CitI::Status Partition::GetXUID(Port::XUID& out) const {
  out = m_xuid;
  return 1;
}
CitI::Status Partition::SetXUID(const Port::XUID& xuid) {
  m_xuid = xuid;
  return 1;
}

}  // namespace ZorE
