// Building a design from a description file.
#include "Design.h"

#include <cstring>
#include <unordered_map>

#include "CitP/Factory.h"
#include "HostSession.h"
#include "Port/Exception.h"
#include "Port/FileName.h"
#include "ToolMessages.h"
#include "ZavU/IXPartition.h"
#include "xml/DescriptionDocument.h"
#include "xml/DescriptionLayout.h"

namespace hdpart {

namespace {

/// How many bytes tell a description from a project file.
constexpr std::size_t kSniffBytes = 64;

using PartitionRef = CommonI::RefCountPtr<ZavU::IPartition>;

/// Creates, names, links and reads one partition. False when it was not
/// read; the reason has been reported.
bool AddPartition(Design& design, const HostXml::PartitionElement& entry,
                  const PartitionRef& parent, std::uint32_t checkFlag, std::uint32_t formatVersion,
                  const std::string& file, PartitionRef& out) {
  out = CitP::Factory::CreateInstanceRef(Port::XUID(Xuids::ZorE_Partition)).As<ZavU::IPartition>();
  if (!out) {
    HDPART_MSG().issueError(kMsgCannotCreatePartition, file.c_str(), entry.name.c_str());
    return false;
  }
  out->SetHierarchicalName(Port::StringBase(entry.name));
  out->SetRoot(entry.parent < 0);
  if (!design.project->AddPartition(out.get(), parent.get())) {
    HDPART_MSG().issueError(kMsgCannotAddPartition, file.c_str(), entry.name.c_str());
    return false;
  }
  auto* description = CitI::QueryAs<ZavU::IXPartition>(out.get());
  bool read = false;
  try {
    read = description && description->ReadXmlElement(entry.element, checkFlag, formatVersion) == 1;
  } catch (const Port::Exception& e) {
    HDPART_MSG().issueError("%s", e.what());  // the library's text, as thrown
  }
  if (!read) HDPART_MSG().issueError(kMsgPartitionNotRead, file.c_str(), entry.name.c_str());
  return read;
}

}  // namespace

HostXml::DescriptionContent Design::Content() const {
  HostXml::DescriptionContent content;
  content.projectName = name;
  if (!project) return content;
  std::unordered_map<ZavU::IPartition*, int> index;
  for (const PartitionRef& partition : project->DepthFirst()) {
    ZavU::IPartition* parentPointer = nullptr;
    project->GetParentPartition(parentPointer, partition.get());
    PartitionRef parent = PartitionRef::Adopt(parentPointer);
    const auto found = index.find(parent.get());
    const int parentAt = found == index.end() ? -1 : found->second;
    index[partition.get()] = static_cast<int>(content.partitions.size());
    content.partitions.push_back({partition, parentAt});
  }
  return content;
}

bool DetectFileKind(const std::string& path, FileKind& kind, std::string& error) {
  std::string head;
  if (!HostXml::ReadFileHead(path, kSniffBytes, head, error)) return false;
  std::size_t at = head.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;  // UTF-8 byte order mark
  while (at < head.size() && std::strchr(" \t\r\n", head[at]) && head[at] != '\0') ++at;
  kind = at < head.size() && head[at] == '<' ? FileKind::Description : FileKind::ProjectFile;
  return true;
}

std::string LocationOf(const std::string& path) {
  std::string absolute = Port::FileName(Port::StringBase(path)).GetAbsolutePath(false).str();
  const std::size_t slash = absolute.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : absolute.substr(0, slash);
}

bool BuildFromDescription(HostSession& session, const std::string& path,
                          const Invocation& invocation, Design& out) {
  std::string error;
  std::unique_ptr<HostXml::DescriptionDocument> doc =
      HostXml::DescriptionDocument::ParseFile(path, error);
  HostXml::DescriptionLayout layout;
  if (!doc || !HostXml::ReadLayout(doc->Root(), path, layout, error)) {
    HDPART_MSG().issueError(kMsgFileFault, error.c_str());
    return false;
  }
  out.name = layout.projectName;
  out.project = HostProject::DesignProject::Create(Port::StringBase(LocationOf(path)));
  session.SetCurrent(out.project.get());
  const std::uint32_t checkFlag = invocation.pinCheck ? 1 : 0;

  std::vector<PartitionRef> created(layout.partitions.size());
  for (std::size_t i = 0; i < layout.partitions.size(); ++i) {
    const HostXml::PartitionElement& entry = layout.partitions[i];
    const PartitionRef parent = entry.parent < 0 ? PartitionRef() : created[entry.parent];
    if (!AddPartition(out, entry, parent, checkFlag, layout.formatVersion, path, created[i])) {
      return false;
    }
  }
  return true;
}

bool LoadDesign(HostSession& session, const std::string& path, const Invocation& invocation,
                Design& out) {
  FileKind kind;
  std::string error;
  if (!DetectFileKind(path, kind, error)) {
    HDPART_MSG().issueError(kMsgFileFault, error.c_str());
    return false;
  }
  if (kind == FileKind::Description) {
    return BuildFromDescription(session, path, invocation, out);
  }
  return LoadFromProjectFile(session, path, out);
}

}  // namespace hdpart
