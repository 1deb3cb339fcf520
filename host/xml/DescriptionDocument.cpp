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
#include <xercesc/validators/DTD/DTDEntityDecl.hpp>

#include "Port/StringBase.h"
#include "xml/Transcode.h"

namespace HostXml {

namespace {

namespace xc = XERCES_CPP_NAMESPACE;

// ---- messages ----
constexpr const char* kCannotRead = "cannot read %s: %s";
constexpr const char* kNotRegularFile = "not a regular file";
constexpr const char* kUnknownFault = "the parser failed";
constexpr const char* kOutOfMemory = "out of memory";
constexpr const char* kEntityDeclared =
    "the document type declares entity \"%s\"; a description declares none";

/// Raised by the parser the moment the document type declares an entity.
struct EntityDeclared {
  std::string name;
};

/// The DOM parser, refusing any entity declaration: a description never
/// needs one, and an internal entity referred to many times could make a
/// small file expand without bound.
class DescriptionParser : public xc::XercesDOMParser {
 public:
  void entityDecl(const xc::DTDEntityDecl& decl, const bool, const bool) override {
    throw EntityDeclared{Transcoded(decl.getName())};
  }
};

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

DescriptionDocument::DescriptionDocument() : m_parser(new DescriptionParser) {}
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
  // network or file access), a document type that declares an entity is
  // refused, and the expansion limit stays as a second guard.
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
  } catch (const EntityDeclared& declared) {
    error = name + ": " + ombform(kEntityDeclared, declared.name.c_str());
    return nullptr;
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

namespace {

/// Opens `path` for reading when it is a regular file (a device or a pipe
/// could feed a reader forever).
bool OpenRegular(const std::string& path, std::ifstream& in, std::string& error) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) {
    error = ombform(kCannotRead, path.c_str(), std::strerror(errno));
    return false;
  }
  if (!S_ISREG(info.st_mode)) {
    error = ombform(kCannotRead, path.c_str(), kNotRegularFile);
    return false;
  }
  in.open(path, std::ios::binary);
  if (!in) {
    error = ombform(kCannotRead, path.c_str(), std::strerror(errno ? errno : EIO));
    return false;
  }
  return true;
}

}  // namespace

bool ReadFileText(const std::string& path, std::string& out, std::string& error) {
  std::ifstream in;
  if (!OpenRegular(path, in, error)) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) {
    error = ombform(kCannotRead, path.c_str(), std::strerror(errno ? errno : EIO));
    return false;
  }
  out = buffer.str();
  return true;
}

bool ReadFileHead(const std::string& path, std::size_t size, std::string& out, std::string& error) {
  std::ifstream in;
  if (!OpenRegular(path, in, error)) return false;
  out.assign(size, '\0');
  in.read(out.data(), static_cast<std::streamsize>(size));
  out.resize(static_cast<std::size_t>(in.gcount()));
  return true;
}

}  // namespace HostXml
