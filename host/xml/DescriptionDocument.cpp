// Parsing description files with Xerces-C's DOM parser under safe settings.
#include "xml/DescriptionDocument.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include <xercesc/dom/DOMDocument.hpp>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/sax/ErrorHandler.hpp>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/SecurityManager.hpp>
#include <xercesc/util/XMLException.hpp>
#include <xercesc/util/XMLString.hpp>

namespace HostXml {

namespace {

namespace xc = XERCES_CPP_NAMESPACE;

// ---- messages ----
constexpr const char* kNotRegularFile = "not a regular file";
constexpr const char* kUnknownFault = "the parser failed";
constexpr const char* kOutOfMemory = "out of memory";

std::string Transcoded(const XMLCh* text) {
  if (!text) return {};
  char* bytes = xc::XMLString::transcode(text);
  std::string out = bytes ? bytes : "";
  xc::XMLString::release(&bytes);
  return out;
}

/// Keeps the first error or fatal error the parser reports, with its
/// position; warnings are not faults of the document.
class FirstFault : public xc::ErrorHandler {
 public:
  explicit FirstFault(std::string name) : m_name(std::move(name)) {}
  void warning(const xc::SAXParseException&) override {}
  void error(const xc::SAXParseException& e) override { Keep(e); }
  void fatalError(const xc::SAXParseException& e) override { Keep(e); }
  void resetErrors() override {}

  bool Found() const { return !m_text.empty(); }
  const std::string& Text() const { return m_text; }

 private:
  void Keep(const xc::SAXParseException& e) {
    if (Found()) return;
    std::ostringstream text;
    text << m_name << ':' << e.getLineNumber() << ':' << e.getColumnNumber() << ": "
         << Transcoded(e.getMessage());
    m_text = text.str();
  }
  std::string m_name;
  std::string m_text;
};

}  // namespace

DescriptionDocument::DescriptionDocument() : m_parser(new xc::XercesDOMParser) {}
DescriptionDocument::~DescriptionDocument() = default;

const xc::DOMElement* DescriptionDocument::Root() const {
  xc::DOMDocument* doc = m_parser->getDocument();
  return doc ? doc->getDocumentElement() : nullptr;
}

std::unique_ptr<DescriptionDocument> DescriptionDocument::ParseText(const std::string& text,
                                                                    const std::string& name,
                                                                    std::string& error) {
  std::unique_ptr<DescriptionDocument> doc(new DescriptionDocument);
  xc::XercesDOMParser& parser = *doc->m_parser;
  // A description is plain markup: nothing is validated, no DTD or entity
  // outside the document is fetched (an external entity is an error, not a
  // network or file access), entity references are replaced by their text,
  // and a document that expands entities more than the limit is refused.
  xc::SecurityManager security;
  security.setEntityExpansionLimit(kEntityExpansionLimit);
  parser.setValidationScheme(xc::XercesDOMParser::Val_Never);
  parser.setDoNamespaces(false);
  parser.setDoSchema(false);
  parser.setLoadSchema(false);
  parser.setLoadExternalDTD(false);
  parser.setDisableDefaultEntityResolution(true);  // no resolver is set: nothing resolves
  parser.setCreateEntityReferenceNodes(false);
  parser.setSecurityManager(&security);
  FirstFault faults(name);
  parser.setErrorHandler(&faults);

  xc::MemBufInputSource source(reinterpret_cast<const XMLByte*>(text.data()), text.size(),
                               name.c_str());
  try {
    parser.parse(source);
  } catch (const xc::OutOfMemoryException&) {
    error = name + ": " + kOutOfMemory;
    return nullptr;
  } catch (const xc::XMLException& e) {
    error = name + ": " + Transcoded(e.getMessage());
    return nullptr;
  } catch (...) {
    error = name + ": " + kUnknownFault;
    return nullptr;
  }
  parser.setErrorHandler(nullptr);
  parser.setSecurityManager(nullptr);
  if (faults.Found() || !doc->Root()) {
    error = faults.Found() ? faults.Text() : name + ": " + kUnknownFault;
    return nullptr;
  }
  return doc;
}

std::unique_ptr<DescriptionDocument> DescriptionDocument::ParseFile(const std::string& path,
                                                                    std::string& error) {
  std::string text;
  if (!ReadFileText(path, text, error)) return nullptr;
  return ParseText(text, path, error);
}

bool ReadFileText(const std::string& path, std::string& out, std::string& error) {
  // Only regular files: a device or a pipe could feed the reader forever.
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) {
    error = "cannot read " + path + ": " + std::strerror(errno);
    return false;
  }
  if (!S_ISREG(info.st_mode)) {
    error = "cannot read " + path + ": " + kNotRegularFile;
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  std::ostringstream buffer;
  if (in) buffer << in.rdbuf();
  if (!in || in.bad()) {
    error = "cannot read " + path + ": " + std::strerror(errno ? errno : EIO);
    return false;
  }
  out = buffer.str();
  return true;
}

}  // namespace HostXml
