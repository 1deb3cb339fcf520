#include "support/XmlDoc.h"

#include <gtest/gtest.h>

#include <xercesc/dom/DOMDocument.hpp>
#include <xercesc/dom/DOMNodeList.hpp>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/XMLString.hpp>

namespace ZoreTest {

namespace {
namespace xc = XERCES_CPP_NAMESPACE;

/// Xerces-C is initialised once for the run, as a host does before it hands
/// the library any element.
class XercesEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { xc::XMLPlatformUtils::Initialize(); }
  void TearDown() override { xc::XMLPlatformUtils::Terminate(); }
};
const auto* const g_xerces = ::testing::AddGlobalTestEnvironment(new XercesEnvironment);
}  // namespace

XmlDoc::XmlDoc(const std::string& text) : m_parser(new xc::XercesDOMParser) {
  m_parser->setLoadExternalDTD(false);
  xc::MemBufInputSource source(reinterpret_cast<const XMLByte*>(text.data()), text.size(),
                               "test document");
  m_parser->parse(source);
  EXPECT_EQ(m_parser->getErrorCount(), 0u) << "not well formed:\n" << text;
}

XmlDoc::~XmlDoc() = default;

const xc::DOMElement* XmlDoc::Root() const {
  xc::DOMDocument* doc = m_parser->getDocument();
  return doc ? doc->getDocumentElement() : nullptr;
}

const xc::DOMElement* XmlDoc::Find(const char* name, int index) const {
  xc::DOMDocument* doc = m_parser->getDocument();
  if (!doc) return nullptr;
  XMLCh* tag = xc::XMLString::transcode(name);
  xc::DOMNodeList* all = doc->getElementsByTagName(tag);
  xc::XMLString::release(&tag);
  if (index < 0 || static_cast<XMLSize_t>(index) >= all->getLength()) return nullptr;
  return dynamic_cast<const xc::DOMElement*>(all->item(static_cast<XMLSize_t>(index)));
}

}  // namespace ZoreTest
