// A host whose factories are static objects: the registry releases them at
// the end of a RegistryScope, while they live, and never at exit, when they
// are already destroyed. Run by ctest: a factory used after its destruction
// ends the program with status 4 (an optimised build may not show the "pure
// virtual method called" abort a debug build gives).
#include <cstdlib>

#include "CitI/TNested.h"
#include "CitP/Factory.h"
#include "CommonI/TRefCountHelper.h"

namespace {

bool g_destroyed = false;

class StaticFactory final : public CitI::TImplements<StaticFactory, CitI::IFactory> {
 public:
  ~StaticFactory() override { g_destroyed = true; }
  CitI::IInterface* Lookup(const Port::XUID& iid) {
    if (g_destroyed) std::_Exit(4);
    using F = StaticFactory;
    static const CitI::TLookupEntry<F> table[] = {
        {CitI::IFactory::kIID, CitI::AsBase<F, CitI::IFactory>},
        {CommonI::IRefCount::kIID, CitI::Embedded<F, &F::m_refCount>}};
    return CitI::LookupInTable(table, *this, iid);
  }
  CitI::IInterface* CreateInstance(const Port::XUID&) override { return nullptr; }
  int References() {
    int count = 0;
    m_refCount.GetRefCount(count);
    return count;
  }

 private:
  CommonI::TRefCountHelper<StaticFactory> m_refCount{this, CommonI::kOwnerFrees};
};

StaticFactory g_releasedByScope, g_keptToTheEnd;

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
