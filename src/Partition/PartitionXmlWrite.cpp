// Writing a partition element's attributes for the partition description:
// the host writes the opening of the element, the partition appends its
// attributes in the vocabulary the reader understands and closes the start
// tag. Attributes holding their default are left out; reading the text back
// gives them their defaults again.
#include "Partition/Partition.h"
#include "Partition/PartitionXmlNames.h"
#include "Partition/TraitTable.h"
#include "ZavU/XmlAttributeText.h"

namespace ZorE {

namespace {

using namespace XmlNames;

// Every attribute is written so and ends with one blank.
constexpr const char* kFmtAttribute = "%s=\"%s\" ";
constexpr const char* kTextEndOfStartTag = ">\n";

/// Appends `name="value" ` with the value escaped, so any location or module
/// name gives a well-formed element that reads back to the same text.
void AppendAttribute(Port::StringBase& text, const char* name, const Port::StringBase& value) {
  const std::string escaped = ZavU::XmlAttributeText::Escaped(value.str());
  text.Append(ombform(kFmtAttribute, name, escaped.c_str()).c_str());
}

}  // namespace

CitI::Status Partition::WriteXmlAttributes(Port::StringBase& text) {
  AppendAttribute(text, kState, IsImport() ? kStateImport : kStateImplement);
  AppendAttribute(text, kImportLocation, IsImport() ? m_importLocation : kNone);
  if (!m_boundaryOpt.IsEmpty()) AppendAttribute(text, kBoundaryOpt, m_boundaryOpt);
  if (!m_importTag.IsEmpty() && !IsKeyword(m_importTag, kNone)) {
    AppendAttribute(text, kImportTag, m_importTag);
  }
  if (m_isIsolated) AppendAttribute(text, kIsolated, kTrue);
  const Port::StringBase preserve = GetTrait(kTraitPreserve);
  if (!IsKeyword(preserve, PreserveDefault(m_isRoot))) AppendAttribute(text, kPreserve, preserve);
  if (IsReconfigurable()) {
    AppendAttribute(text, kReconfigurable, kTrue);
    AppendAttribute(text, kReconfigModuleName, m_reconfigModuleName);
  }
  text.Append(kTextEndOfStartTag);
  return 1;
}

}  // namespace ZorE
