// Traits of a partition and the reconfigurable flag. Not built yet: the
// operations answer failure until the trait rules arrive.
#include "Partition/Partition.h"

namespace ZorE {

CitI::Status Partition::SetTrait(const Port::StringBase&, const Port::StringBase&, bool) {
  return 0;
}
Port::StringBase Partition::GetTrait(const Port::StringBase&) { return {}; }
Dpm::IStringIterator* Partition::GetTraitNames() { return nullptr; }
Port::StringBase Partition::GetTraitDefault(const Port::StringBase&) { return {}; }
Dpm::IStringIterator* Partition::GetTraitValues(const Port::StringBase&) { return nullptr; }
CitI::Status Partition::SetReconfigurable(bool reconfigurable) {
  m_isReconfigurable = reconfigurable;
  return 0;
}

}  // namespace ZorE
