#include "xml/Transcode.h"

#include <xercesc/util/XMLString.hpp>

namespace HostXml {

std::string Transcoded(const XMLCh* text) {
  if (!text) return {};
  char* bytes = XERCES_CPP_NAMESPACE::XMLString::transcode(text);
  std::string out = bytes ? bytes : "";
  XERCES_CPP_NAMESPACE::XMLString::release(&bytes);
  return out;
}

}  // namespace HostXml
