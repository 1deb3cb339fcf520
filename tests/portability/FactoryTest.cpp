// The component registry: one reference held per class, the first
// registration wins, what it creates is adopted, and Shutdown drops it all.
#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {

const Port::XUID kClassA(0xa11ce, 1), kClassB(0xb0b, 2), kUnknown(0xdead, 0xbeef);

TEST(FactoryTest, RegistryHoldsOneReferencePerClassAndFirstRegistrationWins) {
  using CitP::Factory;
  porttest::CountedFactory first, second;
  EXPECT_FALSE(Factory::IsRegistered(kClassA));
  EXPECT_TRUE(Factory::RegisterFactory(kClassA, &first));
  EXPECT_TRUE(Factory::IsRegistered(kClassA));
  EXPECT_FALSE(Factory::RegisterFactory(kClassA, &second)) << "the class is taken";
  EXPECT_FALSE(Factory::RegisterFactory(kClassB, nullptr));
  EXPECT_FALSE(Factory::IsRegistered(kClassB));
  EXPECT_TRUE(Factory::RegisterFactory(kClassB, &first)) << "one factory, two classes";
  EXPECT_EQ(first.References(), 3);
  EXPECT_EQ(second.References(), 1);
  {
    CommonI::RefCountPtr<CitI::IInterface> made = Factory::CreateInstanceRef(kClassB);
    EXPECT_EQ(made.get(), static_cast<CitI::IFactory*>(&first));
    EXPECT_EQ(first.lastAsked, kClassB);
    EXPECT_EQ(first.References(), 4) << "adopted, not added to";
  }
  EXPECT_EQ(first.References(), 3);
  EXPECT_EQ(Factory::CreateInstance(kUnknown), nullptr);
  EXPECT_FALSE(Factory::CreateInstanceRef(kUnknown));

  Factory::Shutdown();
  EXPECT_EQ(first.References(), 1);
  EXPECT_FALSE(Factory::IsRegistered(kClassA));
  EXPECT_EQ(Factory::CreateInstance(kClassA), nullptr);
  {
    CitP::RegistryScope scope;  // empty again, and taking registrations
    EXPECT_TRUE(Factory::RegisterFactory(kClassA, &second));
    EXPECT_EQ(second.References(), 2);
  }
  EXPECT_EQ(second.References(), 1);
}

}  // namespace
