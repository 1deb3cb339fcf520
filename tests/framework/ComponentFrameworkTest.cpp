// Identities, factories, interface lookup and reference counting of both
// components.
#include <gtest/gtest.h>

#include "CitP/Factory.h"
#include "Prjrep/IPersist.h"
#include "UtilI/ITclCollectable.h"
#include "ZavU/IPartitionHierarchy.h"
#include "ZavU/IPartitionTracking.h"
#include "ZavU/IReconfigAssocInfo.h"
#include "ZavU/IXPartition.h"
#include "framework/LiveObjects.h"
#include "support/ZoreTest.h"

/// A factory of the library's own kind, made by the template the entry uses.
CitI::IFactory* NewPartitionFactoryForTest();
CitI::IFactory* NewPinFactoryForTest();

namespace {

using ZoreTest::LeakCheckedTest;

class ComponentFramework : public LeakCheckedTest {};

TEST_F(ComponentFramework, IdentitiesFromWordsEqualThoseParsedFromText) {
  const Port::XUID fromWords(0x2c4cfe123096490eull, 0xbf1540cec3980408ull);
  EXPECT_EQ(fromWords, Port::XUID("{2c4cfe12-3096-490e-bf15-40cec3980408}"));
  EXPECT_EQ(fromWords, Port::XUID(Xuids::ZorE_PartitionPin));
  // Texts written in capitals name the same identity as in lower case.
  EXPECT_EQ(Port::XUID(Xuids::Text::Dpm_IProject), Port::XUID(Xuids::Dpm_IProject));
  EXPECT_EQ(Port::XUID(Xuids::Dpm_IProject), Port::XUID("{155462e3-6b65-42e1-94ab-fc281c0ef860}"));
  EXPECT_NE(Port::XUID(Xuids::ZorE_Partition), Port::XUID(Xuids::ZorE_PartitionPin));
}

TEST_F(ComponentFramework, FactoriesMakeOnlyTheirOwnClass) {
  for (auto [registered, other] : {std::pair{Xuids::ZorE_Partition, Xuids::ZorE_PartitionPin},
                                   std::pair{Xuids::ZorE_PartitionPin, Xuids::ZorE_Partition}}) {
    // The registry holds the factory; reach it through a created object's class.
    CitI::IInterface* object = CitP::Factory::CreateInstance(Port::XUID(registered));
    ASSERT_NE(object, nullptr);
    CommonI::ReleaseFrom(object);
    EXPECT_TRUE(CitP::Factory::IsRegistered(Port::XUID(registered)));
  }
  EXPECT_EQ(CitP::Factory::CreateInstance(Port::XUID(Xuids::ZavU_IPartition)), nullptr);
}

TEST_F(ComponentFramework, FactoryAnswersItsInterfacesAndRefusesOtherClasses) {
  CitI::IFactory* factory = NewPartitionFactoryForTest();
  EXPECT_EQ(factory->QueryInterface(Port::XUID(CitI::IInterface::kIID)), factory);
  EXPECT_EQ(factory->QueryInterface(Port::XUID(CitI::IFactory::kIID)), factory);
  EXPECT_NE(factory->QueryInterface(Port::XUID(CommonI::IRefCount::kIID)), nullptr);
  EXPECT_EQ(factory->QueryInterface(Port::XUID(ZavU::IPartition::kIID)), nullptr);
  EXPECT_EQ(factory->CreateInstance(Port::XUID(Xuids::ZorE_PartitionPin)), nullptr);
  CitI::IInterface* made = factory->CreateInstance(Port::XUID(Xuids::ZorE_Partition));
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made, made->QueryInterface(Port::XUID(Prjrep::IPersist::kIID)));
  CommonI::ReleaseFrom(made);
  CommonI::ReleaseFrom(factory);

  // The pin factory likewise makes pins only.
  CitI::IFactory* pins = NewPinFactoryForTest();
  EXPECT_EQ(pins->CreateInstance(Port::XUID(Xuids::ZorE_Partition)), nullptr);
  CitI::IInterface* pin = pins->CreateInstance(Port::XUID(Xuids::Text::ZorE_PartitionPin));
  ASSERT_NE(pin, nullptr);
  EXPECT_EQ(pin, pin->QueryInterface(Port::XUID(Prjrep::IPersist::kIID)));
  EXPECT_NE(pin->QueryInterface(Port::XUID(ZavU::IPartitionPin::kIID)), nullptr);
  EXPECT_EQ(ZoreTest::RefCount(pin), 1) << "the caller's reference only";
  CommonI::ReleaseFrom(pin);
  CommonI::ReleaseFrom(pins);
}

