// Keeping a partition's description attributes beside its record, and
// giving them back when the project file is opened.
#include "session/KeptAttributes.h"

#include "Port/Exception.h"
#include "Port/MsgMan.h"
#include "ZavU/IReconfigAssocInfo.h"
#include "ZavU/IXPartition.h"
#include "ZavU/XPartitionNames.h"
#include "session/SessionTexts.h"
#include "xml/BuiltElement.h"

namespace HostSession {

namespace {

namespace Names = ZavU::XPartitionNames;

/// The description format the rebuilt element is read as.
constexpr std::uint32_t kFormatVersion = 2;
constexpr std::uint32_t kCheckFlag = 1;
constexpr const char* kPreserveTrait = "preserve";

const char* Flag(bool set) { return set ? Names::kTrue : Names::kFalse; }

}  // namespace

HostModel::DescriptionAttributes KeptAttributesOf(ZavU::IPartition& partition) {
  HostModel::DescriptionAttributes kept;
  auto* description = CitI::QueryAs<ZavU::IXPartition>(&partition);
  if (!description) return kept;
  kept.isImport = description->IsImport();
  description->GetImportLocation(kept.importLocation);
  kept.boundaryOpt = description->GetBoundaryOpt();
  kept.importTag = description->GetImportTag();
  kept.isIsolated = partition.IsIsolated();
  // A partition read from its element answers the module name its element
  // gave; one that was not would ask the design's configuration instead,
  // which is no attribute of its description, so nothing is kept for it.
  auto* association = CitI::QueryAs<ZavU::IReconfigAssocInfo>(&partition);
  if (partition.IsReconfigurable() && description->IsXmlDefined() && association) {
    association->GetReconfigModuleName(&kept.reconfigModuleName);
  }
  return kept;
}

bool RestoreKeptAttributes(ZavU::IPartition& partition,
                           const HostModel::DescriptionAttributes& kept, const std::string& file,
                           const char* frontEnd) {
  const std::string name = partition.GetHierarchicalName().str();
  auto* description = CitI::QueryAs<ZavU::IXPartition>(&partition);
  bool restored = false;
  try {
    HostXml::BuiltElement element(Names::kPartition);
    element.SetAttribute(Names::kState,
                         kept.isImport ? Names::kStateImport : Names::kStateImplement);
    element.SetAttribute(Names::kImportLocation, kept.importLocation.str());
    element.SetAttribute(Names::kBoundaryOpt, kept.boundaryOpt.str());
    element.SetAttribute(Names::kImportTag, kept.importTag.str());
    element.SetAttribute(Names::kIsolated, Flag(kept.isIsolated));
    element.SetAttribute(Names::kPreserve, partition.GetTrait(kPreserveTrait).str());
    element.SetAttribute(Names::kReconfigurable, Flag(partition.IsReconfigurable()));
    element.SetAttribute(Names::kReconfigModuleName, kept.reconfigModuleName.str());
    restored =
        description && description->ReadXmlElement(element.Get(), kCheckFlag, kFormatVersion) == 1;
  } catch (const Port::Exception& e) {
    SESSION_MSG(frontEnd).issueError(kMsgLibraryText, e.what());
  }
  if (!restored) {
    SESSION_MSG(frontEnd).issueError(kMsgPartitionNotRead, file.c_str(), name.c_str());
  }
  return restored;
}

}  // namespace HostSession
