// The host's way in: the library is loaded only by name, from the build's
// library directory beside the host runtime, and both components are created
// by class identity.
#include <gtest/gtest.h>

#include "CitP/Factory.h"
#include "ZavU/IPartition.h"

TEST(LoadByName, LibraryRegistersBothClassesOnce) {
  CitP::RegistryScope registry;
  for (int load = 0; load < 2; ++load) {  // a second load is a no-op
    ASSERT_TRUE(CitP::Factory::LoadLibraryFactory("zavEraV_Adoduzadi"))
        << CitP::Factory::LastLoadError();
  }
  for (Port::XuidWords component : {Xuids::ZorE_Partition, Xuids::ZorE_PartitionPin}) {
    EXPECT_TRUE(CitP::Factory::CreateInstanceRef(Port::XUID(component)));
  }
}
