// Taking over a previous, exported implementation. Not built yet: both
// operations refuse (false) until the import rules arrive.
#include "Partition/Partition.h"

namespace ZorE {

bool Partition::ImportPreviousImplementation(ZavU::IPartition*, bool) { return false; }
bool Partition::ImportPartitionPins(ZavU::IPartition*) { return false; }

}  // namespace ZorE
