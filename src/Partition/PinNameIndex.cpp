// The pin-name index of a partition (see PinNameIndex.h).
#include "Partition/PinNameIndex.h"

#include <functional>
#include <string_view>

#include "PartitionPin/PartitionPin.h"

namespace ZorE {

namespace {

std::uint32_t HashOf(const std::string& name) {
  std::size_t h = std::hash<std::string_view>()(name);
  return static_cast<std::uint32_t>(h ^ (h >> 32));
}

const std::string& NameOf(const PartitionPin* pin) { return pin->GetName().str(); }

}  // namespace

std::size_t PinNameIndex::Find(const std::vector<ZavU::PinRef>& pins,
                               const Port::StringBase& name) {
  if (!m_valid || m_generation != PartitionPin::NameGeneration() || pins.size() < m_indexed ||
      !IndexFrom(pins, m_indexed)) {
    Rebuild(pins);
  }
  if (m_walkOnly) return Walk(pins, name);

  const std::uint32_t hash = HashOf(name.str());
  const std::size_t mask = m_slots.size() - 1;
  for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
    const Slot& slot = m_slots[at];
    if (!slot.pin) return npos;
    if (slot.hash != hash) continue;
    // Most likely the answer: whoever asked will take a reference on it
    // through its interface, so those lines are fetched while the list and
    // the name are read, not one after the other.
    slot.pin->PrepareToHandOut();
    if (!Holds(pins, slot)) {
      // An entry was replaced in place without notice: trust the list.
      Rebuild(pins);
      return Walk(pins, name);
    }
    if (NameOf(slot.pin) == name.str()) return slot.position;
  }
}

bool PinNameIndex::Holds(const std::vector<ZavU::PinRef>& pins, const Slot& slot) {
  return slot.position < pins.size() && pins[slot.position].get() == slot.pin->PinInterface();
}

void PinNameIndex::Rebuild(const std::vector<ZavU::PinRef>& pins) {
  m_slots.assign(16, Slot());
  m_used = 0;
  m_indexed = 0;
  m_walkOnly = false;
  m_valid = true;
  IndexFrom(pins, 0);  // a fresh table holds no replaced entry
}

bool PinNameIndex::IndexFrom(const std::vector<ZavU::PinRef>& pins, std::size_t first) {
  for (std::size_t position = first; position < pins.size(); ++position) {
    if (!pins[position]) continue;  // an empty entry has no name to find
    PartitionPin* pin = PartitionPin::FromInterface(pins[position].get());
    if (!pin || position > UINT32_MAX) {  // renames unseen, or beyond what a slot holds
      m_walkOnly = true;
      continue;
    }
    pin->WatchName();
    if ((m_used + 1) * 10 > m_slots.size() * 7) Grow();

    const std::string& name = pin->GetName().str();
    const std::uint32_t hash = HashOf(name);
    const std::size_t mask = m_slots.size() - 1;
    std::size_t at = hash & mask;
    bool known = false;  // an earlier pin of the name stays first
    for (; m_slots[at].pin && !known; at = (at + 1) & mask) {
      const Slot& slot = m_slots[at];
      if (slot.hash != hash) continue;
      if (!Holds(pins, slot)) return false;
      known = NameOf(slot.pin) == name;
    }
    if (!known) {
      m_slots[at] = Slot{hash, static_cast<std::uint32_t>(position), pin};
      ++m_used;
    }
  }
  m_indexed = pins.size();
  // Watching the pins renames nothing, so the count read now is the one the
  // names above belong to.
  m_generation = PartitionPin::NameGeneration();
  return true;
}

void PinNameIndex::Grow() {
  std::vector<Slot> old(m_slots.size() * 2);
  old.swap(m_slots);
  const std::size_t mask = m_slots.size() - 1;
  for (const Slot& slot : old) {
    if (!slot.pin) continue;
    std::size_t at = slot.hash & mask;
    while (m_slots[at].pin) at = (at + 1) & mask;
    m_slots[at] = slot;
  }
}

std::size_t PinNameIndex::Walk(const std::vector<ZavU::PinRef>& pins,
                               const Port::StringBase& name) {
  for (std::size_t at = 0; at < pins.size(); ++at) {
    if (pins[at] && pins[at]->GetName() == name) return at;
  }
  return npos;
}

}  // namespace ZorE
