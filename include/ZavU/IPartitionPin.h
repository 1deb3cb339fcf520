// Interfaces of a partition pin, a named port on a partition's boundary.
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
  virtual CitI::Status SetName(const Port::StringBase& name) = 0;                        // slot 2
  virtual Port::StringBase GetName() = 0;                                                // slot 3
  virtual CitI::Status Dump() = 0;                                                       // slot 4
  virtual CitI::Status SetPartitionPinBel(const Port::StringBase& bel) = 0;              // slot 5
  virtual Port::StringBase GetPartitionPinBel() = 0;                                     // slot 6
  virtual CitI::Status SetPartitionPinSite(const Port::StringBase& site) = 0;            // slot 7
  virtual Port::StringBase GetPartitionPinSite() = 0;                                    // slot 8
  virtual CitI::Status ClearPartitionPinBelAndSite() = 0;                                // slot 9
  virtual CitI::Status GetVersion(std::uint32_t* version, std::uint32_t* revision) = 0;  // slot 10
};

class IPPXPartition : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(ZavU_IPPXPartition)
  /// Slot 2: checks a Pin element of the partition description; 1 accepted.
  virtual CitI::Status ReadXmlAttributes(const XERCES_CPP_NAMESPACE::DOMElement* pin,
                                         std::uint32_t checkFlag, std::uint32_t formatVersion) = 0;
  virtual CitI::Status NoOperation() = 0;  // slot 3
};

}  // namespace ZavU
