// A design and its project file: the image a save writes, and opening a
// project file into a design.
//
// Opening rebuilds the hierarchy from the parent names kept beside the
// records (every parent comes before its children), then gives each
// partition the description attributes kept beside its record.
#include "Design.h"
#include "HostSession.h"
#include "KeptAttributes.h"
#include "ToolMessages.h"

namespace hdpart {

HostPersist::ProjectImage ImageOf(const Design& design) {
  HostPersist::ProjectImage image;
  image.name = Port::StringBase(design.name);
  const HostXml::DescriptionContent content = design.Content();
  for (const HostXml::DescribedPartition& described : content.partitions) {
    HostPersist::PartitionEntry entry;
    entry.partition = described.partition;
    if (described.parent >= 0) {
      entry.parentName = content.partitions[described.parent].partition->GetHierarchicalName();
    }
    entry.attrs = KeptAttributesOf(*described.partition.get());
    image.partitions.push_back(std::move(entry));
  }
  return image;
}

bool LoadFromProjectFile(HostSession& session, const std::string& path, Design& out) {
  HostPersist::ProjectImage image;
  std::string error;
  if (!HostPersist::LoadProjectFile(path, image, error)) {
    HDPART_MSG().issueError(kMsgFileFault, error.c_str());
    return false;
  }
  out.name = image.name.str();
  out.project = HostProject::DesignProject::Create(Port::StringBase(LocationOf(path)));
  session.SetCurrent(out.project.get());
  for (const HostPersist::PartitionEntry& entry : image.partitions) {
    const auto parent = entry.parentName.IsEmpty() ? HostProject::DesignProject::PartitionRef()
                                                   : out.project->Find(entry.parentName);
    if (!out.project->AddPartition(entry.partition.get(), parent.get())) {
      HDPART_MSG().issueError(kMsgCannotAddPartition, path.c_str(),
                              entry.partition->GetHierarchicalName().c_str());
      return false;
    }
    if (!RestoreKeptAttributes(*entry.partition.get(), entry.attrs, path)) return false;
  }
  return true;
}

}  // namespace hdpart
