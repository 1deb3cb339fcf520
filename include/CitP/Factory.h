// The host's component registry: one factory per class XUID, and loading of
// component libraries by name.
//
// LoadLibraryFactory("zavEraV_Adoduzadi") opens "libzavEraV_Adoduzadi.so"
// (a name that already starts with "lib" or ends in ".so" keeps them) from,
// in order: the directory of the host's own runtime library, the directories
// of the environment variable PORT_LIBRARY_PATH (colon-separated), and the
// directory of the running program. It calls the library's InstFactoryEntry
// once; a library already loaded is not entered twice.
//
// The registry holds one reference on each factory until Shutdown, which the
// host calls (or leaves to a RegistryScope in main) while its factories are
// still alive. Nothing is released at exit: a factory the host made as a
// static object may already be gone by then.
//
//   int main() {
//     CitP::RegistryScope registry;  // empties the registry when main returns
//     CitP::Factory::LoadLibraryFactory("zavEraV_Adoduzadi");
//     ...
//   }
#pragma once

#include <string>

#include "CitI/IInterface.h"
#include "CommonI/IRefCount.h"
#include "Port/HostApi.h"

namespace CitP {

class HOST_API Factory {
 public:
  /// Registers `factory` under `classXuid`, taking a reference of its own.
  /// A class registered again keeps its first factory; false then.
  static bool RegisterFactory(const Port::XUID& classXuid, CitI::IFactory* factory);
  /// A new object holding one reference for the caller, or null.
  static CitI::IInterface* CreateInstance(const Port::XUID& classXuid);
  /// The same, held; empty for an unknown class.
  static CommonI::RefCountPtr<CitI::IInterface> CreateInstanceRef(const Port::XUID& classXuid);
  /// The same, loading the component library `libraryName` by name first
  /// when no factory makes the class yet.
  static CommonI::RefCountPtr<CitI::IInterface> CreateInstanceRef(const Port::XUID& classXuid,
                                                                  const char* libraryName);
  /// Loads a component library by name; false when it or its entry point
  /// cannot be found (LastLoadError() says why).
  static bool LoadLibraryFactory(const char* libraryName);
  static const std::string& LastLoadError();
  /// Whether a factory is registered for `classXuid`.
  static bool IsRegistered(const Port::XUID& classXuid);
  /// Drops the registry's reference on every factory and forgets the
  /// libraries entered; the registry takes registrations again afterwards.
  static void Shutdown();
};

/// Owns the registry's contents for a scope: its end calls Factory::Shutdown.
class HOST_API RegistryScope {
 public:
  RegistryScope() = default;
  ~RegistryScope() { Factory::Shutdown(); }
  RegistryScope(const RegistryScope&) = delete;
  RegistryScope& operator=(const RegistryScope&) = delete;
};

}  // namespace CitP
