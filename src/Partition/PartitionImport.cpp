// Taking over a previous, exported implementation from the same partition of
// the exported project (the source partition): the reconfiguration checks,
// the previous design files (QHV and QNL from the source's records, the four
// implementation results found by file-name pattern in the import location),
// and the pins the source has and this partition lacks.
#include "Partition/ImportTexts.h"
#include "Partition/Partition.h"
#include "Port/Env.h"
#include "Port/FileName.h"
#include "Port/UtDir.h"
#include "framework/Messages.h"

namespace ZorE {

namespace {

/// The first file of `directory` matching `pattern`, as the directory, a
/// slash and the entry name; empty when none matches.
Port::StringBase FindFirstMatchingFile(const Port::StringBase& directory, const char* pattern) {
  UT_DIR listing(directory, 1);
  UT_DIR_ITERATOR first = listing.begin(pattern);
  if (first == listing.end()) return {};
  Port::StringBase path = directory;
  path += "/";
  path += *first;
  return path;
}

/// Whether a missing implementation result is only a warning. Decided at
/// the first report and kept for the life of the process.
bool AllowIncompleteImport() {
  static bool decided = false;
  static bool allowed = false;
  if (!decided) {
    allowed = Port_Env::GetEnv(kEnvAllowIncompletePif) != nullptr;
    decided = true;
  }
  return allowed;
}

void ReportMissingPreviousFile(const char* pattern, const Port::StringBase& partitionName,
                               const Port::StringBase& location) {
  auto message = ZORE_MSG();
  if (AllowIncompleteImport()) {
    message.issueWarning(kImportMissingFile, pattern, partitionName.c_str(), location.c_str());
  } else {
    message.issueError(kImportMissingFile, pattern, partitionName.c_str(), location.c_str());
  }
}

/// `path` moved into `location`: the location, a slash and the path's last
/// component. An empty path stays empty.
Port::StringBase Rebase(const Port::StringBase& location, const Port::StringBase& path) {
  if (path.IsEmpty()) return path;
  Port::StringBase moved = location;
  moved += "/";
  moved += Port::FileName(path).GetTail();
  return moved;
}

/// The reconfigurable module name a partition answers; empty when it cannot.
Port::StringBase ModuleNameOf(CitI::IInterface* partition) {
  Port::StringBase name;
  CommonI::RefCountPtr<ZavU::IReconfigAssocInfo> info(
      CitI::QueryAs<ZavU::IReconfigAssocInfo>(partition));
  if (info) info->GetReconfigModuleName(&name);
  return name;
}

}  // namespace

bool Partition::ImportPreviousImplementation(ZavU::IPartition* source, bool qhvOnly) {
  if (!source) return false;
  CommonI::RefCountPtr<ZavU::IPartition> from(source);

  if (m_isReconfigurable) {
    if (!from->IsReconfigurable()) {
      ZORE_MSG().issueError(kImportNotReconfigurableSource, m_name.c_str(),
                            m_importLocation.c_str());
      return false;
    }
    Port::StringBase ownModule = ModuleNameOf(&m_iReconfigAssocInfo);
    Port::StringBase sourceModule = ModuleNameOf(from.get());
    if (ownModule != sourceModule) {
      ZORE_MSG().issueError(kImportModuleMismatch, ownModule.c_str(), m_name.c_str(),
                            sourceModule.c_str());
      return false;
    }
  }

  const bool persistent = Port_Env::GetEnv(kEnvPersistentPif) != nullptr;
  const Port::StringBase location = m_importLocation;
  bool keepSourcePaths = false;
  if (persistent) {
    auto sourceX = from.As<ZavU::IXPartition>();
    keepSourcePaths = sourceX && sourceX->IsImport();
  }
  auto sourceFiles = from.As<ZavU::IPartitionFileTracking>();
  // A path the source recorded: moved into the import location unless the
  // source's own paths are kept.
  auto fromSource = [&](ZavU::fileState state) {
    Port::StringBase path = sourceFiles ? sourceFiles->GetPreviousDesignFile(state) : "";
    return keepSourcePaths ? path : Rebase(location, path);
  };

  SetPreviousDesignFile(ZavU::QHV, fromSource(ZavU::QHV));
  Port::StringBase qnl = fromSource(ZavU::QNL);
  if (qhvOnly) return true;
  SetPreviousDesignFile(ZavU::QNL, qnl);

  for (const ResultPattern& result : kResultPatterns) {
    Port::StringBase path =
        persistent ? fromSource(result.state) : FindFirstMatchingFile(location, result.pattern);
    SetPreviousDesignFile(result.state, path);
    if (m_isImport && path.IsEmpty()) ReportMissingPreviousFile(result.pattern, m_name, location);
  }
  return true;
}

bool Partition::ImportPartitionPins(ZavU::IPartition* source) {
  if (!source) return false;
  CommonI::RefCountPtr<ZavU::IPartition> from(source);  // outlives the list below
  ZavU::OwnedPinList pins(from->GetPartitionPins());
  if (!pins) return true;
  for (pins->First(); !pins->IsDone(); pins->Next()) {
    ZavU::PinRef pin;
    pins->CurrentItem(pin);
    if (!pin) continue;
    Port::StringBase name = pin->GetName();
    if (!FindPartitionPin(name)) AddPartitionPin(name);
  }
  return true;
}

}  // namespace ZorE
