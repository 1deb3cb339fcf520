// The host's way in: the library is loaded only by name, from the build's
// library directory beside the host runtime, and both components are created
// by class identity.
#include <gtest/gtest.h>

#include "CitP/Factory.h"
#include "ZavU/IPartition.h"

namespace {

TEST(LoadByName, LibraryRegistersBothClassesOnce) {
  CitP::RegistryScope registry;
  ASSERT_TRUE(CitP::Factory::LoadLibraryFactory("zavEraV_Adoduzadi"))
      << CitP::Factory::LastLoadError();
  EXPECT_TRUE(CitP::Factory::LoadLibraryFactory("zavEraV_Adoduzadi")) << "a second load is a no-op";
  auto partition =
      CitP::Factory::CreateInstanceRef(Port::XUID(Xuids::ZorE_Partition)).As<ZavU::IPartition>();
  auto pin = CitP::Factory::CreateInstanceRef(Port::XUID("{2c4cfe12-3096-490e-bf15-40cec3980408}"))
                 .As<ZavU::IPartitionPin>();
  ASSERT_TRUE(partition && pin);
  partition->SetHierarchicalName("top");
  pin->SetName("clk");
  EXPECT_EQ(partition->GetName().str(), "top");
  EXPECT_EQ(pin->GetName().str(), "clk");
  int count = 0;
  CitI::QueryAs<CommonI::IRefCount>(partition.get())->GetRefCount(count);
  EXPECT_EQ(count, 1);
}

}  // namespace
