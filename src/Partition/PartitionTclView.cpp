// The partition as a Tcl collectable object. Not built yet: no property is
// produced until the Tcl view arrives.
#include "Partition/Partition.h"

namespace ZorE {

bool Partition::GetPropertyValue(const Port::StringBase&, CitI::IInterface*&) { return false; }
CitI::Status Partition::QueryProperties(CitI::IInterface*) { return 0; }

}  // namespace ZorE
