// A host whose factories are static objects: the registry releases them at
// the end of a RegistryScope, while they live, and never at exit, when they
// are already destroyed. Run by ctest: a factory used after its destruction
// ends the program with status 4 (an optimised build may not show the "pure
// virtual method called" abort a debug build gives).
#include "TestSupport.h"

namespace {
porttest::CountedFactory g_releasedByScope, g_keptToTheEnd;
}  // namespace

int main() {
  {
    CitP::RegistryScope registry;
    CitP::Factory::RegisterFactory(Port::XUID(1, 1), &g_releasedByScope);
    if (g_releasedByScope.References() != 2) return 1;
  }
  if (g_releasedByScope.References() != 1) return 2;
  // Still registered when main returns, and destroyed before the runtime's
  // own statics: the registry must leave it alone.
  CitP::Factory::RegisterFactory(Port::XUID(2, 2), &g_keptToTheEnd);
  return g_keptToTheEnd.References() == 2 ? 0 : 3;
}
