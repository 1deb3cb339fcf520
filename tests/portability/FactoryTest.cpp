// The component registry: one reference held per class, the first
// registration wins, what it creates is adopted, and Shutdown drops it all.
#include <gtest/gtest.h>

#include "CitI/TNested.h"
#include "CitP/Factory.h"
#include "CommonI/TRefCountHelper.h"

namespace {

// A factory on the test's stack that makes itself: it counts references but
// is never freed by them, so the test reads what the registry took and left.
class CountedFactory final : public CitI::TImplements<CountedFactory, CitI::IFactory> {
 public:
  CitI::IInterface* Lookup(const Port::XUID& iid) {
    using F = CountedFactory;
    static const CitI::TLookupEntry<F> table[] = {
        {CitI::IFactory::kIID, CitI::AsBase<F, CitI::IFactory>},
        {CommonI::IRefCount::kIID, CitI::Embedded<F, &F::m_refCount>}};
    return CitI::LookupInTable(table, *this, iid);
  }
  CitI::IInterface* CreateInstance(const Port::XUID& classXuid) override {
    lastAsked = classXuid;
    m_refCount.AddRef();  // the caller's reference
    return this;
  }
  /// References beyond the factory's own.
  int Held() {
    int count = 0;
    m_refCount.GetRefCount(count);
    return count - 1;
  }
  Port::XUID lastAsked;

 private:
  CommonI::TRefCountHelper<CountedFactory> m_refCount{this, CommonI::kOwnerFrees};
};

const Port::XUID kClassA(0xa11ce, 1), kClassB(0xb0b, 2), kUnknown(0xdead, 0xbeef);

TEST(FactoryTest, RegistryHoldsOneReferencePerClassAndFirstRegistrationWins) {
  using CitP::Factory;
  CountedFactory first, second;
  EXPECT_FALSE(Factory::IsRegistered(kClassA));
  EXPECT_TRUE(Factory::RegisterFactory(kClassA, &first));
  EXPECT_TRUE(Factory::IsRegistered(kClassA));
  EXPECT_FALSE(Factory::RegisterFactory(kClassA, &second)) << "the class is taken";
  EXPECT_FALSE(Factory::RegisterFactory(kClassB, nullptr));
  EXPECT_FALSE(Factory::IsRegistered(kClassB));
  EXPECT_TRUE(Factory::RegisterFactory(kClassB, &first)) << "one factory, two classes";
  EXPECT_EQ(first.Held(), 2);
  EXPECT_EQ(second.Held(), 0);
  {
    CommonI::RefCountPtr<CitI::IInterface> made = Factory::CreateInstanceRef(kClassB);
    EXPECT_EQ(made.get(), static_cast<CitI::IFactory*>(&first));
    EXPECT_EQ(first.lastAsked, kClassB);
    EXPECT_EQ(first.Held(), 3) << "adopted, not added to";
  }
  EXPECT_EQ(first.Held(), 2);
  EXPECT_EQ(Factory::CreateInstance(kUnknown), nullptr);
  EXPECT_FALSE(Factory::CreateInstanceRef(kUnknown));

  Factory::Shutdown();
  EXPECT_EQ(first.Held(), 0);
  EXPECT_FALSE(Factory::IsRegistered(kClassA));
  EXPECT_EQ(Factory::CreateInstance(kClassA), nullptr);
  {
    CitP::RegistryScope scope;  // empty again, and taking registrations
    EXPECT_TRUE(Factory::RegisterFactory(kClassA, &second));
    EXPECT_EQ(second.Held(), 1);
  }
  EXPECT_EQ(second.Held(), 0);
}

}  // namespace
