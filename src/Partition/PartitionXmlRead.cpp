// Reading a partition's element of the XML partition description. Not built
// yet: the reader answers failure until the description reader arrives.
#include "Partition/Partition.h"

namespace ZorE {

CitI::Status Partition::ReadXmlElement(const XERCES_CPP_NAMESPACE::DOMElement*, std::uint32_t,
                                       std::uint32_t) {
  return 0;
}

}  // namespace ZorE
