// Finding a partition's pins by name without walking the whole pin list.
//
// The answer is always that of the walk: the first pin, in list order, whose
// current name equals the asked name byte for byte. The index maps each name
// to the position of its first pin and stays exact by three rules:
//   - entries appended to the list since the last lookup are indexed on the
//     next lookup (whoever appended them);
//   - a pin renamed through its own SetName after a partition indexed it
//     advances the pins' rename count (PartitionPin::NameGeneration), and an
//     index built at another count is rebuilt before it answers;
//   - a list replaced wholesale (a record load) is announced through
//     Partition::OnPinsReplaced, which drops the index; a list that shrank is
//     noticed by itself.
// A pin of another implementation cannot report renames; while the list holds
// one, lookups walk the list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "ZavU/IPartition.h"

namespace ZorE {

class PinNameIndex {
 public:
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

  /// Position in `pins` of the first pin whose current name is `name`, or npos.
  std::size_t Find(const std::vector<ZavU::PinRef>& pins, const Port::StringBase& name);
  /// Forgets everything: the list was replaced.
  void Invalidate() { m_valid = false; }

 private:
  void Rebuild(const std::vector<ZavU::PinRef>& pins);
  void IndexFrom(const std::vector<ZavU::PinRef>& pins, std::size_t first);
  static std::size_t Walk(const std::vector<ZavU::PinRef>& pins, const Port::StringBase& name);

  std::unordered_map<std::string, std::size_t> m_first;  // name -> position of its first pin
  std::size_t m_indexed = 0;                              // list entries indexed so far
  std::uint64_t m_generation = 0;                         // rename count the index matches
  bool m_valid = false;
  bool m_walkOnly = false;  // the list holds a pin that cannot report renames
};

}  // namespace ZorE
