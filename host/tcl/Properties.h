// A partition's properties as the Tcl layer reads them: through its
// collectable view, whose values are the Tcl objects of the helper library.
#pragma once

#include <tcl.h>

#include "ShellState.h"

namespace HostTcl {

/// The value of property `name` of `partition` (owned by the property's
/// value object: take a reference to keep it) and its kind; null with the
/// error set when the partition has no such property or no value for it.
Tcl_Obj* PropertyValue(Context& context, ZavU::IPartition& partition, const char* name,
                       const char** kind = nullptr);
/// A new list of the partition's property names (no reference taken yet);
/// null with the error set.
Tcl_Obj* PropertyNames(Context& context, ZavU::IPartition& partition);

}  // namespace HostTcl
