// A design and its project file: the image a save writes, and opening a
// project file into a design.
//
// Opening rebuilds the hierarchy from the parent names kept beside the
// records (every parent comes before its children), then gives each
// partition the description attributes kept beside its record. The
// configuration a save keeps in the file is read back by the autonym saver
// when the library asks (Configuration.h), not handed to the project.
#include "Port/MsgMan.h"
#include "persist/ProjectFile.h"
#include "project/Naming.h"
#include "session/KeptAttributes.h"
#include "session/SessionDesign.h"
#include "session/SessionTexts.h"

namespace HostSession {

bool Session::SaveDesign(const std::string& path) const {
  if (!MayWrite(path)) return false;
  std::string error;
  HostPersist::Replacement how{HostPersist::kProjectFileKind,
                               m_design->InputsFor(Design::kWritesProjectFile)};
  how.written = [this](std::size_t written, std::size_t total) {
    Advance(kStageWriting, written, total);
  };
  return Reported(HostPersist::SaveProjectFile(path, m_design->Image(), how, error), error);
}

bool Session::OpenProjectFile(const std::string& path) {
  const char* me = m_frontEnd.c_str();
  HostModel::ProjectImage image;
  std::string error;
  if (!HostPersist::LoadProjectFile(path, image, error)) {
    SESSION_MSG(me).issueError(kMsgFileFault, error.c_str());
    return false;
  }
  NewDesign(path, image.name.str());
  m_design->configuration = image.configuration;
  // No design data: the library reads the configuration through the
  // repository at the project's location, which stands for this file.
  m_design->project->SetProjectFile(path);
  return FillFromImage(*m_design->project.get(), image, path, me,
                       [this](std::size_t done, std::size_t total) {
                         Advance(kStageBuilding, done, total);
                       });
}

bool FillFromImage(HostProject::DesignProject& project, const HostModel::ProjectImage& image,
                   const std::string& path, const char* me,
                   const std::function<void(std::size_t done, std::size_t total)>& step) {
  std::size_t done = 0;
  for (const HostModel::PartitionEntry& entry : image.partitions) {
    if (step) step(++done, image.partitions.size());
    const PartitionRef parent =
        entry.parentName.IsEmpty() ? PartitionRef() : project.Find(entry.parentName);
    if (!project.AddPartition(entry.partition.get(), parent.get())) {
      SESSION_MSG(me).issueError(kMsgCannotAddPartition, path.c_str(),
                                 entry.partition->GetHierarchicalName().c_str());
      return false;
    }
    if (!RestoreKeptAttributes(*entry.partition.get(), entry.attrs, path, me)) return false;
  }
  return true;
}

}  // namespace HostSession
