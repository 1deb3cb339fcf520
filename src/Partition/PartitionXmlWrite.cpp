// Writing a partition element's attributes. Not built yet: the writer
// answers failure until the description writer arrives.
#include "Partition/Partition.h"

namespace ZorE {

CitI::Status Partition::WriteXmlAttributes(Port::StringBase&) { return 0; }

}  // namespace ZorE
