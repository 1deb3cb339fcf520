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
//     Partition::OnPinsReplaced, which drops the index; a list that shrank,
//     or an indexed entry found replaced, is noticed by itself.
// A pin of another implementation cannot report renames; while the list holds
// one, lookups walk the list.
//
// The table is open-addressed (one probe sequence in one array, no node per
// name), so a lookup in a partition of 100,000 pins costs about what it costs
// in one of 1,000.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ZavU/IPartition.h"

namespace ZorE {

class PartitionPin;

class PinNameIndex {
 public:
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

  /// Position in `pins` of the first pin whose current name is `name`, or npos.
  std::size_t Find(const std::vector<ZavU::PinRef>& pins, const Port::StringBase& name);
  /// Forgets everything: the list was replaced.
  void Invalidate() { m_valid = false; }
  /// Forgets everything and hands the table's memory back; the next Find
  /// builds it again. A partition read from a description drops the table
  /// it built to refuse duplicate names, so that a design's pins are not
  /// all indexed at once while the document is still held.
  void Release() {
    std::vector<Slot>().swap(m_slots);
    m_valid = false;
  }

 private:
  // The pin itself rather than the interface the list holds: its name is
  // read without first reading the interface's way back to the pin, and the
  // interface is found from it without reading anything.
  struct Slot {
    std::uint32_t hash = 0;
    std::uint32_t position = 0;   // in the list, of the name's first pin
    PartitionPin* pin = nullptr;  // the pin indexed there; null: empty slot
  };

  void Rebuild(const std::vector<ZavU::PinRef>& pins);
  /// Indexes the entries from `first` on; false when an indexed entry turned
  /// out to be replaced (the index must then be rebuilt).
  bool IndexFrom(const std::vector<ZavU::PinRef>& pins, std::size_t first);
  void Grow();
  /// Whether the list still holds the slot's pin where it was indexed (only
  /// then may the pin be read).
  static bool Holds(const std::vector<ZavU::PinRef>& pins, const Slot& slot);
  static std::size_t Walk(const std::vector<ZavU::PinRef>& pins, const Port::StringBase& name);

  std::vector<Slot> m_slots;       // a power of two in size, at most 7/10 full
  std::size_t m_used = 0;          // slots holding a name
  std::size_t m_indexed = 0;       // list entries indexed so far
  std::uint64_t m_generation = 0;  // rename count the index matches
  bool m_valid = false;
  bool m_walkOnly = false;  // the list holds a pin that cannot report renames
};

}  // namespace ZorE
