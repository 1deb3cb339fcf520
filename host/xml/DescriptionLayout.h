// Our host's layout of a description file:
//
//   <?xml version="1.0" encoding="UTF-8"?>
//   <Project FileVersion="2" Name="demo">
//     <Partition Name="/top" State="implement" ImportLocation="NONE">
//       <Partition Name="/top/u1" State="import" ImportLocation="../export">
//         <Pins><Pin Name="clk"/></Pins>
//       </Partition>
//     </Partition>
//   </Project>
//
// The root element is Project; partitions are Partition elements nested as
// the hierarchy is, the outermost one being the root partition, each named by
// its hierarchical name. Everything else inside a Partition element (its
// other attributes, its Pins) is the partition's own to read, except one
// attribute of the host's: ReconfigModuleLocation, on a reconfigurable
// partition, names the location of the project that implements its module
// (absent or empty: this project).
#pragma once

#include <cstdint>
#include <string>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>

#include "ZavU/XPartitionNames.h"

namespace HostXml {

/// The names of the layout (shared with the partitions) and its format
/// versions, for its reader and writer.
namespace Layout {
using namespace ZavU::XPartitionNames;
/// The format version of a file that does not say.
inline constexpr std::uint32_t kDefaultFileVersion = 1;
/// The format version the writer writes.
inline constexpr std::uint32_t kCurrentFileVersion = 2;
/// The host's own attribute: where the partition's module is implemented.
inline constexpr const char* kReconfigModuleLocation = "ReconfigModuleLocation";
}  // namespace Layout

struct PartitionElement {
  const XERCES_CPP_NAMESPACE::DOMElement* element;
  std::string name;  // hierarchical name
  int parent;        // index of the parent's entry; -1 for the root partition
  /// ReconfigModuleLocation; empty when absent.
  std::string moduleLocation;
};

struct DescriptionLayout {
  std::string projectName;
  /// The leading whole number of FileVersion; 1 when absent.
  std::uint32_t formatVersion = Layout::kDefaultFileVersion;
  /// Root first, then depth first in document order: a parent always comes
  /// before its children.
  std::vector<PartitionElement> partitions;
};

/// Lays out the document under `root`. False with `error` (naming `file`)
/// when it does not follow the layout: another root element, a bad
/// FileVersion, no partition or more than one root partition, a partition
/// without a name or two with the same name.
bool ReadLayout(const XERCES_CPP_NAMESPACE::DOMElement* root, const std::string& file,
                DescriptionLayout& out, std::string& error);

/// Which Pin of the Partition element `partition` a message about a pin
/// most likely concerns: the first the library refuses as it reads them in
/// order (one without a Name, one named as an earlier one, or, when
/// `locationsRefused`, one carrying an old location attribute), told as
/// `pin "clk"` or `pin 2 (no Name)`; empty when no pin is at fault.
std::string RefusedPin(const XERCES_CPP_NAMESPACE::DOMElement* partition, bool locationsRefused);

/// The leading whole number of a FileVersion text: 1 when the text is empty,
/// false when it does not start with a digit. Saturates at the largest
/// 32-bit number.
bool ParseFileVersion(const std::string& text, std::uint32_t& out);

}  // namespace HostXml
