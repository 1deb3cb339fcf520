// The component registry: one factory per class identity, each held with one
// reference of the registry's own, dropped at Shutdown (never at exit).
//
// Creating a component is the registry's hot path: a project load creates
// every pin through it. Each entry keeps the factory's counter found once at
// registration, and the registry remembers the last entry it handed out,
// which a load asks for again and again.
#include "CitP/Factory.h"

#include <map>
#include <mutex>

#include "LibraryLoader.h"

namespace CitP {
namespace {

struct Registered {
  CitI::IFactory* factory = nullptr;
  CommonI::IRefCount* count = nullptr;  // the factory's counter; null if it has none
};

struct Registry {
  std::mutex mutex;
  std::map<Port::XUID, Registered> factories;
  // The entry found last, while it is registered.
  Port::XuidWords lastId{};
  Registered last;
};

// Never destroyed, so registrations and Shutdown from other libraries'
// statics never meet a dead registry.
Registry& TheRegistry() {
  static Registry* const registry = new Registry;
  return *registry;
}

// Returns the factory for `classXuid` with a reference held for the caller
// (so a concurrent Shutdown cannot free it mid-call), or an empty entry.
Registered AcquireFactory(const Port::XUID& classXuid) {
  Registry& registry = TheRegistry();
  std::lock_guard<std::mutex> lock(registry.mutex);
  if (!registry.last.factory || !(classXuid == registry.lastId)) {
    auto found = registry.factories.find(classXuid);
    if (found == registry.factories.end()) return Registered();
    registry.lastId = classXuid.Words();
    registry.last = found->second;
  }
  if (registry.last.count) registry.last.count->AddRef();
  return registry.last;
}

}  // namespace

bool Factory::RegisterFactory(const Port::XUID& classXuid, CitI::IFactory* factory) {
  if (!factory) return false;
  Registry& registry = TheRegistry();
  std::lock_guard<std::mutex> lock(registry.mutex);
  const Registered entry{factory, CitI::QueryAs<CommonI::IRefCount>(factory)};
  if (!registry.factories.emplace(classXuid, entry).second) return false;
  if (entry.count) entry.count->AddRef();
  return true;
}

CitI::IInterface* Factory::CreateInstance(const Port::XUID& classXuid) {
  const Registered found = AcquireFactory(classXuid);
  if (!found.factory) return nullptr;
  // Called without the lock: a factory may create its parts through the
  // registry in turn.
  CitI::IInterface* object = found.factory->CreateInstance(classXuid);
  if (found.count) found.count->Release();
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
  std::map<Port::XUID, Registered> dropped;
  {
    Registry& registry = TheRegistry();
    std::lock_guard<std::mutex> lock(registry.mutex);
    dropped.swap(registry.factories);
    registry.last = Registered();
  }
  detail::ForgetEnteredLibraries();
  // Released outside the lock: a factory's destructor may call back in.
  for (auto& entry : dropped) {
    if (entry.second.count) entry.second.count->Release();
  }
}

}  // namespace CitP
