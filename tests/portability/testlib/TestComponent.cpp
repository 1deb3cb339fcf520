// The test component: a reference-counted object class and its factory,
// registered with the host registry when the library is entered.
#include "TestComponent.h"

#include "CitP/Factory.h"
#include "CommonI/IRefCount.h"
#include "support/FakeAnswer.h"
#include "support/SelfCounted.h"

namespace {

int g_entryCount = 0;

// A reference-counted object of the test class: it is born holding one
// reference for its creator and deletes itself when the last one goes.
class TestObject : public ZoreTest::SelfCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    if (iid == CommonI::IRefCount::kIID || iid == CitI::IInterface::kIID) return this;
    return nullptr;
  }
};

// The factory, counted the same way; the registry keeps it alive.
class TestFactory : public CitI::IFactory, public ZoreTest::SelfCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return ZoreTest::AnswerAs<CitI::IFactory>(this, iid);
  }
  CitI::IInterface* CreateInstance(const Port::XUID& classXuid) override {
    if (!(classXuid == testlib::kTestClass)) return nullptr;
    return new TestObject;
  }
};

}  // namespace

extern "C" TESTLIB_EXPORT void InstFactoryEntry() {
  ++g_entryCount;
  auto* factory = new TestFactory;
  CitP::Factory::RegisterFactory(Port::XUID(testlib::kTestClass), factory);
  factory->Release();  // the registry holds its own reference, if it took it
}

extern "C" TESTLIB_EXPORT int TestLibEntryCount() { return g_entryCount; }
