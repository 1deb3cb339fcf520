// Writing a description from partitions.
#include "xml/DescriptionWriter.h"

#include "Port/StringBase.h"
#include "ZavU/IPartitionPinIterator.h"
#include "ZavU/IXPartition.h"
#include "ZavU/XmlAttributeText.h"
#include "model/PartitionLists.h"
#include "xml/DescriptionLayout.h"

namespace HostXml {

namespace {

using ZavU::XmlAttributeText::Escaped;
using ZavU::XmlAttributeText::FindUncarried;

constexpr const char* kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
constexpr const char* kProjectStart = "<Project FileVersion=\"%u\" Name=\"%s\">\n";
constexpr const char* kProjectEnd = "</Project>\n";
constexpr const char* kPartitionStart = "<Partition Name=\"%s\" ";
constexpr const char* kHostAttribute = "%s=\"%s\" ";
constexpr const char* kPartitionEnd = "</Partition>\n";
constexpr const char* kPinsStart = "<Pins>\n";
constexpr const char* kPin = "<Pin Name=\"%s\"/>\n";
constexpr const char* kPinsEnd = "</Pins>\n";
/// Indentation stops growing here, so a deep hierarchy does not make the
/// file grow with the square of its depth.
constexpr std::size_t kMaxIndentDepth = 32;

// ---- refusals ----
constexpr const char* kUncarried =
    "partition \"%s\": attribute \"%s\" holds a character XML 1.0 cannot carry (byte %zu of "
    "its value)";
constexpr const char* kUncarriedPin =
    "partition \"%s\": the name of pin %zu holds a character XML 1.0 cannot carry (byte %zu)";
constexpr const char* kUncarriedProject =
    "the project's name holds a character XML 1.0 cannot carry (byte %zu)";

void Indent(std::string& out, std::size_t depth) {
  out.append(2 * std::min(depth, kMaxIndentDepth), ' ');
}

/// Checks the attributes `name="value" ` a partition appended for itself
/// (its values are escaped, so a value ends at the next quote). False with
/// `error` naming the first attribute whose value cannot be carried.
bool CheckAttributes(const std::string& text, const std::string& partition, std::string& error) {
  std::size_t at = 0;
  for (;;) {
    const std::size_t equals = text.find("=\"", at);
    if (equals == std::string::npos) return true;
    const std::size_t valueAt = equals + 2;
    const std::size_t end = text.find('"', valueAt);
    if (end == std::string::npos) return true;
    const std::size_t nameAt = text.find_last_of(' ', equals);
    const std::size_t nameFrom = nameAt == std::string::npos || nameAt < at ? at : nameAt + 1;
    const std::size_t bad = FindUncarried(text.substr(valueAt, end - valueAt));
    if (bad != std::string::npos) {
      const std::string name = text.substr(nameFrom, equals - nameFrom);
      error = ombform(kUncarried, partition.c_str(), name.c_str(), bad);
      return false;
    }
    at = end + 1;
  }
}

/// The start tag, pins and nothing else of one partition at `depth`.
bool WriteOpening(std::string& out, const DescribedPartition& described, std::size_t depth,
                  std::string& error) {
  ZavU::IPartition& partition = *described.partition.get();
  const std::string name = partition.GetHierarchicalName().str();
  const std::size_t badName = FindUncarried(name);
  if (badName != std::string::npos) {
    error = ombform(kUncarried, name.c_str(), Layout::kName, badName);
    return false;
  }
  Port::StringBase attributes;
  if (auto* description = CitI::QueryAs<ZavU::IXPartition>(&partition)) {
    description->WriteXmlAttributes(attributes);  // appends the attributes and ">\n"
  } else {
    attributes.Append(">\n");
  }
  std::string text = attributes.str();
  const std::size_t close = text.rfind('>');
  if (!described.moduleLocation.empty() && close != std::string::npos) {
    text.insert(close, ombform(kHostAttribute, Layout::kReconfigModuleLocation,
                               Escaped(described.moduleLocation).c_str()));
  }
  if (!CheckAttributes(text, name, error)) return false;
  Indent(out, depth);
  out += ombform(kPartitionStart, Escaped(name).c_str());
  out += text;
  const std::vector<std::string> pins = HostModel::PinNames(partition);
  if (pins.empty()) return true;
  Indent(out, depth + 1);
  out += kPinsStart;
  for (std::size_t i = 0; i < pins.size(); ++i) {
    const std::size_t bad = FindUncarried(pins[i]);
    if (bad != std::string::npos) {
      error = ombform(kUncarriedPin, name.c_str(), i + 1, bad);
      return false;
    }
    Indent(out, depth + 2);
    out += ombform(kPin, Escaped(pins[i]).c_str());
  }
  Indent(out, depth + 1);
  out += kPinsEnd;
  return true;
}

}  // namespace

bool WriteDescription(const DescriptionContent& content, std::string& text, std::string& error) {
  const std::vector<DescribedPartition>& all = content.partitions;
  std::vector<std::vector<int>> children(all.size());
  std::vector<int> roots;
  for (std::size_t i = 0; i < all.size(); ++i) {
    const int parent = all[i].parent;
    if (parent >= 0 && static_cast<std::size_t>(parent) < i) {
      children[parent].push_back(static_cast<int>(i));
    } else {
      roots.push_back(static_cast<int>(i));
    }
  }
  const std::size_t badName = FindUncarried(content.projectName);
  if (badName != std::string::npos) {
    error = ombform(kUncarriedProject, badName);
    return false;
  }

  std::string out = kDeclaration;
  out += ombform(kProjectStart, Layout::kCurrentFileVersion, Escaped(content.projectName).c_str());
  // Depth first without recursion: each level is a partition whose
  // children are being written, with the next child to write.
  struct Level {
    int partition;
    std::size_t nextChild;
  };
  for (int root : roots) {
    if (!all[root].partition) continue;
    if (!WriteOpening(out, all[root], 1, error)) return false;
    std::vector<Level> levels{{root, 0}};
    while (!levels.empty()) {
      Level& level = levels.back();
      const std::vector<int>& kids = children[level.partition];
      if (level.nextChild == kids.size()) {
        levels.pop_back();
        Indent(out, levels.size() + 1);
        out += kPartitionEnd;
        continue;
      }
      const int child = kids[level.nextChild++];
      if (!all[child].partition) continue;
      if (!WriteOpening(out, all[child], levels.size() + 1, error)) return false;
      levels.push_back({child, 0});
    }
  }
  out += kProjectEnd;
  text = std::move(out);
  return true;
}

}  // namespace HostXml
