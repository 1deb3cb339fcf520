// The test component: a reference-counted object class and its factory,
// registered with the host registry when the library is entered.
#include "TestComponent.h"

#include "CitP/Factory.h"
#include "CitP/TFactory.h"

namespace {

int g_entryCount = 0;

class TestObject final : public CitI::TImplements<TestObject, CitI::IInterface> {
 public:
  static Port::XUID ClassXuid() { return Port::XUID(testlib::kTestClass); }
  CitI::IInterface* Lookup(const Port::XUID& iid) {
    static const CitI::TLookupEntry<TestObject> table[] = {
        {CommonI::IRefCount::kIID, CitI::Embedded<TestObject, &TestObject::m_refCount>},
        {CitI::IInterface::kIID, CitI::AsBase<TestObject, CitI::IInterface>}};
    return CitI::LookupInTable(table, *this, iid);
  }

 private:
  friend CommonI::TRefCountHelper<TestObject>;
  ~TestObject() override = default;
  CommonI::TRefCountHelper<TestObject> m_refCount{this};
};

}  // namespace

extern "C" TESTLIB_EXPORT void InstFactoryEntry() {
  ++g_entryCount;
  auto* factory = new CitP::TFactory<TestObject>();
  CitP::Factory::RegisterFactory(TestObject::ClassXuid(), factory);
  CommonI::ReleaseFrom(factory);  // the registry holds its own reference, if it took it
}

extern "C" TESTLIB_EXPORT int TestLibEntryCount() { return g_entryCount; }
