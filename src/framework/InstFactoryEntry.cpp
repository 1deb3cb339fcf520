// The library's only export: registers one factory per component class.
#include "CitP/Factory.h"
#include "CitP/TFactory.h"
#include "Partition/Partition.h"
#include "PartitionPin/PartitionPin.h"

namespace {

/// Registers `factory` under `classXuid` and drops the entry's own
/// reference, leaving the registry's as the only one. A factory that does not
/// answer IFactory is not registered (and stays with its own reference, as
/// nothing can reach it).
template <class T>
bool RegisterNewFactory(const Port::XUID& classXuid) {
  auto* factory = new CitP::TFactory<T>();
  auto* asFactory = CitI::QueryAs<CitI::IFactory>(factory);
  if (!asFactory) return false;
  CitP::Factory::RegisterFactory(classXuid, asFactory);
  CommonI::ReleaseFrom(factory);
  return true;
}

/// The pin class is registered from its text, parsed once.
const Port::XUID& PartitionPinClassFromText() {
  static const Port::XUID xuid(Xuids::Text::ZorE_PartitionPin);
  return xuid;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) void InstFactoryEntry() {
  RegisterNewFactory<ZorE::Partition>(ZorE::Partition::ClassXuid());
  RegisterNewFactory<ZorE::PartitionPin>(PartitionPinClassFromText());
}
