// The entry point of "libTcltask_Helpers": registers the classes the
// partition library creates for its Tcl properties.
#include "model/ServiceObject.h"
#include "tcltask/TclHelpers.h"

extern "C" __attribute__((visibility("default"))) void InstFactoryEntry() {
  HostModel::RegisterClass<Tcltask::PropertyRegistry>();
  HostModel::RegisterClass<Tcltask::PropertyValue>();
  HostModel::RegisterClass<Tcltask::Collection>();
}
