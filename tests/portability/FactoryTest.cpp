// The component registry with factories defined here: the references it
// takes and drops, first-registration-wins, and creation through factories.
#include <gtest/gtest.h>

#include "CitP/Factory.h"
#include "CommonI/IRefCount.h"
#include "support/FakeAnswer.h"
#include "support/SelfCounted.h"

namespace {

int g_liveObjects = 0;

// Counts its references but never deletes itself, so a test can read the
// count after the registry dropped its reference.
class CountedFactory : public CitI::IFactory, public CommonI::IRefCount {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return ZoreTest::AnswerAs<CitI::IFactory>(this, iid);
  }
  CitI::IInterface* CreateInstance(const Port::XUID& classXuid) override;
  CitI::Status AddRef() override {
    ++refs;
    return 1;
  }
  CitI::Status Release() override {
    --refs;
    return 1;
  }
  CitI::Status GetRefCount(int& count) override {
    count = refs;
    return 1;
  }

  int refs = 0;
  int creations = 0;
  Port::XUID lastAsked;
};

// An object of the class the factory makes; deletes itself at zero.
class Product : public ZoreTest::SelfCounted {
 public:
  explicit Product(CountedFactory* maker) : madeBy(maker) { ++g_liveObjects; }
  ~Product() override { --g_liveObjects; }
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return iid == CommonI::IRefCount::kIID || iid == CitI::IInterface::kIID ? this : nullptr;
  }
  CountedFactory* madeBy;
};

CitI::IInterface* CountedFactory::CreateInstance(const Port::XUID& classXuid) {
  lastAsked = classXuid;
  ++creations;
  return new Product(this);
}

const Port::XUID kClassA(0xa11ce, 0x0001);
const Port::XUID kClassB(0xb0b, 0x0002);
const Port::XUID kUnknown(0xdead, 0xbeef);

TEST(FactoryTest, RegistryHoldsOneReferenceAndFirstRegistrationWins) {
  CountedFactory first;
  CountedFactory second;
  EXPECT_FALSE(CitP::Factory::IsRegistered(kClassA));
  EXPECT_TRUE(CitP::Factory::RegisterFactory(kClassA, &first));
  EXPECT_EQ(first.refs, 1);
  EXPECT_TRUE(CitP::Factory::IsRegistered(kClassA));

  // A second factory for the same class is refused and not referenced.
  EXPECT_FALSE(CitP::Factory::RegisterFactory(kClassA, &second));
  EXPECT_EQ(second.refs, 0);
  EXPECT_FALSE(CitP::Factory::RegisterFactory(kClassB, nullptr));
  EXPECT_FALSE(CitP::Factory::IsRegistered(kClassB));

  // The same factory may serve a second class, with a reference per class.
  EXPECT_TRUE(CitP::Factory::RegisterFactory(kClassB, &first));
  EXPECT_EQ(first.refs, 2);

  CitI::IInterface* object = CitP::Factory::CreateInstance(kClassA);
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(static_cast<Product*>(CitI::QueryAs<CommonI::IRefCount>(object))->madeBy, &first);
  EXPECT_EQ(first.lastAsked, kClassA);
  EXPECT_EQ(second.creations, 0);
  // Creation leaves the registry's reference count as it was.
  EXPECT_EQ(first.refs, 2);
  CommonI::ReleaseFrom(object);
  EXPECT_EQ(g_liveObjects, 0);

  CitP::Factory::Shutdown();
  EXPECT_EQ(first.refs, 0);
  EXPECT_EQ(second.refs, 0);
  EXPECT_FALSE(CitP::Factory::IsRegistered(kClassA));
  EXPECT_FALSE(CitP::Factory::IsRegistered(kClassB));
  EXPECT_EQ(CitP::Factory::CreateInstance(kClassA), nullptr);
  // After Shutdown the registry is empty and takes registrations again.
  EXPECT_TRUE(CitP::Factory::RegisterFactory(kClassA, &second));
  EXPECT_EQ(second.refs, 1);
  CitP::Factory::Shutdown();
  EXPECT_EQ(second.refs, 0);
}

TEST(FactoryTest, CreateInstanceRefAdoptsTheNewReference) {
  CountedFactory factory;
  ASSERT_TRUE(CitP::Factory::RegisterFactory(kClassB, &factory));
  {
    CommonI::RefCountPtr<CitI::IInterface> held = CitP::Factory::CreateInstanceRef(kClassB);
    ASSERT_TRUE(held);
    EXPECT_EQ(factory.lastAsked, kClassB);
    EXPECT_EQ(g_liveObjects, 1);
    int count = 0;
    CitI::QueryAs<CommonI::IRefCount>(held.get())->GetRefCount(count);
    EXPECT_EQ(count, 1);  // adopted, not added to
  }
  EXPECT_EQ(g_liveObjects, 0);

  EXPECT_EQ(CitP::Factory::CreateInstance(kUnknown), nullptr);
  EXPECT_FALSE(CitP::Factory::CreateInstanceRef(kUnknown));
  EXPECT_EQ(factory.creations, 1);
  CitP::Factory::Shutdown();
  EXPECT_EQ(factory.refs, 0);
}

}  // namespace
