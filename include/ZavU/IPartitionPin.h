// Interfaces of a partition pin, a named port on a partition's boundary.
//
// A partition makes its pins through the registry and hands them out with a
// reference of their own (ZavU::PinRef); a pin kept after its partition is
// destroyed lives on, listed nowhere. Nothing here throws. Bel and Site are
// no longer part of the description: each call of their four accessors is
// reported as an internal message, and the setters answer 0 although they
// store; 0 from them is no failure.
#pragma once

#include <cstdint>
#include <xercesc/util/XercesDefs.hpp>

#include "CitI/IInterface.h"
#include "Port/StringBase.h"

XERCES_CPP_NAMESPACE_BEGIN
class DOMElement;
XERCES_CPP_NAMESPACE_END

namespace ZavU {

class IPartitionPin : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(ZavU_IPartitionPin)
  /// Its partition's lookups by name see the new name at once. A name another
  /// pin of the partition has is not refused: lookups answer the first pin.
  virtual CitI::Status SetName(const Port::StringBase& name) = 0;                        // slot 2
  virtual Port::StringBase GetName() = 0;                                                // slot 3
  virtual CitI::Status Dump() = 0;                                                       // slot 4
  virtual CitI::Status SetPartitionPinBel(const Port::StringBase& bel) = 0;              // slot 5
  virtual Port::StringBase GetPartitionPinBel() = 0;                                     // slot 6
  virtual CitI::Status SetPartitionPinSite(const Port::StringBase& site) = 0;            // slot 7
  virtual Port::StringBase GetPartitionPinSite() = 0;                                    // slot 8
  /// Empties Bel and Site without a message; answers 0, no failure.
  virtual CitI::Status ClearPartitionPinBelAndSite() = 0;                                // slot 9
  /// The version and revision of the pin's stored record; either pointer may
  /// be null.
  virtual CitI::Status GetVersion(std::uint32_t* version, std::uint32_t* revision) = 0;  // slot 10
};

class IPPXPartition : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(ZavU_IPPXPartition)
  /// Slot 2: checks a Pin element of the partition description; 1 accepted.
  /// Stores nothing. With `checkFlag` not 0 and `formatVersion` 2 or more,
  /// each location attribute the element still carries (Site, Binding,
  /// BelSite, BelPin) is reported as an error and the answer is 0;
  /// otherwise, and for a null element, 1.
  virtual CitI::Status ReadXmlAttributes(const XERCES_CPP_NAMESPACE::DOMElement* pin,
                                         std::uint32_t checkFlag, std::uint32_t formatVersion) = 0;
  virtual CitI::Status NoOperation() = 0;  // slot 3
};

}  // namespace ZavU
