// Feeds arbitrary text to the description reader: the host parses and lays
// it out, then each partition reads its element and writes its attributes
// back, as hdpart does.
#include <cstddef>
#include <cstdint>
#include <string>

#include "DescriptionSupport.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ZoreFuzz::SetUpOnce();
  {
    ZoreFuzz::BuiltDescription built;
    if (ZoreFuzz::BuildDescription(std::string(reinterpret_cast<const char*>(data), size), built)) {
      for (const auto& described : built.content.partitions) {
        Port::StringBase text;
        described.partition.As<ZavU::IXPartition>()->WriteXmlAttributes(text);
      }
    }
  }
  ZoreFuzz::ExpectNoLiveComponents();
  return 0;
}
