// The diagnostic dump of a partition. Not built yet: answers failure until
// the dump arrives.
#include "Partition/Partition.h"

namespace ZorE {

CitI::Status Partition::Dump() { return 0; }

}  // namespace ZorE
