// The entry point of "libTcltask_Helpers": registers the classes the
// partition library creates for its Tcl properties.
#include "project/Registration.h"
#include "tcltask/TclHelpers.h"

extern "C" __attribute__((visibility("default"))) void InstFactoryEntry() {
  HostProject::RegisterClass<Tcltask::PropertyRegistry>();
  HostProject::RegisterClass<Tcltask::PropertyValue>();
  HostProject::RegisterClass<Tcltask::Collection>();
}
