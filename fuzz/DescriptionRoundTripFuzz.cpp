// The description writer's round trip: whatever description the reader
// accepts whole, written and read again, gives the same partitions, so
// writing it once more gives the same text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "DescriptionSupport.h"
#include "FuzzSupport.h"

namespace {

/// The text of a description accepted whole, written; empty when the input
/// is refused or holds a value the writer refuses.
std::string ReadAndWrite(const std::string& text) {
  ZoreFuzz::BuiltDescription built;
  std::string written;
  std::string error;
  if (!ZoreFuzz::BuildDescription(text, built) || !built.allRead ||
      !HostXml::WriteDescription(built.content, written, error)) {
    return {};
  }
  return written;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ZoreFuzz::SetUpOnce();
  const std::string first = ReadAndWrite(std::string(reinterpret_cast<const char*>(data), size));
  if (!first.empty() && ReadAndWrite(first) != first) std::abort();
  ZoreFuzz::ExpectNoLiveComponents();
  return 0;
}
