// A description file parsed into a DOM, safely: the parser fetches no
// external DTD or entity, refuses a document type that declares entities (so
// a document takes memory in proportion to its size), does not validate,
// and reports the first fault of a document that is not well formed with
// the file, line and column. The DOM holds the elements and their
// attributes only: text and comments between elements are checked by the
// parser but not kept.
//
//   std::string error;
//   auto doc = HostXml::DescriptionDocument::ParseFile("xpartition.pxml", error);
//   if (!doc) report(error);   // "xpartition.pxml:3:7: expected end of tag 'Pins'"
//
// Xerces-C must be set up (XercesSession) while a document lives.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

namespace XERCES_CPP_NAMESPACE {
class XercesDOMParser;
}

namespace HostXml {

/// Where an element starts in its file; line 0 when it is not known.
struct ElementPosition {
  std::uint64_t line = 0;
  std::uint64_t column = 0;
};

/// Whose starts a document keeps besides its Partition elements': a reader
/// that reports on any element (a checker) asks for every element's.
enum class KeptStarts { Partitions, EveryElement };

class DescriptionDocument {
 public:
  /// Entity references expanded at most this many times in one document.
  static constexpr unsigned kEntityExpansionLimit = 1000;

  /// Parses the file at `path`; null with `error` set when it cannot be read
  /// or is not well formed.
  static std::unique_ptr<DescriptionDocument> ParseFile(const std::string& path, std::string& error,
                                                        KeptStarts kept = KeptStarts::Partitions);
  /// Parses `text`, naming it `name` in errors.
  static std::unique_ptr<DescriptionDocument> ParseText(const std::string& text,
                                                        const std::string& name, std::string& error,
                                                        KeptStarts kept = KeptStarts::Partitions);
  ~DescriptionDocument();
  DescriptionDocument(const DescriptionDocument&) = delete;
  DescriptionDocument& operator=(const DescriptionDocument&) = delete;

  /// The document element; the DOM lives as long as this object.
  const XERCES_CPP_NAMESPACE::DOMElement* Root() const;
  /// Where the Partition element `element` starts (its "<"), as the parser
  /// saw it; line 0 for any other element.
  ElementPosition StartOf(const XERCES_CPP_NAMESPACE::DOMElement* element) const;
  /// With KeptStarts::EveryElement, where each element starts, in document
  /// order: the root first, then depth first, as a walk over the elements
  /// meets them (the DOM holds every element, no entity reference stands in
  /// for one). Empty otherwise. A list rather than a map: a description of a
  /// million pins keeps 16 bytes an element.
  const std::vector<ElementPosition>& ElementStarts() const;

 private:
  DescriptionDocument();
  std::unique_ptr<XERCES_CPP_NAMESPACE::XercesDOMParser> m_parser;
};

/// The byte offset of the first NUL character of a document, or npos; the
/// characters are one, two or four bytes wide as the document's start says.
std::size_t FindNulCharacter(const std::string& text);

}  // namespace HostXml
