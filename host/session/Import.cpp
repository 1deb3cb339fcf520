// Importing previous implementations: for each partition in state import,
// the exported project at its import location is opened (once per import,
// however many partitions take over from it), the partition of the same
// hierarchical name found in it, and the library asked to take over
// its previous design files (ImportPreviousImplementation) and, when that
// succeeds, its pins (ImportPartitionPins).
//
// The host checks the location first: an empty one or "NONE" is refused
// before the library is asked (it would search the file system root), and a
// location ending in "/" is given back to the partition without it, once,
// so the paths recorded from it hold no "//".
#include <filesystem>
#include <functional>
#include <unordered_map>
#include <unordered_set>

#include "Port/Env.h"
#include "Port/MsgContext.h"
#include "Port/MsgMan.h"
#include "Port/UtDir.h"
#include "ZavU/IXPartition.h"
#include "ZavU/XPartitionNames.h"
#include "persist/ProjectFile.h"
#include "project/Naming.h"
#include "session/ImportResults.h"
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

/// The exported projects one import run opened, by location: a project is
/// read once however many partitions import from it, and a project that
/// cannot be opened is reported for each of them without being read again.
class Exports {
 public:
  /// `read` is told the path of every project file before it is read.
  Exports(const char* me, std::function<void(const std::string&)> read)
      : m_me(me), m_read(std::move(read)) {}

  /// The exported project at `location` (its file at `path`), or null when
  /// it cannot be opened, reported as `partition` not imported.
  HostProject::DesignProject* Open(const std::string& location, const std::string& path,
                                   const std::string& partition) {
    auto [at, added] = m_opened.try_emplace(location);
    Opened& opened = at->second;
    if (added) Load(opened, location, path);
    if (!opened.project) {
      SESSION_MSG(m_me).issueError(kMsgExportNotOpened, m_me, partition.c_str(),
                                   opened.error.c_str());
    }
    return opened.project.get();
  }

 private:
  struct Opened {
    Prjrep::AutoRelease<HostProject::DesignProject> project;
    /// Why the project was not opened.
    std::string error;
  };

  void Load(Opened& opened, const std::string& location, const std::string& path) {
    m_read(path);
    HostModel::ProjectImage image;
    if (!HostPersist::LoadProjectFile(path, image, opened.error)) {
      // A relative location is found from the working directory: when
      // nothing is there, say which.
      std::error_code unknown;
      if (!location.empty() && location[0] != '/' && !std::filesystem::exists(path, unknown)) {
        opened.error += ombform(kRelativeLocation, location.c_str(),
                                std::filesystem::current_path(unknown).c_str());
      }
      return;
    }
    auto exported = HostProject::DesignProject::Create(Port::StringBase(location));
    if (!FillFromImage(*exported.get(), image, path, m_me)) {
      opened.error = ombform(kExportNotFilled, path.c_str());
      return;
    }
    opened.project = std::move(exported);
  }

  const char* m_me;
  std::function<void(const std::string&)> m_read;
  std::unordered_map<std::string, Opened> m_opened;
};

/// Imports one partition; false when it was skipped or refused.
bool ImportOne(ZavU::IPartition& partition, const std::string& file, Exports& exports,
               const char* me, std::string& location) {
  const std::string name = partition.GetHierarchicalName().str();
  auto* description = CitI::QueryAs<ZavU::IXPartition>(&partition);
  HostModel::DescriptionAttributes kept = KeptAttributesOf(partition);
  location = WithoutTrailingSlash(kept.importLocation.str());
  if (location.empty() ||
      kept.importLocation.Compare(ZavU::XPartitionNames::kNone, Port::kCompareKeyword) == 0) {
    SESSION_MSG(me).issueError(kMsgNoImportLocation, me, name.c_str());
    return false;
  }
  if (location != kept.importLocation.str()) {
    kept.importLocation = Port::StringBase(location);
    if (!RestoreKeptAttributes(partition, kept, file, me)) return false;
  }

  const std::string path = HostProject::ExportedProjectFile(location);
  HostProject::DesignProject* exported = exports.Open(location, path, name);
  if (!exported) return false;
  PartitionRef source = exported->Find(Port::StringBase(name));
  if (!source) {
    SESSION_MSG(me).issueError(kMsgNotInExport, me, name.c_str(), path.c_str());
    return false;
  }
  // A refused import has been reported by the library; each of its messages
  // is followed by the partition and the location it was imported from.
  Port::MessageContext where(ombform(kContextImport, name.c_str(), location.c_str()));
  if (!description->ImportPreviousImplementation(source.get(), false)) return false;
  description->ImportPartitionPins(source.get());
  return true;
}

/// When several files of `location` match one result's pattern, says which
/// the import took, once a location: the first in byte-wise order. An import
/// that takes the results from the exported records does not look.
void WarnOfSeveralResults(const std::string& partition, const std::string& location,
                          const char* me) {
  if (Port_Env::GetEnv(kPersistentResultsVariable)) return;
  for (const SeveralMatches& several : SeveralResultFiles(location)) {
    SESSION_MSG(me).issueWarning(kMsgSeveralResults, me, location.c_str(), several.files.size(),
                                 several.pattern, FileList(several.files).c_str(),
                                 several.files.front().c_str(), partition.c_str());
  }
}

}  // namespace

bool Session::ImportAll() {
  if (!RequireDesign()) return false;
  const char* me = m_frontEnd.c_str();
  bool all = true;
  // The library looks for each partition's results in its import location,
  // pattern by pattern: one listing of each location serves the whole run.
  UT_DIR_LISTING_SCOPE listings;
  // What an import reads is input from then on: no save replaces it.
  Exports exports(me, [this](const std::string& path) { m_design->Read(path); });
  m_lastImport = {};
  std::unordered_set<std::string> locations;
  const std::vector<PartitionRef> order = m_design->project->DepthFirst();
  std::size_t done = 0;
  for (const PartitionRef& partition : order) {
    Advance(kStageImporting, ++done, order.size());
    auto* description = CitI::QueryAs<ZavU::IXPartition>(partition.get());
    if (!description || !description->IsImport()) continue;
    std::string location;
    const std::string name = partition->GetHierarchicalName().str();
    if (!ImportOne(*partition.get(), m_design->path, exports, me, location)) {
      all = false;
      continue;
    }
    ++m_lastImport.partitions;
    if (locations.insert(location).second) WarnOfSeveralResults(name, location, me);
  }
  m_lastImport.locations = static_cast<int>(locations.size());
  return all;
}

}  // namespace HostSession
