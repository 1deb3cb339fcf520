// An object's properties as the Tcl layer reads them: a partition's through
// its collectable view (the Tcl objects of the helper library), then the
// host's own (HostProperties.h); a pin's from the host alone.
#pragma once

#include <tcl.h>

#include <string>

#include "ShellState.h"

namespace HostTcl {

/// The value of property `name` of `object` and its kind, valid until the
/// command ends (take a reference to keep it longer); null with the error
/// set when the object has no such property or no value for it.
Tcl_Obj* PropertyValue(Context& context, const Object& object, const char* name,
                       const char** kind = nullptr);
/// The name `object` lists for property `name`, letters compared without
/// regard to case ("Preserve" is "preserve"); `name` itself when it lists
/// none such, or cannot list its names.
std::string ListedPropertyName(Context& context, const Object& object, const std::string& name);
/// A new list of the object's property names (no reference taken yet);
/// null with the error set.
Tcl_Obj* PropertyNames(Context& context, const Object& object);
/// Whether set_property can set property `name` of `object`.
bool IsSettable(const Object& object, const char* name);
/// Whether `name` is one of the partition's traits.
bool IsTrait(ZavU::IPartition& partition, const char* name);

}  // namespace HostTcl
