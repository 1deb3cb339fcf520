// Parsing description files with Xerces-C's DOM parser under safe settings.
#include "xml/DescriptionDocument.h"

#include <cstring>
#include <sstream>
#include <unordered_map>
#include <vector>
#include <xercesc/dom/DOMDocument.hpp>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/internal/XMLScanner.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/sax/ErrorHandler.hpp>
#include <xercesc/sax/SAXParseException.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/SecurityManager.hpp>
#include <xercesc/util/XMLException.hpp>
#include <xercesc/util/XMLString.hpp>
#include <xercesc/validators/DTD/DTDEntityDecl.hpp>

#include "Port/StringBase.h"
#include "persist/RegularFile.h"
#include "xml/Transcode.h"

namespace HostXml {

namespace {

namespace xc = XERCES_CPP_NAMESPACE;

// ---- messages ----
constexpr const char* kNulCharacter =
    "description \"%s\" holds a NUL character at byte %zu; a description holds none";
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
///
/// Everything a description says is in its elements and their attributes;
/// the text between elements (the line breaks and indentation around every
/// pin) is still scanned and checked, but no node is made for it: nothing
/// reads it, and in a description laid out one element a line those nodes
/// take a fifth of the DOM and a quarter of the time spent building it.
///
/// It also keeps where each Partition element starts, for the messages about
/// it, and when asked, where every element starts, in document order. The
/// parser tells its position as it hands each piece of the document over; a
/// start tag begins where the piece before it (text, another tag, a comment,
/// the declaration) ended, so that position is noted after each.
class DescriptionParser : public xc::XercesDOMParser {
 public:
  void entityDecl(const xc::DTDEntityDecl& decl, const bool, const bool) override {
    throw EntityDeclared{Transcoded(decl.getName())};
  }
  void docCharacters(const XMLCh* const, const XMLSize_t, const bool) override { Note(); }
  void ignorableWhitespace(const XMLCh* const chars, const XMLSize_t length,
                           const bool cdataSection) override {
    XercesDOMParser::ignorableWhitespace(chars, length, cdataSection);
    Note();
  }
  void docComment(const XMLCh* const comment) override {
    XercesDOMParser::docComment(comment);
    Note();
  }
  void docPI(const XMLCh* const target, const XMLCh* const data) override {
    XercesDOMParser::docPI(target, data);
    Note();
  }
  void XMLDecl(const XMLCh* const version, const XMLCh* const encoding,
               const XMLCh* const standalone, const XMLCh* const autoEncoding) override {
    XercesDOMParser::XMLDecl(version, encoding, standalone, autoEncoding);
    Note();
  }
  void startElement(const xc::XMLElementDecl& decl, const unsigned int urlId,
                    const XMLCh* const prefix, const xc::RefVectorOf<xc::XMLAttr>& attributes,
                    const XMLSize_t count, const bool isEmpty, const bool isRoot) override {
    const ElementPosition start = m_last;
    XercesDOMParser::startElement(decl, urlId, prefix, attributes, count, isEmpty, isRoot);
    // Both for an empty element and for one with content, the element just
    // made is the parser's current node now.
    if (xc::XMLString::equals(decl.getBaseName(), kPartitionName)) {
      starts.emplace(static_cast<const xc::DOMElement*>(getCurrentNode()), start);
    }
    if (keepEveryStart) everyStart.push_back(start);
    Note();
  }
  void endElement(const xc::XMLElementDecl& decl, const unsigned int urlId, const bool isRoot,
                  const XMLCh* const prefix) override {
    XercesDOMParser::endElement(decl, urlId, isRoot, prefix);
    Note();
  }

  std::unordered_map<const xc::DOMElement*, ElementPosition> starts;
  bool keepEveryStart = false;
  std::vector<ElementPosition> everyStart;

 private:
  static constexpr XMLCh kPartitionName[] = {'P', 'a', 'r', 't', 'i', 't', 'i', 'o', 'n', 0};

  void Note() {
    if (const xc::Locator* where = getScanner()->getLocator()) {
      m_last = {static_cast<std::uint64_t>(where->getLineNumber()),
                static_cast<std::uint64_t>(where->getColumnNumber())};
    }
  }
  ElementPosition m_last{1, 1};
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

/// The width in bytes of the document's characters, told by its first bytes
/// as an XML parser tells the encoding: UTF-16 and UCS-4 by their byte-order
/// mark or by how "<" is laid out; anything else is read a byte at a time.
std::size_t CharacterWidth(const std::string& text) {
  struct Layout {
    const char* start;
    std::size_t length;
    std::size_t width;
  };
  static constexpr Layout kLayouts[] = {
      {"\x00\x00\xFE\xFF", 4, 4},
      {"\xFF\xFE\x00\x00", 4, 4},
      {"\x00\x00\x00<", 4, 4},
      {"<\x00\x00\x00", 4, 4},
      {"\xFE\xFF", 2, 2},
      {"\xFF\xFE", 2, 2},
      {"\x00<", 2, 2},
      {"<\x00", 2, 2},
  };
  for (const Layout& layout : kLayouts) {
    if (text.compare(0, layout.length, layout.start, layout.length) == 0) return layout.width;
  }
  return 1;
}

}  // namespace

std::size_t FindNulCharacter(const std::string& text) {
  const std::size_t width = CharacterWidth(text);
  if (width == 1) {
    const void* nul = std::memchr(text.data(), '\0', text.size());
    return nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - text.data())
               : std::string::npos;
  }
  for (std::size_t at = 0; at + width <= text.size(); at += width) {
    std::size_t zeros = 0;
    while (zeros < width && text[at + zeros] == '\0') ++zeros;
    if (zeros == width) return at;
  }
  return std::string::npos;
}

DescriptionDocument::DescriptionDocument() : m_parser(new DescriptionParser) {}
DescriptionDocument::~DescriptionDocument() = default;

ElementPosition DescriptionDocument::StartOf(const xc::DOMElement* element) const {
  const auto& starts = static_cast<const DescriptionParser&>(*m_parser).starts;
  const auto found = starts.find(element);
  return found == starts.end() ? ElementPosition{} : found->second;
}

const std::vector<ElementPosition>& DescriptionDocument::ElementStarts() const {
  return static_cast<const DescriptionParser&>(*m_parser).everyStart;
}

const xc::DOMElement* DescriptionDocument::Root() const {
  xc::DOMDocument* doc = m_parser->getDocument();
  return doc ? doc->getDocumentElement() : nullptr;
}

std::unique_ptr<DescriptionDocument> DescriptionDocument::ParseText(const std::string& text,
                                                                    const std::string& name,
                                                                    std::string& error,
                                                                    KeptStarts kept) {
  // The parser takes a NUL character for the end of the document and would
  // accept whatever follows it unread.
  const std::size_t nul = FindNulCharacter(text);
  if (nul != std::string::npos) {
    error = ombform(kNulCharacter, name.c_str(), nul);
    return nullptr;
  }
  std::unique_ptr<DescriptionDocument> doc(new DescriptionDocument);
  xc::XercesDOMParser& parser = *doc->m_parser;
  static_cast<DescriptionParser&>(parser).keepEveryStart = kept == KeptStarts::EveryElement;
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
  parser.setCreateCommentNodes(false);  // comments are not read either
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
                                                                    std::string& error,
                                                                    KeptStarts kept) {
  std::string text;
  if (!HostPersist::ReadRegularFile(path, text, error)) return nullptr;
  return ParseText(text, path, error, kept);
}

}  // namespace HostXml
