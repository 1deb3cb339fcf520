// Feeds arbitrary text to the description reader: the host parses and lays
// it out, then each partition reads its element and writes its attributes
// back, as hdpart does.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "CitP/Factory.h"
#include "FuzzSupport.h"
#include "Port/Exception.h"
#include "ZavU/IPartitionHierarchy.h"
#include "ZavU/IXPartition.h"
#include "xml/DescriptionDocument.h"
#include "xml/DescriptionLayout.h"
#include "xml/XercesSession.h"

namespace {

void ReadPartitions(const HostXml::DescriptionLayout& layout) {
  std::vector<CommonI::RefCountPtr<ZavU::IPartition>> partitions;
  for (const HostXml::PartitionElement& entry : layout.partitions) {
    auto partition =
        CitP::Factory::CreateInstanceRef(Port::XUID(Xuids::ZorE_Partition)).As<ZavU::IPartition>();
    partition->SetHierarchicalName(entry.name.c_str());
    partition->SetRoot(entry.parent < 0);
    if (entry.parent >= 0) {
      partition.As<ZavU::IPartitionHierarchySettable>()->SetParent(partitions[entry.parent]);
    }
    auto xml = partition.As<ZavU::IXPartition>();
    try {
      xml->ReadXmlElement(entry.element, 1, layout.formatVersion);
    } catch (const Port::Exception&) {
      // An illegal Preserve value: refused, as the tool reports it.
    }
    Port::StringBase text;
    xml->WriteXmlAttributes(text);
    partitions.push_back(partition);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ZoreFuzz::SetUpOnce();
  static HostXml::XercesSession* const session = new HostXml::XercesSession();
  (void)session;
  std::string error;
  auto document = HostXml::DescriptionDocument::ParseText(
      std::string(reinterpret_cast<const char*>(data), size), "fuzz-input", error);
  if (document) {
    HostXml::DescriptionLayout layout;
    if (HostXml::ReadLayout(document->Root(), "fuzz-input", layout, error)) ReadPartitions(layout);
  }
  ZoreFuzz::ExpectNoLiveComponents();
  return 0;
}
