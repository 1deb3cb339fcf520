// The configuration walk: from a partition, through its design project, to
// the configuration "Configuration" and the element whose module implements
// the partition. A missing service, interface or object ends the walk
// quietly with no module; no message is issued.
#include "Partition/ConfigurationModule.h"

#include "CitP/Factory.h"
#include "Partition/ImportTexts.h"
#include "Partition/Partition.h"

namespace ZorE {

namespace {

/// A new project-service object of `classXuid`, or empty.
Prjrep::AutoRelease<CitI::IInterface> CreateService(Port::XuidWords classXuid) {
  Prjrep::AutoRelease<CitI::IInterface> object;
  object.Adopt(CitP::Factory::CreateInstance(Port::XUID(classXuid)));
  return object;
}

/// The configuration through the project's helper and its design data.
/// False when the project has no helper (the repository route applies).
bool ConfigurationFromHelper(Dpm::IHDProject& project,
                             Prjrep::AutoRelease<CitI::IInterface>& configuration) {
  Prjrep::AutoRelease<CitI::IInterface> helperObject;
  helperObject.Adopt(project.GetHelper());
  auto* helper = CitI::QueryAs<Dpm::IProjectHelper>(helperObject.get());
  if (!helper) return false;
  Prjrep::AutoRelease<CitI::IInterface> designData;
  helper->GetDesignData(designData.Out());
  if (auto* lookup = CitI::QueryAs<IDesignDataLookup>(designData.get())) {
    lookup->Lookup(Port::StringBase(kConfigurationName), configuration.Out());
  }
  return true;
}

/// The configuration kept in the repository at the project's location,
/// read by the autonym saver. The saver's library is loaded on demand.
void ConfigurationFromRepository(Dpm::IHDProject& project,
                                 Prjrep::AutoRelease<CitI::IInterface>& configuration) {
  Prjrep::AutoRelease<Prjrep::IProjectRepository> found =
      LookupProjectRepository(project.GetLocation(), true, nullptr);
  Prjrep::AutoRelease<CitI::IInterface> repository;
  repository.Adopt(found.Detach());

  Prjrep::AutoRelease<CitI::IInterface> saverObject = CreateService(Xuids::Class_AutonymSaver);
  if (!CitI::QueryAs<Prjrep::ISaveAutonym>(saverObject.get())) {
    CitP::Factory::LoadLibraryFactory(kDesignDataLibrary);
    saverObject.Adopt(CitP::Factory::CreateInstance(Port::XUID(Xuids::Class_AutonymSaver)));
  }
  if (auto* saver = CitI::QueryAs<Prjrep::ISaveAutonym>(saverObject.get())) {
    saver->GetConfiguration(repository.get(), configuration.Out());
  }
}

/// Whether `assoc`, the association partition, stands for static logic.
bool IsStaticAssociation(CitI::IInterface* assoc) {
  auto* info = CitI::QueryAs<ZavU::IReconfigAssocInfo>(assoc);
  return info && info->IsStaticLogic();
}

}  // namespace

Prjrep::AutoRelease<CitI::IInterface> FindConfigurationModule(Partition& partition) {
  Prjrep::AutoRelease<CitI::IInterface> result;

  CitI::IInterface* rawAssoc = nullptr;
  partition.GetReconfigAssociation(rawAssoc);
  auto assoc = CommonI::RefCountPtr<CitI::IInterface>::Adopt(rawAssoc);
  Port::StringBase assocName;
  if (auto* assocPartition = CitI::QueryAs<ZavU::IPartition>(assoc.get())) {
    assocName = assocPartition->GetHierarchicalName();
  }

  Prjrep::AutoRelease<Dpm::IHDProject> project;
  partition.LookupHDProject(project);
  // Without a design project there is neither helper nor location to find
  // the configuration by.
  if (!project) return result;

  Prjrep::AutoRelease<CitI::IInterface> configurationObject;
  if (!ConfigurationFromHelper(*project.get(), configurationObject)) {
    ConfigurationFromRepository(*project.get(), configurationObject);
  }
  auto* configuration = CitI::QueryAs<Dpm::IConfiguration>(configurationObject.get());
  if (!configuration) return result;
  Prjrep::AutoRelease<Dpm::IConfigurationElementIterator> elements;
  configuration->GetElements(elements.Out());
  if (!elements) return result;

  // The name test comes first: an element named like the association
  // partition wins even when it is also marked static.
  const bool assocIsStatic = IsStaticAssociation(assoc.get());
  for (elements->First(); !elements->IsDone(); elements->Next()) {
    Dpm::IConfigurationElement* element = elements->GetCurrent();  // no reference
    if (!element) break;
    bool isStatic = false;
    element->GetStaticLogic(isStatic);
    Prjrep::AutoRelease<Dpm::IPRModule> prModule;
    element->GetPRModule(prModule.Out());
    Port::StringBase moduleName;
    if (prModule) prModule->GetName(moduleName);
    if (moduleName == assocName || (assocIsStatic && isStatic)) {
      element->GetModule(result.Out());
      break;
    }
  }
  return result;
}

Prjrep::AutoRelease<Prjrep::IProjectRepository> LookupProjectRepository(
    const Port::StringBase& name, bool create, bool* found) {
  Prjrep::AutoRelease<Prjrep::IProjectRepository> result;
  if (found) *found = false;
  Prjrep::AutoRelease<CitI::IInterface> lookupObject = CreateService(Xuids::Class_AutonymLookup);
  Prjrep::AutoRelease<CitI::IInterface> autonymObject = CreateService(Xuids::Class_Autonym);
  auto* lookup = CitI::QueryAs<Prjrep::IAutonymLookup>(lookupObject.get());
  auto* autonym = CitI::QueryAs<Prjrep::IAutonym>(autonymObject.get());
  if (!lookup || !autonym) return result;

  if (auto* autonymName = CitI::QueryAs<Prjrep::IName>(autonym)) autonymName->SetName(name);
  Prjrep::AutoRelease<CitI::IInterface> object;
  lookup->Find(autonym, object.Out());
  if (!object && create) lookup->Create(autonym, nullptr, object.Out());
  if (auto* repository = CitI::QueryAs<Prjrep::IProjectRepository>(object.get())) {
    // The reference that came with the object is the one the result carries.
    object.Detach();
    result.Adopt(repository);
  }
  if (result && found) *found = true;
  return result;
}

Prjrep::AutoRelease<Dpm::IProject> ResolveProject(CitI::IInterface* object) {
  Prjrep::AutoRelease<Dpm::IProject> project;
  if (auto* direct = CitI::QueryAs<Dpm::IProject>(object)) {
    project.Share(direct);
  } else if (auto* reference = CitI::QueryAs<Dpm::IProjectCompReference>(object)) {
    reference->GetProject(project.Out());
  }
  return project;
}

}  // namespace ZorE
