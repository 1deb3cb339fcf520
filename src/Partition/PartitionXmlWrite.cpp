// Writing a partition element's attributes for the partition description:
// the host writes the opening of the element, the partition appends its
// attributes in the vocabulary the reader understands and closes the start
// tag. Attributes holding their default are left out; reading the text back
// gives them their defaults again.
#include "Partition/Partition.h"
#include "Partition/PartitionXmlNames.h"
#include "Partition/TraitTable.h"

namespace ZorE {

namespace {

using namespace XmlNames;

// The attribute texts, in the order they are appended; each ends with one
// blank.
constexpr const char* kFmtState = "State=\"%s\" ";
constexpr const char* kFmtImportLocation = "ImportLocation=\"%s\" ";
constexpr const char* kFmtBoundaryOpt = "BoundaryOpt=\"%s\" ";
constexpr const char* kFmtImportTag = "ImportTag=\"%s\" ";
constexpr const char* kTextIsolated = "Isolated=\"true\" ";
constexpr const char* kFmtAttribute = "%s=\"%s\" ";
constexpr const char* kFmtReconfigurable = "Reconfigurable=\"true\" ReconfigModuleName=\"%s\" ";
constexpr const char* kTextEndOfStartTag = ">\n";

/// The standard entity that stands for `c` in an attribute value, or null
/// when `c` stands for itself.
const char* EntityFor(char c) {
  static constexpr struct {
    char c;
    const char* entity;
  } kEntities[] = {{'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'"', "&quot;"}};
  for (const auto& e : kEntities) {
    if (e.c == c) return e.entity;
  }
  return nullptr;
}

/// `value` as an attribute value: the characters that would end the value or
/// start markup are written as the standard entities, so any location or
/// module name gives a well-formed element that reads back to the same text.
/// A value without them stands unchanged.
Port::StringBase Escaped(const Port::StringBase& value) {
  static constexpr const char* kSpecial = "&<>\"";
  const std::string& text = value.str();
  if (text.find_first_of(kSpecial) == std::string::npos) return value;
  std::string out;
  out.reserve(text.size() + 16);
  for (char c : text) {
    const char* entity = EntityFor(c);
    if (entity) {
      out += entity;
    } else {
      out += c;
    }
  }
  return Port::StringBase(std::move(out));
}

/// The format is a template argument so that the compiler checks each one.
template <const char* const& kFmt>
void AppendFormatted(Port::StringBase& text, const Port::StringBase& value) {
  text.Append(ombform(kFmt, Escaped(value).c_str()).c_str());
}

}  // namespace

CitI::Status Partition::WriteXmlAttributes(Port::StringBase& text) {
  AppendFormatted<kFmtState>(text, IsImport() ? kStateImport : kStateImplement);
  AppendFormatted<kFmtImportLocation>(text, IsImport() ? m_importLocation : kNone);
  if (!m_boundaryOpt.IsEmpty()) AppendFormatted<kFmtBoundaryOpt>(text, m_boundaryOpt);
  if (!m_importTag.IsEmpty() && !IsKeyword(m_importTag, kNone)) {
    AppendFormatted<kFmtImportTag>(text, m_importTag);
  }
  if (m_isIsolated) text.Append(kTextIsolated);
  const Port::StringBase preserve = GetTrait(kTraitPreserve);
  if (!IsKeyword(preserve, PreserveDefault(m_isRoot))) {
    text.Append(ombform(kFmtAttribute, XmlNames::kPreserve, Escaped(preserve).c_str()).c_str());
  }
  if (IsReconfigurable()) AppendFormatted<kFmtReconfigurable>(text, m_reconfigModuleName);
  text.Append(kTextEndOfStartTag);
  return 1;
}

}  // namespace ZorE
