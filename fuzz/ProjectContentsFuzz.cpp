// Feeds arbitrary bytes to the reader of a project file's contents, past the
// checksum that would refuse nearly every mutated file: partition and pin
// records, counts, indexes and strings all come from the input.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "ProjectFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ZoreFuzz::SetUpOnce();
  {
    HostPersist::MemoryStream stream(std::string(reinterpret_cast<const char*>(data), size));
    HostModel::ProjectImage image;
    std::string error;
    HostPersist::ReadProject(stream, "fuzz-input", image, error);
  }
  ZoreFuzz::ExpectNoLiveComponents();
  return 0;
}