TEST_F(ComponentFramework, EveryPartitionInterfaceLeadsToEveryOther) {
  auto partition = ZoreTest::NewPartition();
  const Port::XuidWords identities[] = {ZavU::IPartition::kIID,
                                        CommonI::IRefCount::kIID,
                                        Prjrep::IPersist::kIID,
                                        UtilI::ITclCollectable::kIID,
                                        ZavU::IPartitionFileTracking::kIID,
                                        ZavU::IPartitionHierarchy::kIID,
                                        ZavU::IPartitionHierarchySettable::kIID,
                                        ZavU::IPartitionTimeTracking::kIID,
                                        ZavU::IReconfigAssocInfo::kIID,
                                        ZavU::IXPartition::kIID,
                                        CitI::IInterface::kIID};
  std::vector<CitI::IInterface*> answers;
  for (auto iid : identities) {
    CitI::IInterface* answer = partition->QueryInterface(Port::XUID(iid));
    ASSERT_NE(answer, nullptr);
    answers.push_back(answer);
  }
  EXPECT_EQ(answers.back(), answers[2]) << "IInterface is answered by the IPersist object";
  for (CitI::IInterface* from : answers) {
    for (std::size_t i = 0; i < answers.size(); ++i) {
      EXPECT_EQ(from->QueryInterface(Port::XUID(identities[i])), answers[i]);
    }
  }
  EXPECT_EQ(partition->QueryInterface(Port::XUID(ZavU::IPartitionPin::kIID)), nullptr);
  EXPECT_EQ(partition->QueryInterface(Port::XUID(CitI::IFactory::kIID)), nullptr);
}

TEST_F(ComponentFramework, EveryPinInterfaceLeadsToEveryOther) {
  auto pin = ZoreTest::NewPin();
  const Port::XuidWords identities[] = {ZavU::IPartitionPin::kIID, ZavU::IPPXPartition::kIID,
                                        CommonI::IRefCount::kIID, Prjrep::IPersist::kIID,
                                        CitI::IInterface::kIID};
  std::vector<CitI::IInterface*> answers;
  for (auto iid : identities) answers.push_back(pin->QueryInterface(Port::XUID(iid)));
  for (CitI::IInterface* answer : answers) ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answers[4], answers[3]);
  for (CitI::IInterface* from : answers) {
    for (std::size_t i = 0; i < answers.size(); ++i) {
      EXPECT_EQ(from->QueryInterface(Port::XUID(identities[i])), answers[i]);
    }
  }
  EXPECT_EQ(pin->QueryInterface(Port::XUID(ZavU::IPartition::kIID)), nullptr);
}

TEST_F(ComponentFramework, ReferencesCountOnOneCounterAndTheLastReleaseFrees) {
  const int before = ZorE::LiveComponents();
  CitI::IInterface* object = CitP::Factory::CreateInstance(Port::XUID(Xuids::ZorE_Partition));
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(ZorE::LiveComponents(), before + 1);
  auto* rc = CitI::QueryAs<CommonI::IRefCount>(object);
  EXPECT_EQ(ZoreTest::RefCount(object), 1);
  // A reference taken through one interface counts on the same counter.
  auto* hierarchy = CitI::QueryAs<ZavU::IPartitionHierarchy>(object);
  CitI::QueryAs<CommonI::IRefCount>(hierarchy)->AddRef();
  EXPECT_EQ(ZoreTest::RefCount(CitI::QueryAs<ZavU::IXPartition>(object)), 2);
  EXPECT_EQ(rc->Release(), 1);
  EXPECT_EQ(ZoreTest::RefCount(object), 1);
  EXPECT_EQ(ZorE::LiveComponents(), before + 1);
  EXPECT_EQ(rc->Release(), 1);
  EXPECT_EQ(ZorE::LiveComponents(), before);
}

TEST_F(ComponentFramework, HoldersTakeAndDropTheirOwnReferences) {
  auto pin = ZoreTest::NewPin();
  EXPECT_EQ(ZoreTest::RefCount(pin.get()), 1);
  {
    auto copy = pin;
    auto other = pin.As<Prjrep::IPersist>();
    EXPECT_EQ(ZoreTest::RefCount(pin.get()), 3);
  }
  EXPECT_EQ(ZoreTest::RefCount(pin.get()), 1);
  EXPECT_FALSE(pin.As<ZavU::IPartition>());
}

}  // namespace
