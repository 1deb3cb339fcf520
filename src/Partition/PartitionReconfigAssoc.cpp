// Reconfigurable-module association. Not built yet: every answer is false
// until the association rules arrive.
#include "Partition/Partition.h"

namespace ZorE {

bool Partition::IsReconfigurableLogic() { return false; }
bool Partition::GetReconfigAssociation(CitI::IInterface*&) { return false; }
bool Partition::GetReconfigModuleName(Port::StringBase*) { return false; }
bool Partition::GetReconfigModuleProjectLocation(Port::StringBase*) { return false; }

}  // namespace ZorE
