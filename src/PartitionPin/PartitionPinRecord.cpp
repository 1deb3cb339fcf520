// The pin's record in the project repository. Not built yet: save and load
// answer failure until the record layout arrives.
#include "PartitionPin/PartitionPin.h"

namespace ZorE {

CitI::Status PartitionPin::PersistLoad(Prjrep::IPersistStream*) { return 0; }
CitI::Status PartitionPin::PersistSave(Prjrep::IPersistStream*) { return 0; }

}  // namespace ZorE
