// The partition's record in the project repository. Not built yet: save and
// load answer failure until the record layout arrives.
#include "Partition/Partition.h"

namespace ZorE {

CitI::Status Partition::PersistLoad(Prjrep::IPersistStream*) { return 0; }
CitI::Status Partition::PersistSave(Prjrep::IPersistStream*) { return 0; }

}  // namespace ZorE
