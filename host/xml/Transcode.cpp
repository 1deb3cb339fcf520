#include "xml/Transcode.h"

#include <xercesc/util/XMLString.hpp>

namespace HostXml {

namespace xc = XERCES_CPP_NAMESPACE;

std::string Transcoded(const XMLCh* text) {
  if (!text) return {};
  char* bytes = xc::XMLString::transcode(text);
  std::string out = bytes ? bytes : "";
  xc::XMLString::release(&bytes);
  return out;
}

DomString::DomString(const std::string& text) : m_text(xc::XMLString::transcode(text.c_str())) {}
DomString::~DomString() { xc::XMLString::release(&m_text); }

}  // namespace HostXml
