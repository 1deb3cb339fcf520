// The host's component registry: one factory per class XUID, and loading of
// component libraries by name.
//
// LoadLibraryFactory("zavEraV_Adoduzadi") looks for "libzavEraV_Adoduzadi.so"
// (a name that already starts with "lib" gets no second one) in each of, in
// order: the directory of the host's own runtime library, the package folder
// beside it (lib/zavEraV_Adoduzadi/ of an install), the directories of the
// environment variable PORT_LIBRARY_PATH (colon-separated), and the
// directory of the running program. A directory without that file offers
// its highest "libzavEraV_Adoduzadi.so.<major>" instead (a runtime package
// ships no development symlink). A name ending in ".so" or ".so.<n>" is the
// file's own, looked for without that fallback; an absolute path is used as
// given. The library's InstFactoryEntry runs once, and may load further
// libraries; a library already entered is not entered twice. Libraries are
// never unloaded.
//
// The registry holds one reference on each factory until Shutdown, which the
// host calls (or leaves to a RegistryScope in main) while its factories are
// still alive. Nothing is released at exit: a factory the host made as a
// static object may already be gone by then. Nothing here throws: failures
// answer null or false.
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
  /// The object comes as its root interface (CitI::IInterface). The caller
  /// adopts the reference (CommonI::RefCountPtr::Adopt,
  /// Prjrep::AutoRelease::Adopting) and never adds one to it. Null for a
  /// class no factory makes, such as one whose library is not loaded yet.
  static CitI::IInterface* CreateInstance(const Port::XUID& classXuid);
  /// The same, held; empty for an unknown class.
  static CommonI::RefCountPtr<CitI::IInterface> CreateInstanceRef(const Port::XUID& classXuid);
  /// The same, loading the component library `libraryName` by name first
  /// when no factory makes the class yet.
  static CommonI::RefCountPtr<CitI::IInterface> CreateInstanceRef(const Port::XUID& classXuid,
                                                                  const char* libraryName);
  /// Loads a component library by name; false when it or its entry point
  /// cannot be found (LastLoadError() says why).
  /// True too for a library entered before (since the last Shutdown); false
  /// also for no name, or a file the dynamic loader refuses.
  static bool LoadLibraryFactory(const char* libraryName);
  /// Why the last load failed, with the directories searched; empty after a
  /// load that succeeded.
  static const std::string& LastLoadError();
  /// Whether a factory is registered for `classXuid`.
  static bool IsRegistered(const Port::XUID& classXuid);
  /// Drops the registry's reference on every factory and forgets the
  /// libraries entered; the registry takes registrations again afterwards.
  /// A later LoadLibraryFactory enters a library again, which registers its
  /// factories afresh. Objects made before live on.
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
