// The component registry with factories defined here: the references it
// takes and drops, first-registration-wins, creation through factories, and
// Shutdown.
#include <gtest/gtest.h>

#include "CitI/TNested.h"
#include "CitP/Factory.h"
#include "CommonI/TRefCountHelper.h"

namespace {

int g_liveProducts = 0;

// An object of the class a factory makes; freed at its last Release.
class Product final : public CitI::TImplements<Product, CitI::IInterface> {
 public:
  Product() { ++g_liveProducts; }
  CitI::IInterface* Lookup(const Port::XUID& iid) {
    static const CitI::TLookupEntry<Product> table[] = {
        {CommonI::IRefCount::kIID, CitI::Embedded<Product, &Product::m_refCount>},
        {CitI::IInterface::kIID, CitI::AsBase<Product, CitI::IInterface>}};
    return CitI::LookupInTable(table, *this, iid);
  }

 private:
  friend CommonI::TRefCountHelper<Product>;
  ~Product() override { --g_liveProducts; }
  CommonI::TRefCountHelper<Product> m_refCount{this};
};

// A factory on the test's stack: it counts references but is never freed by
// them, so a test reads the count after the registry dropped its own.
class CountedFactory final : public CitI::TImplements<CountedFactory, CitI::IFactory> {
 public:
  CitI::IInterface* Lookup(const Port::XUID& iid) {
    static const CitI::TLookupEntry<CountedFactory> table[] = {
        {CitI::IFactory::kIID, CitI::AsBase<CountedFactory, CitI::IFactory>},
        {CommonI::IRefCount::kIID, CitI::Embedded<CountedFactory, &CountedFactory::m_refCount>}};
    return CitI::LookupInTable(table, *this, iid);
  }
  CitI::IInterface* CreateInstance(const Port::XUID& classXuid) override {
    lastAsked = classXuid;
    ++creations;
    return (new Product)->Lookup(Port::XUID(CitI::IInterface::kIID));
  }
  /// References beyond the factory's own.
  int Held() {
    int count = 0;
    m_refCount.GetRefCount(count);
    return count - 1;
  }

  int creations = 0;
  Port::XUID lastAsked;

 private:
  CommonI::TRefCountHelper<CountedFactory> m_refCount{this, CommonI::kOwnerFrees};
};

const Port::XUID kClassA(0xa11ce, 1), kClassB(0xb0b, 2), kUnknown(0xdead, 0xbeef);

TEST(FactoryTest, RegistryHoldsOneReferencePerClassAndFirstRegistrationWins) {
  CountedFactory first, second;
  EXPECT_FALSE(CitP::Factory::IsRegistered(kClassA));
  EXPECT_TRUE(CitP::Factory::RegisterFactory(kClassA, &first));
  EXPECT_EQ(first.Held(), 1);
  EXPECT_TRUE(CitP::Factory::IsRegistered(kClassA));
  EXPECT_FALSE(CitP::Factory::RegisterFactory(kClassA, &second)) << "the class is taken";
  EXPECT_EQ(second.Held(), 0);
  EXPECT_FALSE(CitP::Factory::RegisterFactory(kClassB, nullptr));
  EXPECT_FALSE(CitP::Factory::IsRegistered(kClassB));
  EXPECT_TRUE(CitP::Factory::RegisterFactory(kClassB, &first)) << "one factory, two classes";
  EXPECT_EQ(first.Held(), 2);

  {
    CommonI::RefCountPtr<CitI::IInterface> made = CitP::Factory::CreateInstanceRef(kClassB);
    ASSERT_TRUE(made);
    EXPECT_EQ(first.lastAsked, kClassB);
    EXPECT_EQ(g_liveProducts, 1);
    int count = 0;
    CitI::QueryAs<CommonI::IRefCount>(made.get())->GetRefCount(count);
    EXPECT_EQ(count, 1) << "adopted, not added to";
    EXPECT_EQ(first.Held(), 2) << "creation leaves the registry's references";
  }
  EXPECT_EQ(g_liveProducts, 0);
  EXPECT_EQ(CitP::Factory::CreateInstance(kUnknown), nullptr);
  EXPECT_FALSE(CitP::Factory::CreateInstanceRef(kUnknown));
  EXPECT_EQ(first.creations + second.creations, 1);

  CitP::Factory::Shutdown();
  EXPECT_EQ(first.Held(), 0);
  EXPECT_FALSE(CitP::Factory::IsRegistered(kClassA));
  EXPECT_EQ(CitP::Factory::CreateInstance(kClassA), nullptr);
  {
    CitP::RegistryScope scope;  // empty again, and taking registrations
    EXPECT_TRUE(CitP::Factory::RegisterFactory(kClassA, &second));
    EXPECT_EQ(second.Held(), 1);
  }
  EXPECT_EQ(second.Held(), 0);
}

}  // namespace
