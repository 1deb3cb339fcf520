// The autonym saver and the entry point of libDpm_DesignData.
#include "designdata/AutonymSaver.h"

#include <atomic>

#include "CitP/Factory.h"
#include "CitP/TFactory.h"
#include "Port/MsgMan.h"
#include "project/Configuration.h"
#include "project/Naming.h"

namespace DesignData {

namespace {
std::atomic<int> entries{0};
}  // namespace

CitI::Status AutonymSaver::GetConfiguration(CitI::IInterface* repository, CitI::IInterface*& out) {
  out = nullptr;
  const HostProject::ProjectRepository* own =
      HostProject::ProjectRepository::FromInterface(repository);
  if (!own) return 0;
  HostModel::Configuration modules;
  std::string error;
  if (!HostPersist::LoadProjectConfiguration(own->ProjectFile(), modules, error)) {
    Port_MsgManData::debugStub("%s\n", error.c_str());
    return 0;
  }
  out = static_cast<Dpm::IConfiguration*>(
      HostProject::Configuration::Create(own->Location(), std::move(modules)).Detach());
  return 1;
}

extern "C" __attribute__((visibility("default"))) int DesignDataEntryCount() { return entries; }

}  // namespace DesignData

/// Registers the autonym saver; the registry keeps the factory alive.
extern "C" __attribute__((visibility("default"))) void InstFactoryEntry() {
  ++DesignData::entries;
  CommonI::RefCountPtr<CitI::IFactory> factory =
      CommonI::RefCountPtr<CitI::IFactory>::Adopt(new CitP::TFactory<DesignData::AutonymSaver>());
  CitP::Factory::RegisterFactory(DesignData::AutonymSaver::ClassXuid(), factory.get());
}
