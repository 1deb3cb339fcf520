// The run-time-typed downcast from a DOM node to an element, made cheap for
// a reader that meets thousands of nodes of one kind in a row.
//
// dynamic_cast walks the node's class hierarchy and compares type records by
// name at every step; on a Pin list that is most of what reading a pin
// costs. ElementCast answers exactly what dynamic_cast answers: for a node
// of the same most-derived type, seen through the same place in it, as the
// last node the full check accepted, it repeats that answer (the element
// part lies at the same offset); every other node takes the full check.
#pragma once

#include <cstddef>
#include <typeinfo>
#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/dom/DOMNode.hpp>

namespace ZorE {

class ElementCast {
 public:
  /// The node as an element, or null when it is not one.
  const XERCES_CPP_NAMESPACE::DOMElement* operator()(const XERCES_CPP_NAMESPACE::DOMNode* node) {
    if (!node) return nullptr;
    const std::type_info* type = &typeid(*node);
    const std::ptrdiff_t fromTop = OffsetFromTop(node);
    if (type == m_type && fromTop == m_fromTop) {
      return static_cast<const XERCES_CPP_NAMESPACE::DOMElement*>(node);
    }
    const auto* element = dynamic_cast<const XERCES_CPP_NAMESPACE::DOMElement*>(node);
    // Only an answer the plain conversion gives too is worth repeating.
    if (element && element == static_cast<const XERCES_CPP_NAMESPACE::DOMElement*>(node)) {
      m_type = type;
      m_fromTop = fromTop;
    }
    return element;
  }

 private:
  static std::ptrdiff_t OffsetFromTop(const XERCES_CPP_NAMESPACE::DOMNode* node) {
    return reinterpret_cast<const char*>(node) -
           static_cast<const char*>(dynamic_cast<const void*>(node));
  }

  const std::type_info* m_type = nullptr;  // of the last node accepted
  std::ptrdiff_t m_fromTop = 0;            // where in it that node was seen
};

}  // namespace ZorE
