// The properties the host adds to what a partition's collectable view
// shows, read through the partition's own interfaces, and the properties of
// a pin. Those that can be set are checked for every object before any is
// changed.
#pragma once

#include <tcl.h>

#include <string>
#include <vector>

#include "ShellState.h"

namespace HostTcl {

struct HostProperty {
  const char* name;
  const char* kind;  // "string", "bool", "int" or "collection", as report_property shows
  /// The value of the property of `object` (a new object, no reference).
  Tcl_Obj* (*get)(Context& context, const Object& object);
  /// Whether `value` may be set on `object`; false with the error set.
  /// Null for a property that cannot be set.
  bool (*check)(Context& context, const Object& object, Tcl_Obj* value);
  /// Sets a checked value; false (reported) when the partition refused it.
  bool (*set)(Context& context, const Object& object, Tcl_Obj* value);
};

/// The host's properties of partitions, after the collectable view's.
const std::vector<HostProperty>& PartitionProperties();
/// The properties of pins.
const std::vector<HostProperty>& PinProperties();
/// The host property `name` of `object`'s kind, or null.
const HostProperty* FindHostProperty(const Object& object, const std::string& name);

}  // namespace HostTcl
