// The checksum that guards a project file's contents against damage.
//
// The bytes are taken eight at a time as little-endian words (the tail byte
// by byte); each step mixes one word into a 64-bit state by xor, multiply by
// an odd constant and a fold of the high half onto the low half. For a fixed
// input word every step is a bijection of the state, so a change confined
// to one word (a flipped bit, an overwritten byte) always changes the sum;
// other damage goes unnoticed with a chance of about 2^-64. It guards
// against accidents, not against anyone forging a file.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Port/HostApi.h"

namespace HostPersist {

HOST_API std::uint64_t Checksum(const void* data, std::size_t size);

}  // namespace HostPersist
