#include "xml/BuiltElement.h"

#include <xercesc/dom/DOMImplementation.hpp>
#include <xercesc/dom/DOMImplementationRegistry.hpp>

#include "xml/Transcode.h"

namespace HostXml {

namespace xc = XERCES_CPP_NAMESPACE;

namespace {

/// The DOM implementation of the core features, which every Xerces-C has.
xc::DOMImplementation& CoreImplementation() {
  static const XMLCh kCore[] = {'C', 'o', 'r', 'e', 0};
  return *xc::DOMImplementationRegistry::getDOMImplementation(kCore);
}

}  // namespace

BuiltElement::BuiltElement(const char* name)
    : m_document(CoreImplementation().createDocument()),
      m_element(m_document->createElement(DomString(name).get())) {
  m_document->appendChild(m_element);
}

// The document owns its nodes; releasing it frees the element too.
BuiltElement::~BuiltElement() { m_document->release(); }

void BuiltElement::SetAttribute(const char* name, const std::string& value) {
  m_element->setAttribute(DomString(name).get(), DomString(value).get());
}

}  // namespace HostXml
