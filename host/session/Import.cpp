// Importing previous implementations: for each partition in state import,
// the exported project at its import location is opened, the partition of
// the same hierarchical name found in it, and the library asked to take over
// its previous design files (ImportPreviousImplementation) and, when that
// succeeds, its pins (ImportPartitionPins).
//
// The host checks the location first: an empty one or "NONE" is refused
// before the library is asked (it would search the file system root), and a
// location ending in "/" is given back to the partition without it, once,
// so the paths recorded from it hold no "//".
#include "Port/MsgMan.h"
#include "ZavU/IXPartition.h"
#include "ZavU/XPartitionNames.h"
#include "persist/ProjectFile.h"
#include "project/ProjectTexts.h"
#include "session/KeptAttributes.h"
#include "session/SessionDesign.h"
#include "session/SessionTexts.h"

namespace HostSession {

namespace {

/// `location` without the slashes that end it; "/" stays as it is.
std::string WithoutTrailingSlash(std::string location) {
  while (location.size() > 1 && location.back() == '/') location.pop_back();
  return location;
}

/// The exported project at `location`, in a design project of its own.
/// Empty (reported) when its file cannot be loaded.
Prjrep::AutoRelease<HostProject::DesignProject> OpenExport(const std::string& location,
                                                           const std::string& path,
                                                           const std::string& partition,
                                                           const char* me) {
  HostPersist::ProjectImage image;
  std::string error;
  if (!HostPersist::LoadProjectFile(path, image, error)) {
    SESSION_MSG(me).issueError(kMsgExportNotOpened, me, partition.c_str(), error.c_str());
    return {};
  }
  auto exported = HostProject::DesignProject::Create(Port::StringBase(location));
  if (!FillFromImage(*exported.get(), image, path, me)) return {};
  return exported;
}

/// Imports one partition; false when it was skipped or refused.
bool ImportOne(ZavU::IPartition& partition, const std::string& file, const char* me) {
  const std::string name = partition.GetHierarchicalName().str();
  auto* description = CitI::QueryAs<ZavU::IXPartition>(&partition);
  HostPersist::DescriptionAttributes kept = KeptAttributesOf(partition);
  const std::string location = WithoutTrailingSlash(kept.importLocation.str());
  if (location.empty() ||
      kept.importLocation.Compare(ZavU::XPartitionNames::kNone, Port::kCompareKeyword) == 0) {
    SESSION_MSG(me).issueError(kMsgNoImportLocation, me, name.c_str());
    return false;
  }
  if (location != kept.importLocation.str()) {
    kept.importLocation = Port::StringBase(location);
    if (!RestoreKeptAttributes(partition, kept, file, me)) return false;
  }

  const std::string path = location + "/" + HostProject::kExportedProjectFile;
  auto exported = OpenExport(location, path, name, me);
  if (!exported) return false;
  PartitionRef source = exported->Find(Port::StringBase(name));
  if (!source) {
    SESSION_MSG(me).issueError(kMsgNotInExport, me, name.c_str(), path.c_str());
    return false;
  }
  // A refused import has been reported by the library.
  if (!description->ImportPreviousImplementation(source.get(), false)) return false;
  description->ImportPartitionPins(source.get());
  return true;
}

}  // namespace

bool Session::Import() {
  const char* me = m_frontEnd.c_str();
  if (!m_design) {
    SESSION_MSG(me).issueError(kMsgNothingOpen, me);
    return false;
  }
  bool all = true;
  for (const PartitionRef& partition : m_design->project->DepthFirst()) {
    auto* description = CitI::QueryAs<ZavU::IXPartition>(partition.get());
    if (!description || !description->IsImport()) continue;
    all = ImportOne(*partition.get(), m_design->path, me) && all;
  }
  return all;
}

}  // namespace HostSession
