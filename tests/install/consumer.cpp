// A tiny host built against the installed tree: it loads the component
// library by name through the installed runtime, creates a partition, names
// it and reads the name back.
#include <cstdio>

#include "CitP/Factory.h"
#include "ZavU/IPartition.h"

int main() {
  CitP::RegistryScope registry;
  if (!CitP::Factory::LoadLibraryFactory("zavEraV_Adoduzadi")) {
    std::fprintf(stderr, "%s\n", CitP::Factory::LastLoadError().c_str());
    return 1;
  }
  auto partition = CitP::Factory::CreateInstanceRef(Port::XUID(Xuids::ZorE_Partition))
                       .As<ZavU::IPartition>();
  if (!partition) return 2;
  partition->SetHierarchicalName(Port::StringBase("/top/u1"));
  std::printf("partition %s\n", partition->GetName().c_str());
  return 0;
}
