// What a project file of the open design holds, and the file's bytes for a
// front end that sends them elsewhere than into a file.
#include "Port/MsgMan.h"
#include "persist/ProjectFile.h"
#include "session/KeptAttributes.h"
#include "session/SessionDesign.h"
#include "session/SessionTexts.h"

namespace HostSession {

HostModel::ProjectImage Session::Design::Image() const {
  HostModel::ProjectImage image;
  image.name = Port::StringBase(name);
  image.configuration = CurrentConfiguration();
  const HostXml::DescriptionContent content = Content();
  for (const HostXml::DescribedPartition& described : content.partitions) {
    HostModel::PartitionEntry entry;
    entry.partition = described.partition;
    if (described.parent >= 0) {
      entry.parentName = content.partitions[described.parent].partition->GetHierarchicalName();
    }
    entry.attrs = KeptAttributesOf(*described.partition.get());
    image.partitions.push_back(std::move(entry));
  }
  return image;
}

HostModel::Configuration Session::Design::CurrentConfiguration() const {
  HostModel::Configuration current;
  for (const HostModel::ModuleAssignment& module : configuration) {
    const PartitionRef partition = project->Find(module.partition);
    if (partition && partition->IsReconfigurable()) current.push_back(module);
  }
  return current;
}

bool Session::Bytes(const std::string& destination, std::string& bytes) const {
  if (!MayWrite(destination)) return false;
  std::string error;
  return Reported(HostPersist::ProjectFileBytes(m_design->Image(), destination, bytes, error),
                  error);
}

}  // namespace HostSession
