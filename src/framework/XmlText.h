// Holders for the strings Xerces-C transcodes between the library's 8-bit
// text and the DOM's 16-bit strings. Every transcoded string belongs to the
// caller and must be handed back with XMLString::release; these holders do
// it when they go out of use, so no reader path can leak one:
//
//   XmlName name("ImportLocation");                      // 8-bit -> DOM
//   Port::StringBase value = XmlText(element->getAttribute(name.get())).str();
//
// The library never parses documents: the host holds the DOM and has
// initialised Xerces-C before it hands an element over.
#pragma once

#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/util/XMLString.hpp>

#include "Port/StringBase.h"

namespace ZorE {

/// A DOM string made from 8-bit text (an element or attribute name).
class XmlName {
 public:
  explicit XmlName(const char* text) : m_text(XERCES_CPP_NAMESPACE::XMLString::transcode(text)) {}
  ~XmlName() { XERCES_CPP_NAMESPACE::XMLString::release(&m_text); }
  XmlName(const XmlName&) = delete;
  XmlName& operator=(const XmlName&) = delete;

  const XMLCh* get() const { return m_text; }

 private:
  XMLCh* m_text;
};

/// 8-bit text made from a DOM string (an attribute value or a node name).
class XmlText {
 public:
  explicit XmlText(const XMLCh* text)
      : m_text(text ? XERCES_CPP_NAMESPACE::XMLString::transcode(text) : nullptr) {}
  ~XmlText() {
    if (m_text) XERCES_CPP_NAMESPACE::XMLString::release(&m_text);
  }
  XmlText(const XmlText&) = delete;
  XmlText& operator=(const XmlText&) = delete;

  /// The text; empty when there was none or it could not be transcoded.
  Port::StringBase str() const { return Port::StringBase(m_text ? m_text : ""); }

 private:
  char* m_text;
};

/// The value of attribute `name` of `element`, empty when the element does
/// not carry it (the DOM answers an absent attribute with an empty string).
inline Port::StringBase XmlAttribute(const XERCES_CPP_NAMESPACE::DOMElement& element,
                                     const XmlName& name) {
  return XmlText(element.getAttribute(name.get())).str();
}

}  // namespace ZorE
