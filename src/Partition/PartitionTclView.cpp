// The partition as a Tcl collectable object: its thirteen named properties,
// their values computed on request and carried by the value objects of the
// host's Tcl helper library, and the forwarding of property queries to the
// property-name registry.
//
// The registry and one value object per property are created on the first
// request (loading "libTcltask_Helpers" when their classes are missing) and
// kept for the partition's life; every successful request overwrites the
// property's value and hands out that same object again. Effective trait
// values come from the partition helper of "devAreD_PartitionHelper". No
// message is issued except the debug trace of the up-to-date properties.
#include "CitP/Factory.h"
#include "Partition/Partition.h"
#include "Partition/PartitionTexts.h"
#include "Partition/TraitTable.h"
#include "Port/MsgMan.h"
#include "ZavU/IReconfigAssocInfo.h"

namespace ZorE {

namespace {

using Tcltask::ITclPropertyValue;
using Project = Prjrep::AutoRelease<Dpm::IHDProject>;

// The project's answer of its up-to-date query that means "up to date".
constexpr std::int32_t kUpToDateStatus = 2;

/// A new object of `classXuid` seen as I; when the class cannot be made,
/// `library` is loaded and the creation tried once more. Empty on failure.
template <class I>
CommonI::RefCountPtr<I> CreateOrLoad(Port::XuidWords classXuid, const char* library) {
  const Port::XUID xuid(classXuid);
  CommonI::RefCountPtr<I> made = CitP::Factory::CreateInstanceRef(xuid).template As<I>();
  if (!made && library) {
    CitP::Factory::LoadLibraryFactory(library);
    made = CitP::Factory::CreateInstanceRef(xuid).template As<I>();
  }
  return made;
}

CitI::Status SetText(ITclPropertyValue& value, const Port::StringBase& text) {
  value.SetString(text);
  return 1;
}

// ---- the getters: each sets the value object's value and answers 1, or
// answers 0 when it cannot produce a value ----

template <Port::StringBase (Partition::*Get)() const>
CitI::Status GetNameField(Partition& p, ITclPropertyValue& value) {
  return SetText(value, (p.*Get)());
}

template <const char* const* Trait>
CitI::Status GetTraitValue(Partition& p, ITclPropertyValue& value) {
  return SetText(value, p.GetTrait(*Trait));
}

template <const char* const* Trait>
CitI::Status GetEffectiveTraitValue(Partition& p, ITclPropertyValue& value) {
  Project project;
  if (p.LookupHDProject(project) != 1 || !project) return 0;
  CommonI::RefCountPtr<ZavU::IPartitionHelper> helper = CreateOrLoad<ZavU::IPartitionHelper>(
      Xuids::Class_PartitionHelper, kTclPartitionHelperLibrary);
  if (!helper) return 0;
  auto* projectData = CitI::QueryAs<Dpm::IHDProjectData>(project.get());
  CommonI::RefCountPtr<ZavU::IPartition> self(p.Self());
  return SetText(value, helper->GetEffectiveTraitValue(*Trait, self.get(), projectData));
}

/// `synthesis` 1 asks for synthesis, 0 for implementation.
template <std::int32_t Synthesis>
CitI::Status GetUpToDate(Partition& p, ITclPropertyValue& value) {
  Project project;
  if (p.LookupHDProject(project) != 1 || !project) return 0;
  auto* query = CitI::QueryAs<Dpm::IUpToDate>(project.get());
  if (!query) return 0;
  Port::StringBase reason;
  const std::int32_t status = query->IsUpToDate(p.GetName(), Synthesis, reason);
  Port_MsgManData::debugStub(kTclReasonTrace, reason.c_str());
  return SetText(value, status == kUpToDateStatus ? kTclUpToDate : kTclNotUpToDate);
}

CitI::Status GetReconfigurable(Partition& p, ITclPropertyValue& value) {
  value.SetBool(p.IsReconfigurable());
  return 1;
}

/// Adds the collectable object of `partition`, if it has one.
void AddMember(Tcltask::ITclCollection& collection, ZavU::IPartition* partition) {
  if (auto* member = CitI::QueryAs<UtilI::ITclCollectable>(partition)) collection.Add(member);
}

void AddParent(Partition& p, Tcltask::ITclCollection& collection) {
  CommonI::RefCountPtr<ZavU::IPartition> parent = p.LookupParent();
  AddMember(collection, parent.get());
}

// The children as the project enumerates them, from the position the
// enumeration is handed out in. Without a project the collection stays empty.
void AddChildren(Partition& p, Tcltask::ITclCollection& collection) {
  Project project;
  if (p.LookupHDProject(project) != 1 || !project) return;
  CommonI::RefCountPtr<ZavU::IPartition> self(p.Self());
  Prjrep::AutoRelease<Dpm::IPartitionIterator> children;
  project->GetChildPartitions(children.Out(), self.get());
  if (!children) return;
  for (; !children->IsDone(); children->Next()) {
    ZavU::IPartition* current = nullptr;
    children->GetCurrent(current);
    auto child = CommonI::RefCountPtr<ZavU::IPartition>::Adopt(current);
    AddMember(collection, child.get());
  }
}

using Gatherer = void (*)(Partition&, Tcltask::ITclCollection&);

template <Gatherer Gather>
CitI::Status GetCollection(Partition& p, ITclPropertyValue& value) {
  CommonI::RefCountPtr<Tcltask::ITclCollection> collection =
      CreateOrLoad<Tcltask::ITclCollection>(Xuids::Class_TclCollection, nullptr);
  if (!collection) return 0;
  Gather(p, *collection.get());
  CitI::IInterface* produced = nullptr;
  const CitI::Status status = collection->GetResult(produced);
  auto held = CommonI::RefCountPtr<CitI::IInterface>::Adopt(produced);
  if (status != 1) return 0;
  auto* result = CitI::QueryAs<Tcltask::ITclCollectionResult>(held.get());
  if (!result) return 0;
  value.SetCollection(result);
  return 1;
}

// The properties in the order they are registered.
struct TclPropertyRow {
  const char* name;
  TclPropertyEntry::Getter getter;
};
const TclPropertyRow kTclProperties[] = {
    {"name", GetNameField<&Partition::GetName>},
    {"full_name", GetNameField<&Partition::GetHierarchicalName>},
    {"preserve", GetTraitValue<&kTraitPreserve>},
    {"preserve_effective", GetEffectiveTraitValue<&kTraitPreserve>},
    {"up_to_date_synthesis", GetUpToDate<1>},
    {"up_to_date_implementation", GetUpToDate<0>},
    {"parent", GetCollection<AddParent>},
    {"children", GetCollection<AddChildren>},
    {"reconfigurable", GetReconfigurable},
    {"dependency_management_mode", GetTraitValue<&kTraitDependencyManagementMode>},
    {"dependency_management_mode_effective",
     GetEffectiveTraitValue<&kTraitDependencyManagementMode>},
    {"fleetmatch", GetTraitValue<&kTraitFleetmatch>},
    {"fleetmatch_effective", GetEffectiveTraitValue<&kTraitFleetmatch>},
};

}  // namespace

/// The helpers that fill the partition's fields directly.
struct PartitionTclProperties {
  /// Creates the property-name registry and the property map unless the
  /// registry exists. Tried again on every call while it cannot be created.
  /// A row whose value object cannot be created ends the map there (its name
  /// is registered already).
  static void EnsureTclProperties(Partition& p) {
    if (p.m_tclHelper) return;
    p.m_tclHelper = CreateOrLoad<Tcltask::ITclPropertyRegistry>(Xuids::Class_TclPropertyRegistry,
                                                                kTclHelpersLibrary);
    if (!p.m_tclHelper) return;
    for (const TclPropertyRow& row : kTclProperties) {
      p.m_tclHelper->RegisterProperty(row.name);
      CommonI::RefCountPtr<ITclPropertyValue> value =
          CreateOrLoad<ITclPropertyValue>(Xuids::Class_TclPropertyValue, kTclHelpersLibrary);
      if (!value) return;
      TclPropertyEntry& entry = p.m_tclProperties[row.name];
      entry.getter = row.getter;
      entry.value = std::move(value);
    }
  }
};

bool Partition::GetPropertyValue(const Port::StringBase& name, CitI::IInterface*& out) {
  PartitionTclProperties::EnsureTclProperties(*this);
  auto found = m_tclProperties.find(name);
  if (found == m_tclProperties.end() || !found->second.value) return false;
  Project project;
  if (LookupHDProject(project) != 1 || !project) return false;
  Prjrep::AutoRelease<CitI::IInterface> entry;
  project->GetPartitionEntry(entry.Out(), m_hierarchicalName);
  if (!entry) return false;
  const TclPropertyEntry& property = found->second;
  if (property.getter(*this, *property.value.get()) != 1) return false;
  out = CommonI::RefCountPtr<ITclPropertyValue>(property.value).Detach();
  return true;
}

CitI::Status Partition::QueryProperties(CitI::IInterface* query) {
  PartitionTclProperties::EnsureTclProperties(*this);
  if (!m_tclHelper) return 0;
  return m_tclHelper->Query(query);
}

}  // namespace ZorE
