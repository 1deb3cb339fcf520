// What the host's Tcl command layer lists and inspects: a named, typed
// object with named properties.
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
  virtual bool GetPropertyValue(const Port::StringBase& name, CitI::IInterface*& out) = 0;
  /// Slot 8: forwards the query to the property-name registry.
  virtual CitI::Status QueryProperties(CitI::IInterface* query) = 0;
  virtual std::int64_t GetReserved9() = 0;   // 9
  virtual CitI::Status GetReserved10() = 0;  // 10
};

}  // namespace UtilI
