// Small in-memory XML documents for the reader and writer tests: the text is
// parsed with Xerces-C (initialised once for the whole run, as a host does)
// and its elements are found by name.
#pragma once

#include <memory>
#include <string>
#include <xercesc/dom/DOMElement.hpp>

namespace XERCES_CPP_NAMESPACE {
class XercesDOMParser;
}

namespace ZoreTest {

class XmlDoc {
 public:
  /// Parses `text`; a document that is not well formed fails the test.
  explicit XmlDoc(const std::string& text);
  ~XmlDoc();
  XmlDoc(const XmlDoc&) = delete;
  XmlDoc& operator=(const XmlDoc&) = delete;

  const XERCES_CPP_NAMESPACE::DOMElement* Root() const;
  /// The `index`-th element named `name`, in document order; null when there
  /// is none.
  const XERCES_CPP_NAMESPACE::DOMElement* Find(const char* name, int index = 0) const;

 private:
  std::unique_ptr<XERCES_CPP_NAMESPACE::XercesDOMParser> m_parser;
};

}  // namespace ZoreTest
