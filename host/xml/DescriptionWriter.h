// Writing a whole description in our host's layout (DescriptionLayout.h):
// for each partition the host writes the opening of its element and its
// name, the partition appends the rest of its start tag
// (IXPartition::WriteXmlAttributes) and the host its own attribute
// (ReconfigModuleLocation), and the host writes its pins, its children and
// its end tag. Reading the text back gives the same partitions.
//
// Every value is escaped one way (ZavU/XmlAttributeText.h). A value holding
// a character XML 1.0 cannot carry is refused, naming its partition and
// attribute, and then nothing is written.
#pragma once

#include <string>
#include <vector>

#include "CommonI/IRefCount.h"
#include "ZavU/IPartition.h"

namespace HostXml {

struct DescribedPartition {
  CommonI::RefCountPtr<ZavU::IPartition> partition;
  int parent;  // index of the parent's entry, -1 for the root partition
  /// The host's ReconfigModuleLocation; not written when empty.
  std::string moduleLocation = {};
};

struct DescriptionContent {
  std::string projectName;
  /// Parents before their children; children in the order written.
  std::vector<DescribedPartition> partitions;
};

/// The description text of `content`, in UTF-8, into `out`. False with
/// `error` (and `out` untouched) when a value cannot be carried.
bool WriteDescription(const DescriptionContent& content, std::string& out, std::string& error);

}  // namespace HostXml
