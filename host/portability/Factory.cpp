// The component registry: one factory per class identity, each held with one
// reference of the registry's own, dropped at Shutdown (never at exit).
#include "CitP/Factory.h"

#include <map>
#include <mutex>

#include "LibraryLoader.h"

namespace CitP {
namespace {

struct Registry {
  std::mutex mutex;
  std::map<Port::XUID, CitI::IFactory*> factories;
};

// Never destroyed, so registrations and Shutdown from other libraries'
// statics never meet a dead registry.
Registry& TheRegistry() {
  static Registry* const registry = new Registry;
  return *registry;
}

// Returns the factory for `classXuid` with a reference held for the caller
// (so a concurrent Shutdown cannot free it mid-call), or null.
CitI::IFactory* AcquireFactory(const Port::XUID& classXuid) {
  Registry& registry = TheRegistry();
  std::lock_guard<std::mutex> lock(registry.mutex);
  auto found = registry.factories.find(classXuid);
  if (found == registry.factories.end()) return nullptr;
  CommonI::AddRefTo(found->second);
  return found->second;
}

}  // namespace

bool Factory::RegisterFactory(const Port::XUID& classXuid, CitI::IFactory* factory) {
  if (!factory) return false;
  Registry& registry = TheRegistry();
  std::lock_guard<std::mutex> lock(registry.mutex);
  if (!registry.factories.emplace(classXuid, factory).second) return false;
  CommonI::AddRefTo(factory);
  return true;
}

CitI::IInterface* Factory::CreateInstance(const Port::XUID& classXuid) {
  CitI::IFactory* factory = AcquireFactory(classXuid);
  if (!factory) return nullptr;
  // Called without the lock: a factory may create its parts through the
  // registry in turn.
  CitI::IInterface* object = factory->CreateInstance(classXuid);
  CommonI::ReleaseFrom(factory);
  return object;
}

CommonI::RefCountPtr<CitI::IInterface> Factory::CreateInstanceRef(const Port::XUID& classXuid) {
  return CommonI::RefCountPtr<CitI::IInterface>::Adopt(CreateInstance(classXuid));
}

CommonI::RefCountPtr<CitI::IInterface> Factory::CreateInstanceRef(const Port::XUID& classXuid,
                                                                  const char* libraryName) {
  CommonI::RefCountPtr<CitI::IInterface> made = CreateInstanceRef(classXuid);
  if (!made && LoadLibraryFactory(libraryName)) made = CreateInstanceRef(classXuid);
  return made;
}

bool Factory::IsRegistered(const Port::XUID& classXuid) {
  Registry& registry = TheRegistry();
  std::lock_guard<std::mutex> lock(registry.mutex);
  return registry.factories.count(classXuid) != 0;
}

void Factory::Shutdown() {
  std::map<Port::XUID, CitI::IFactory*> dropped;
  {
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    dropped.swap(registry.factories);
  }
  detail::ForgetEnteredLibraries();
  // Released outside the lock: a factory's destructor may call back in.
  for (auto& entry : dropped) CommonI::ReleaseFrom(entry.second);
}

}  // namespace CitP
