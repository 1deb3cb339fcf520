// The pin-name index of a partition (see PinNameIndex.h).
#include "Partition/PinNameIndex.h"

#include "PartitionPin/PartitionPin.h"

namespace ZorE {

std::size_t PinNameIndex::Find(const std::vector<ZavU::PinRef>& pins,
                               const Port::StringBase& name) {
  if (!m_valid || m_generation != PartitionPin::NameGeneration() || pins.size() < m_indexed) {
    Rebuild(pins);
  } else if (pins.size() > m_indexed) {
    IndexFrom(pins, m_indexed);
  }
  if (m_walkOnly) return Walk(pins, name);

  auto found = m_first.find(name.str());
  if (found == m_first.end()) return npos;
  std::size_t at = found->second;
  if (pins[at] && pins[at]->GetName() == name) return at;
  // An entry was replaced in place without notice: trust the list, not the index.
  Rebuild(pins);
  return Walk(pins, name);
}

void PinNameIndex::Rebuild(const std::vector<ZavU::PinRef>& pins) {
  m_first.clear();
  m_first.reserve(pins.size());
  m_walkOnly = false;
  IndexFrom(pins, 0);
  m_valid = true;
}

void PinNameIndex::IndexFrom(const std::vector<ZavU::PinRef>& pins, std::size_t first) {
  for (std::size_t at = first; at < pins.size(); ++at) {
    if (!pins[at]) continue;  // an empty entry has no name to find
    PartitionPin* pin = PartitionPin::FromInterface(pins[at].get());
    if (!pin) {
      m_walkOnly = true;
      continue;
    }
    pin->WatchName();
    m_first.emplace(pin->m_name.str(), at);  // an earlier pin of the name stays first
  }
  m_indexed = pins.size();
  // Watching the pins renames nothing, so the count read now is the one the
  // names above belong to.
  m_generation = PartitionPin::NameGeneration();
}

std::size_t PinNameIndex::Walk(const std::vector<ZavU::PinRef>& pins,
                               const Port::StringBase& name) {
  for (std::size_t at = 0; at < pins.size(); ++at) {
    if (pins[at] && pins[at]->GetName() == name) return at;
  }
  return npos;
}

}  // namespace ZorE
