// Writing a whole description in our host's layout (DescriptionLayout.h):
// for each partition the host writes the opening of its element and its
// name, the partition appends the rest of its start tag
// (IXPartition::WriteXmlAttributes), and the host writes its pins, its
// children and its end tag. Reading the text back gives the same partitions.
#pragma once

#include <string>
#include <vector>

#include "CommonI/IRefCount.h"
#include "ZavU/IPartition.h"

namespace HostXml {

struct DescribedPartition {
  CommonI::RefCountPtr<ZavU::IPartition> partition;
  int parent;  // index of the parent's entry, -1 for the root partition
};

struct DescriptionContent {
  std::string projectName;
  /// Parents before their children; children in the order written.
  std::vector<DescribedPartition> partitions;
};

/// The description text of `content`, in UTF-8.
std::string WriteDescription(const DescriptionContent& content);

}  // namespace HostXml
