// The project file's checksum (see Checksum.h).
#include "Checksum.h"

namespace HostPersist {

namespace {
constexpr std::uint64_t kStart = 0xcbf29ce484222325ULL;  // the FNV-1a offset basis
constexpr std::uint64_t kPrime = 0x100000001b3ULL;       // the FNV-1a 64-bit prime

std::uint64_t Mix(std::uint64_t state, std::uint64_t word) {
  state = (state ^ word) * kPrime;
  return state ^ (state >> 32);
}
}  // namespace

std::uint64_t Checksum(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  std::uint64_t state = kStart;
  std::size_t at = 0;
  for (; size - at >= 8; at += 8) {
    std::uint64_t word = 0;
    for (int i = 7; i >= 0; --i) word = (word << 8) | bytes[at + i];
    state = Mix(state, word);
  }
  for (; at < size; ++at) state = Mix(state, bytes[at]);
  return Mix(state, size);
}

}  // namespace HostPersist
