// What the description targets share: a text parsed and laid out as the
// host does, and its partitions built from it, parents first, each reading
// its element and linked under its parent.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "CitP/Factory.h"
#include "Port/Exception.h"
#include "ZavU/IPartitionHierarchy.h"
#include "ZavU/IXPartition.h"
#include "xml/DescriptionDocument.h"
#include "xml/DescriptionLayout.h"
#include "xml/DescriptionWriter.h"
#include "xml/XercesSession.h"

namespace ZoreFuzz {

struct BuiltDescription {
  HostXml::DescriptionContent content;
  /// Every partition read its element without a refusal.
  bool allRead = true;
};

/// Parses `text` and builds its partitions into `out`; false when the text
/// is no description.
inline bool BuildDescription(const std::string& text, BuiltDescription& out) {
  static HostXml::XercesSession* const xerces = new HostXml::XercesSession();
  (void)xerces;
  std::string error;
  auto document = HostXml::DescriptionDocument::ParseText(text, "fuzz-input", error);
  HostXml::DescriptionLayout layout;
  if (!document || !HostXml::ReadLayout(document->Root(), "fuzz-input", layout, error)) {
    return false;
  }
  out.content.projectName = layout.projectName;
  for (const HostXml::PartitionElement& entry : layout.partitions) {
    auto partition =
        CitP::Factory::CreateInstanceRef(Port::XUID(Xuids::ZorE_Partition)).As<ZavU::IPartition>();
    partition->SetHierarchicalName(entry.name.c_str());
    partition->SetRoot(entry.parent < 0);
    if (entry.parent >= 0) {
      const auto& parent = out.content.partitions[entry.parent].partition;
      partition.As<ZavU::IPartitionHierarchySettable>()->SetParent(parent);
    }
    try {
      const auto read =
          partition.As<ZavU::IXPartition>()->ReadXmlElement(entry.element, 1, layout.formatVersion);
      out.allRead = out.allRead && read == 1;
    } catch (const Port::Exception&) {
      out.allRead = false;  // an illegal Preserve value: refused, as the tool reports it
    }
    out.content.partitions.push_back({partition, entry.parent});
  }
  return true;
}

}  // namespace ZoreFuzz
