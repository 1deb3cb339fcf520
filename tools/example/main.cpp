// A small host: loads the partition library by name through the registry,
// creates a partition and a pin through their factories, and shows what it
// did through the library's interfaces.
#include <cstdio>

#include "CitP/Factory.h"
#include "CommonI/IRefCount.h"
#include "Port/MsgMan.h"
#include "ZavU/IPartition.h"
#include "ZavU/IXPartition.h"

namespace {

template <class T>
CommonI::RefCountPtr<T> Create(Port::XuidWords classXuid) {
  return CitP::Factory::CreateInstanceRef(Port::XUID(classXuid)).As<T>();
}

}  // namespace

int main() {
  if (!CitP::Factory::LoadLibraryFactory("zavEraV_Adoduzadi")) {
    std::fprintf(stderr, "ERROR: %s\n", CitP::Factory::LastLoadError().c_str());
    return 1;
  }
  std::printf("loaded zavEraV_Adoduzadi\n");

  auto partition = Create<ZavU::IPartition>(Xuids::ZorE_Partition);
  auto pin = Create<ZavU::IPartitionPin>(Xuids::ZorE_PartitionPin);
  if (!partition || !pin) {
    std::fprintf(stderr, "ERROR: the library registered no partition or pin factory\n");
    return 1;
  }

  partition->SetHierarchicalName("top/u1");
  partition->SetRoot(false);
  partition->AddIPFileName("ip/fifo.qxp");
  partition->AddIPFileName("ip/pll.qxp");
  pin->SetName("clk");

  std::printf("partition %s (simple name %s), root %s, proxy name of clk: %s\n",
              partition->GetHierarchicalName().c_str(), partition->GetName().c_str(),
              partition->IsRoot() ? "yes" : "no", partition->GetProxyName("clk").c_str());
  std::printf("pin %s\n", pin->GetName().c_str());

  Dpm::IStringIterator* ipFiles = partition->GetIPFileNames();
  for (ipFiles->First(); !ipFiles->IsDone(); ipFiles->Next()) {
    Port::StringBase name;
    ipFiles->CurrentItem()->GetText(name);
    std::printf("IP file %s\n", name.c_str());
  }
  delete ipFiles;  // the caller owns a handed-out list

  auto asXml = partition.As<ZavU::IXPartition>();
  std::printf("state %s\n", asXml->IsImport() ? "import" : "implement");
  return 0;
}
