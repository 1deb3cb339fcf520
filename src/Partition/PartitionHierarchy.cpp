// A partition's links to its parent and design project, the project and
// parent lookups, and its collection of pins.
#include "CitP/Factory.h"
#include "Partition/Partition.h"
#include "Partition/PartitionPinList.h"
#include "Partition/PartitionTexts.h"
#include "framework/Messages.h"

namespace ZorE {

CitI::Status Partition::SetParent(ZavU::IPartition* parent) {
  m_parent = parent;  // no reference: the creator keeps the parent alive
  return 1;
}

CitI::Status Partition::SetHDProject(Dpm::IHDProject* project) {
  m_hdProject = project;  // no reference: the creator keeps the project alive
  return 1;
}

CitI::Status Partition::LookupHDProject(Prjrep::AutoRelease<Dpm::IHDProject>& out) {
  if (m_hdProject) {
    out.Share(m_hdProject);
    return 1;
  }
  // The service is a design-project object: held and dropped by that rule.
  Prjrep::AutoRelease<CitI::IInterface> service;
  service.Adopt(CitP::Factory::CreateInstance(Port::XUID(Xuids::Class_CurrentProject)));
  auto* current = CitI::QueryAs<Dpm::ICurrentProject>(service.get());
  if (!current) return 0;
  Prjrep::AutoRelease<Dpm::ICurrentProject> currentHeld;
  currentHeld.Share(current);
  service.Reset();
  return currentHeld->GetCurrentProject(out.Out(), Port::StringBase());
}

CommonI::RefCountPtr<ZavU::IPartition> Partition::LookupParent() {
  if (m_parent) return CommonI::RefCountPtr<ZavU::IPartition>(m_parent);
  Prjrep::AutoRelease<Dpm::IHDProject> project;
  if (LookupHDProject(project) != 1 || !project) return {};
  CommonI::RefCountPtr<ZavU::IPartition> self(&m_iPartition);
  ZavU::IPartition* parent = nullptr;
  project->GetParentPartition(parent, self.get());
  return CommonI::RefCountPtr<ZavU::IPartition>::Adopt(parent);
}

CommonI::RefCountPtr<ZavU::IPartition> Partition::GetParentPartition() {
  return LookupParent().As<ZavU::IPartition>();
}

CitI::Status Partition::AddPartitionPin(const Port::StringBase& name) {
  if (FindPartitionPin(name)) {
    ZORE_MSG().issueError("%s", kPinExisting);
    return 0;
  }
  CommonI::RefCountPtr<CitI::IInterface> created =
      CitP::Factory::CreateInstanceRef(Port::XUID(Xuids::ZorE_PartitionPin));
  if (!created) {
    ZORE_MSG().issueError("%s", kPinNoInterface);
    return 0;
  }
  ZavU::PinRef pin = created.As<ZavU::IPartitionPin>();
  if (!pin) {
    ZORE_MSG().issueError("%s", kPinNoComponent);
    return 0;
  }
  pin->SetName(name);
  m_pins.push_back(std::move(pin));
  return 1;
}

// The first pin in list order whose current name is `name`; the index only
// spares the walk (PinNameIndex.h).
ZavU::PinRef Partition::FindPartitionPin(const Port::StringBase& name) {
  std::size_t at = m_pinIndex.Find(m_pins, name);
  return at == PinNameIndex::npos ? ZavU::PinRef() : m_pins[at];
}

ZavU::PinRef Partition::FindPartitionPinInterface(const Port::StringBase& name) {
  return FindPartitionPin(name).As<ZavU::IPartitionPin>();
}

ZavU::PinRef Partition::FindPartitionPinByProxyName(const Port::StringBase& name) {
  return FindPartitionPin(GetNameFromProxyName(name));
}

ZavU::PinRef Partition::FindPartitionPinInterfaceByProxyName(const Port::StringBase& name) {
  return FindPartitionPinByProxyName(name).As<ZavU::IPartitionPin>();
}

void Partition::OnPinsReplaced() { m_pinIndex.Invalidate(); }

CommonI::RefCountPtr<ZavU::IPartitionPinIterator> Partition::GetPartitionPins() {
  auto* list = new PartitionPinList(this);
  list->items.reserve(m_pins.size());
  for (const ZavU::PinRef& pin : m_pins) {
    CommonI::AddRefTo(pin.get());
    list->items.push_back(pin.get());
  }
  m_pinLists.insert(list);
  // The caller's reference counts on this partition, keeping it alive while
  // the iterator is in use.
  return CommonI::RefCountPtr<ZavU::IPartitionPinIterator>(list);
}

}  // namespace ZorE
