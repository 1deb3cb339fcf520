// An element made with the DOM's own calls rather than parsed from text, for
// handing a component the values the host kept: each attribute value is
// exactly the string set, whatever characters it holds, and nothing is
// parsed a second time.
//
//   HostXml::BuiltElement element("Partition");
//   element.SetAttribute("ImportLocation", "a\tb");
//   description->ReadXmlElement(element.Get(), checkFlag, formatVersion);
//
// Xerces-C must be set up (XercesSession) while the element lives.
#pragma once

#include <string>
#include <xercesc/dom/DOMDocument.hpp>
#include <xercesc/dom/DOMElement.hpp>

namespace HostXml {

class BuiltElement {
 public:
  /// A document holding one empty element named `name`.
  explicit BuiltElement(const char* name);
  ~BuiltElement();
  BuiltElement(const BuiltElement&) = delete;
  BuiltElement& operator=(const BuiltElement&) = delete;

  void SetAttribute(const char* name, const std::string& value);
  /// The element; it lives as long as this object.
  const XERCES_CPP_NAMESPACE::DOMElement* Get() const { return m_element; }

 private:
  XERCES_CPP_NAMESPACE::DOMDocument* m_document;
  XERCES_CPP_NAMESPACE::DOMElement* m_element;
};

}  // namespace HostXml
