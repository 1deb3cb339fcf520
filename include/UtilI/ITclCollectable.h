// What the host's Tcl command layer lists and inspects: a named, typed
// object with named properties.
//
// A partition answers it: its name is its hierarchical name, its type
// "partition", its identifier "partition:" and the name. Its properties are
// made by the host's Tcl helper objects (Tcltask/ITclHelpers.h), created on
// first use. Nothing here throws; the library catches nothing a host service
// throws.
#pragma once

#include <cstdint>

#include "CitI/IInterface.h"
#include "Port/StringBase.h"

namespace UtilI {

class ITclCollectable : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(UtilI_ITclCollectable)
  virtual CitI::Status GetName(Port::StringBase& out) = 0;  // 2
  virtual CitI::Status GetType(Port::StringBase& out) = 0;  // 3
  virtual Port::StringBase GetIdentifier() = 0;             // 4
  virtual bool IsReserved5() = 0;                           // 5
  virtual bool IsReserved6() = 0;                           // 6
  /// Slot 7: the value object of the named property, with a reference.
  /// True, `out` holding it, when the property is known, the Tcl helper
  /// objects can be made, the partition's design project holds an entry
  /// under its hierarchical name, and the value can be made; false, `out`
  /// untouched, otherwise. `out` is overwritten, never released: pass it
  /// null, and adopt what it receives. The object is the one the partition
  /// keeps for the property, and the next request of the property sets it
  /// anew: copy the value you keep.
  virtual bool GetPropertyValue(const Port::StringBase& name, CitI::IInterface*& out) = 0;
  /// Slot 8: forwards the query to the property-name registry
  /// (Tcltask::ITclPropertyRegistry::Query) and answers its status; 0 when
  /// the registry cannot be made.
  virtual CitI::Status QueryProperties(CitI::IInterface* query) = 0;
  virtual std::int64_t GetReserved9() = 0;   // 9
  virtual CitI::Status GetReserved10() = 0;  // 10
};

}  // namespace UtilI
