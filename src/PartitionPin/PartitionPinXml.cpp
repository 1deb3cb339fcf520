// The pin's check of its Pin element. Not built yet: refuses (0) until the
// description reader arrives.
#include "PartitionPin/PartitionPin.h"

namespace ZorE {

CitI::Status PartitionPin::ReadXmlAttributes(const XERCES_CPP_NAMESPACE::DOMElement*,
                                             std::uint32_t, std::uint32_t) {
  return 0;
}

}  // namespace ZorE
