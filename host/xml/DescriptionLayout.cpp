// Finding the partitions of a description in our layout.
#include "xml/DescriptionLayout.h"

#include <limits>
#include <memory>
#include <unordered_set>
#include <vector>
#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/dom/DOMNode.hpp>
#include <xercesc/util/XMLString.hpp>

#include "Port/StringBase.h"
#include "xml/Transcode.h"

namespace HostXml {

namespace {

namespace xc = XERCES_CPP_NAMESPACE;

// ---- messages; each follows the file name and ": " ----
constexpr const char* kNotAProject = "the root element is <%s>, not <Project>";
constexpr const char* kBadFileVersion = "FileVersion \"%s\" is not a number";
constexpr const char* kNoPartition = "no Partition element under <Project>";
constexpr const char* kTwoRoots = "more than one root partition (\"%s\" and \"%s\")";
constexpr const char* kNoName = "a Partition element under \"%s\" has no Name";
constexpr const char* kNoRootName = "the root Partition element has no Name";
constexpr const char* kDuplicateName = "two partitions are named \"%s\"";
// ---- the pin a message concerns ----
constexpr const char* kPinNamed = "pin \"%s\"";
constexpr const char* kPinWithoutName = "pin %zu (no Name)";

}  // namespace

bool ParseFileVersion(const std::string& text, std::uint32_t& out) {
  if (text.empty()) {
    out = Layout::kDefaultFileVersion;
    return true;
  }
  if (text[0] < '0' || text[0] > '9') return false;
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    value = value * 10 + static_cast<unsigned>(c - '0');
    if (value > std::numeric_limits<std::uint32_t>::max()) {
      value = std::numeric_limits<std::uint32_t>::max();
      break;
    }
  }
  out = static_cast<std::uint32_t>(value);
  return true;
}

std::string RefusedPin(const xc::DOMElement* partition, bool locationsRefused) {
  const DomString pinsName(Layout::kPins), pinName(Layout::kPin), name(Layout::kName);
  std::vector<std::unique_ptr<DomString>> locations;
  if (locationsRefused) {
    for (const char* location : Layout::kPinLocations) {
      locations.push_back(std::make_unique<DomString>(location));
    }
  }
  std::unordered_set<std::string> seen;
  std::size_t ordinal = 0;
  for (const xc::DOMElement* pins = partition ? partition->getFirstElementChild() : nullptr; pins;
       pins = pins->getNextElementSibling()) {
    if (!xc::XMLString::equals(pins->getNodeName(), pinsName.get())) continue;
    for (const xc::DOMElement* pin = pins->getFirstElementChild(); pin;
         pin = pin->getNextElementSibling()) {
      if (!xc::XMLString::equals(pin->getNodeName(), pinName.get())) continue;
      ++ordinal;
      if (!pin->hasAttribute(name.get())) return ombform(kPinWithoutName, ordinal);
      const std::string pinText = Transcoded(pin->getAttribute(name.get()));
      bool refused = !seen.insert(pinText).second;
      for (const auto& location : locations)
        refused = refused || pin->hasAttribute(location->get());
      if (refused) return ombform(kPinNamed, pinText.c_str());
    }
  }
  return std::string();
}

bool ReadLayout(const xc::DOMElement* root, const std::string& file, DescriptionLayout& out,
                std::string& error) {
  auto fail = [&](const std::string& text) {
    error = file + ": " + text;
    return false;
  };
  const DomString project(Layout::kProject), partition(Layout::kPartition), name(Layout::kName),
      fileVersion(Layout::kFileVersion), moduleLocation(Layout::kReconfigModuleLocation);
  if (!root) return fail(kNoPartition);
  if (!xc::XMLString::equals(root->getNodeName(), project.get())) {
    return fail(ombform(kNotAProject, Transcoded(root->getNodeName()).c_str()));
  }
  out = DescriptionLayout();
  out.projectName = Transcoded(root->getAttribute(name.get()));
  const std::string version = Transcoded(root->getAttribute(fileVersion.get()));
  if (!ParseFileVersion(version, out.formatVersion)) {
    return fail(ombform(kBadFileVersion, version.c_str()));
  }

  // Depth first in document order without recursion (a hostile file may
  // nest deeply): each level remembers the next sibling to visit and the
  // entry its Partition elements belong to. Siblings are walked along the
  // chain, which is linear, unlike indexing a node list.
  struct Level {
    const xc::DOMNode* next;
    int parent;
  };
  std::vector<Level> levels{{root->getFirstChild(), -1}};
  std::unordered_set<std::string> names;
  while (!levels.empty()) {
    Level& level = levels.back();
    const xc::DOMNode* node = level.next;
    if (!node) {
      levels.pop_back();
      continue;
    }
    level.next = node->getNextSibling();
    const int parent = level.parent;
    if (node->getNodeType() != xc::DOMNode::ELEMENT_NODE ||
        !xc::XMLString::equals(node->getNodeName(), partition.get())) {
      continue;
    }
    const auto* element = dynamic_cast<const xc::DOMElement*>(node);
    if (!element) continue;
    std::string partitionName = Transcoded(element->getAttribute(name.get()));
    if (partitionName.empty()) {
      return fail(parent < 0 ? std::string(kNoRootName)
                             : ombform(kNoName, out.partitions[parent].name.c_str()));
    }
    if (parent < 0 && !out.partitions.empty()) {
      return fail(ombform(kTwoRoots, out.partitions[0].name.c_str(), partitionName.c_str()));
    }
    if (!names.insert(partitionName).second) {
      return fail(ombform(kDuplicateName, partitionName.c_str()));
    }
    out.partitions.push_back({element, std::move(partitionName), parent,
                              Transcoded(element->getAttribute(moduleLocation.get()))});
    levels.push_back({element->getFirstChild(), static_cast<int>(out.partitions.size()) - 1});
  }
  if (out.partitions.empty()) return fail(kNoPartition);
  return true;
}

}  // namespace HostXml
