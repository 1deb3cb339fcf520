// What our host's Tcl helper objects hold: a real Tcl object. The property
// value objects and the collection results of "libTcltask_Helpers" answer
// this interface, so the Tcl command layer takes their Tcl_Obj as it is,
// and the property-name registry fills one with the names registered.
//
//   auto* held = CitI::QueryAs<Tcltask::ITclObjValue>(value);
//   Tcl_SetObjResult(interp, held->GetObj());   // string, boolean or list
#pragma once

#include "CitI/IInterface.h"

struct Tcl_Obj;

namespace Tcltask {

/// The helper library, loaded by name when its classes are missing.
inline constexpr const char* kHelpersLibrary = "libTcltask_Helpers";

/// Which kind of value an object holds, as report_property names it.
inline constexpr const char* kKindString = "string";
inline constexpr const char* kKindBool = "bool";
inline constexpr const char* kKindCollection = "collection";
inline constexpr const char* kKindList = "list";
inline constexpr const char* kKindNone = "none";

class ITclObjValue : public CitI::IInterface {
 public:
  static constexpr Port::XuidWords kIID =
      Port::XuidFromText("{6b0d6c3e-2f4a-4c1e-9a57-3d8e1f0b7c42}");
  /// Slot 2: the value, owned by this object (null before any value is set).
  virtual Tcl_Obj* GetObj() = 0;
  /// Slot 3: holds `obj` (a reference of its own) as a value of `kind`.
  virtual void SetObj(Tcl_Obj* obj, const char* kind) = 0;
  /// Slot 4: one of the kinds above.
  virtual const char* GetKind() = 0;
};

}  // namespace Tcltask
