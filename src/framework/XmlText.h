// Holders for the strings Xerces-C transcodes between the library's 8-bit
// text and the DOM's 16-bit strings. Every transcoded string belongs to the
// caller and must be handed back with XMLString::release; these holders do
// it when they go out of use, so no reader path can leak one:
//
//   XmlName name("ImportLocation");                      // 8-bit -> DOM
//   Port::StringBase value = XmlText(element->getAttribute(name.get())).str();
//
// Names the reader looks for on every pin are DOM strings made when the
// library is built (DomLiteral), and a value made only of ASCII characters
// is copied as it stands, since every local code page holds ASCII as it
// is: no transcode, no allocation of Xerces-C's, for what almost every
// element carries.
//
// The library never parses documents: the host holds the DOM and has
// initialised Xerces-C before it hands an element over.
#pragma once

#include <cstddef>
#include <xercesc/dom/DOMAttr.hpp>
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

/// A DOM string fixed at build time from an ASCII name:
///   static constexpr DomLiteral kSite("Site");
template <std::size_t N>
class DomLiteral {
 public:
  constexpr explicit DomLiteral(const char (&ascii)[N]) : m_text{} {
    for (std::size_t i = 0; i < N; ++i) m_text[i] = static_cast<XMLCh>(ascii[i]);
  }
  constexpr const XMLCh* get() const { return m_text; }

 private:
  XMLCh m_text[N];
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

/// The same text as XmlText(value).str(): ASCII is copied a character at a
/// time, anything else transcoded.
inline Port::StringBase XmlValueText(const XMLCh* value) {
  if (!value) return {};
  std::size_t length = 0;
  for (; value[length]; ++length) {
    if (value[length] >= 0x80) return XmlText(value).str();
  }
  std::string text(length, '\0');
  for (std::size_t i = 0; i < length; ++i) text[i] = static_cast<char>(value[i]);
  return Port::StringBase(std::move(text));
}

/// What element.getAttribute(name) answers. A parsed attribute holds its
/// value as one text node, which is read directly: getAttribute would first
/// prove, by a run-time-typed cast, that the node has no sibling.
inline const XMLCh* XmlAttributeValue(const XERCES_CPP_NAMESPACE::DOMElement& element,
                                      const XMLCh* name) {
  const XERCES_CPP_NAMESPACE::DOMAttr* attribute = element.getAttributeNode(name);
  if (!attribute) return element.getAttribute(name);
  const XERCES_CPP_NAMESPACE::DOMNode* text = attribute->getFirstChild();
  if (text && text->getNodeType() == XERCES_CPP_NAMESPACE::DOMNode::TEXT_NODE &&
      !text->getNextSibling()) {
    return text->getNodeValue();
  }
  return attribute->getValue();
}

/// The value of attribute `name` of `element`, empty when the element does
/// not carry it (the DOM answers an absent attribute with an empty string).
inline Port::StringBase XmlAttribute(const XERCES_CPP_NAMESPACE::DOMElement& element,
                                     const XmlName& name) {
  return XmlValueText(XmlAttributeValue(element, name.get()));
}

/// Whether attribute `name` of `element` has a non-empty value, as
/// XmlAttribute would give it; an empty or absent one is not transcoded.
inline bool HasXmlAttributeText(const XERCES_CPP_NAMESPACE::DOMElement& element,
                                const XMLCh* name) {
  const XMLCh* value = element.getAttribute(name);
  return value && *value && !XmlValueText(value).IsEmpty();
}

}  // namespace ZorE
