// Keeping a partition's description attributes beside its record, and
// giving them back when the project file is opened.
#include "KeptAttributes.h"

#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/util/XMLString.hpp>

#include "Port/Exception.h"
#include "ToolMessages.h"
#include "ZavU/IXPartition.h"
#include "xml/DescriptionDocument.h"
#include "xml/XmlEscape.h"

namespace hdpart {

namespace {

namespace xc = XERCES_CPP_NAMESPACE;

constexpr const char* kElementStart = "<Partition ";
constexpr const char* kElementEnd = "</Partition>";
constexpr const char* kModuleNameAttribute = "ReconfigModuleName";
/// The description format the rebuilt element is read as.
constexpr std::uint32_t kFormatVersion = 2;
constexpr std::uint32_t kCheckFlag = 1;

/// The value of `name` in the element the partition writes for itself.
/// The module name is reachable only there: the partition writes it, with
/// its reconfigurable flag, as part of its description.
Port::StringBase WrittenAttribute(ZavU::IXPartition& description, const char* name) {
  Port::StringBase text(kElementStart);
  description.WriteXmlAttributes(text);
  text.Append(kElementEnd);
  std::string error;
  auto doc = HostXml::DescriptionDocument::ParseText(text.str(), "partition", error);
  if (!doc) return {};
  XMLCh* key = xc::XMLString::transcode(name);
  char* value = xc::XMLString::transcode(doc->Root()->getAttribute(key));
  Port::StringBase out(value ? value : "");
  xc::XMLString::release(&value);
  xc::XMLString::release(&key);
  return out;
}

void AppendAttribute(std::string& text, const char* name, const Port::StringBase& value) {
  text += ombform("%s=\"%s\" ", name, HostXml::XmlEscaped(value.str()).c_str());
}

}  // namespace

HostPersist::DescriptionAttributes KeptAttributesOf(ZavU::IPartition& partition) {
  HostPersist::DescriptionAttributes kept;
  auto* description = CitI::QueryAs<ZavU::IXPartition>(&partition);
  if (!description) return kept;
  kept.isImport = description->IsImport();
  description->GetImportLocation(kept.importLocation);
  kept.boundaryOpt = description->GetBoundaryOpt();
  kept.importTag = description->GetImportTag();
  kept.isIsolated = partition.IsIsolated();
  if (partition.IsReconfigurable()) {
    kept.reconfigModuleName = WrittenAttribute(*description, kModuleNameAttribute);
  }
  return kept;
}

std::string ElementFor(const HostPersist::DescriptionAttributes& kept,
                       const Port::StringBase& preserve, bool reconfigurable) {
  std::string text = kElementStart;
  AppendAttribute(text, "State", kept.isImport ? "import" : "implement");
  AppendAttribute(text, "ImportLocation", kept.importLocation);
  AppendAttribute(text, "BoundaryOpt", kept.boundaryOpt);
  AppendAttribute(text, "ImportTag", kept.importTag);
  AppendAttribute(text, "Isolated", kept.isIsolated ? "true" : "false");
  AppendAttribute(text, "Preserve", preserve);
  AppendAttribute(text, "Reconfigurable", reconfigurable ? "true" : "false");
  AppendAttribute(text, kModuleNameAttribute, kept.reconfigModuleName);
  text += "/>";
  return text;
}

bool RestoreKeptAttributes(ZavU::IPartition& partition,
                           const HostPersist::DescriptionAttributes& kept,
                           const std::string& file) {
  const std::string name = partition.GetHierarchicalName().str();
  auto* description = CitI::QueryAs<ZavU::IXPartition>(&partition);
  bool restored = false;
  try {
    const std::string text =
        ElementFor(kept, partition.GetTrait("preserve"), partition.IsReconfigurable());
    std::string error;
    auto doc = HostXml::DescriptionDocument::ParseText(text, file, error);
    if (!doc) HDPART_MSG().issueError(kMsgFileFault, error.c_str());
    restored = doc && description &&
               description->ReadXmlElement(doc->Root(), kCheckFlag, kFormatVersion) == 1;
  } catch (const Port::Exception& e) {
    HDPART_MSG().issueError("%s", e.what());  // the library's text, as thrown
  }
  if (!restored) HDPART_MSG().issueError(kMsgPartitionNotRead, file.c_str(), name.c_str());
  return restored;
}

}  // namespace hdpart
