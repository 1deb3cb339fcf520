// Writing a description from partitions.
#include "xml/DescriptionWriter.h"

#include "Port/StringBase.h"
#include "ZavU/IXPartition.h"
#include "xml/DescriptionLayout.h"
#include "xml/XmlEscape.h"

namespace HostXml {

namespace {

constexpr const char* kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
constexpr const char* kProjectStart = "<Project FileVersion=\"%u\" Name=\"%s\">\n";
constexpr const char* kProjectEnd = "</Project>\n";
constexpr const char* kPartitionStart = "<Partition Name=\"%s\" ";
constexpr const char* kPartitionEnd = "</Partition>\n";
constexpr const char* kPinsStart = "<Pins>\n";
constexpr const char* kPin = "<Pin Name=\"%s\"/>\n";
constexpr const char* kPinsEnd = "</Pins>\n";
/// Indentation stops growing here, so a deep hierarchy does not make the
/// file grow with the square of its depth.
constexpr std::size_t kMaxIndentDepth = 32;

void Indent(std::string& out, std::size_t depth) {
  out.append(2 * std::min(depth, kMaxIndentDepth), ' ');
}

std::vector<std::string> PinNames(ZavU::IPartition& partition) {
  std::vector<std::string> names;
  CommonI::RefCountPtr<ZavU::IPartitionPinIterator> pins = partition.GetPartitionPins();
  if (!pins) return names;
  for (pins->First(); !pins->IsDone(); pins->Next()) {
    ZavU::PinRef pin;
    pins->CurrentItem(pin);
    if (pin) names.push_back(pin->GetName().str());
  }
  return names;
}

/// The start tag, pins and nothing else of one partition at `depth`.
void WriteOpening(std::string& out, ZavU::IPartition& partition, std::size_t depth) {
  Indent(out, depth);
  Port::StringBase tag(
      ombform(kPartitionStart, XmlEscaped(partition.GetHierarchicalName().str()).c_str()).c_str());
  if (auto* description = CitI::QueryAs<ZavU::IXPartition>(&partition)) {
    description->WriteXmlAttributes(tag);  // appends the attributes and ">\n"
  } else {
    tag.Append(">\n");
  }
  out += tag.str();
  const std::vector<std::string> pins = PinNames(partition);
  if (pins.empty()) return;
  Indent(out, depth + 1);
  out += kPinsStart;
  for (const std::string& pin : pins) {
    Indent(out, depth + 2);
    out += ombform(kPin, XmlEscaped(pin).c_str());
  }
  Indent(out, depth + 1);
  out += kPinsEnd;
}

}  // namespace

std::string WriteDescription(const DescriptionContent& content) {
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

  std::string out = kDeclaration;
  out +=
      ombform(kProjectStart, Layout::kCurrentFileVersion, XmlEscaped(content.projectName).c_str());
  // Depth first without recursion: each level is a partition whose
  // children are being written, with the next child to write.
  struct Level {
    int partition;
    std::size_t nextChild;
  };
  for (int root : roots) {
    if (!all[root].partition) continue;
    WriteOpening(out, *all[root].partition.get(), 1);
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
      WriteOpening(out, *all[child].partition.get(), levels.size() + 1);
      levels.push_back({child, 0});
    }
  }
  out += kProjectEnd;
  return out;
}

}  // namespace HostXml
