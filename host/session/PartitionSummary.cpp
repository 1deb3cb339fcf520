// Reading the partitions' summaries, and the tree and table made of them.
#include "session/PartitionSummary.h"

#include <algorithm>
#include <tuple>
#include <unordered_map>

#include "CitP/Factory.h"
#include "Port/MsgMan.h"
#include "ZavU/IPartitionPinIterator.h"
#include "ZavU/IReconfigAssocInfo.h"
#include "ZavU/IXPartition.h"
#include "model/PartitionLists.h"
#include "session/NearestName.h"
#include "session/ReportTexts.h"
#include "session/SessionTexts.h"

namespace HostSession {

namespace {

using HelperRef = CommonI::RefCountPtr<ZavU::IPartitionHelper>;

HelperRef NewPartitionHelper() {
  return CitP::Factory::CreateInstanceRef(Port::XUID(Xuids::Class_PartitionHelper),
                                          kPartitionHelperLibrary)
      .As<ZavU::IPartitionHelper>();
}

void ReadAssociation(ZavU::IPartition& partition, PartitionSummary& out) {
  auto* info = CitI::QueryAs<ZavU::IReconfigAssocInfo>(&partition);
  CitI::IInterface* assoc = nullptr;
  if (!info || !info->IsReconfigurableLogic() || !info->GetReconfigAssociation(assoc)) {
    CommonI::ReleaseFrom(assoc);
    return;
  }
  auto decider = CommonI::RefCountPtr<CitI::IInterface>::Adopt(assoc);
  auto* deciding = CitI::QueryAs<ZavU::IPartition>(decider.get());
  auto* deciderInfo = CitI::QueryAs<ZavU::IReconfigAssocInfo>(decider.get());
  Port::StringBase module;
  if (deciderInfo) deciderInfo->GetReconfigModuleName(&module);
  out.decider = deciding ? deciding->GetHierarchicalName().str() : std::string();
  out.module = module.str();
}

PartitionSummary Summarize(ZavU::IPartition& partition, ZavU::IPartitionHelper* helper) {
  PartitionSummary summary;
  summary.name = partition.GetHierarchicalName().str();
  if (auto* xml = CitI::QueryAs<ZavU::IXPartition>(&partition)) {
    summary.import = xml->IsImport();
    Port::StringBase location;
    xml->GetImportLocation(location);
    summary.importLocation = location.str();
  }
  summary.preserve = helper ? helper->GetEffectiveTraitValue(kTreePreserve, &partition, nullptr).str()
                            : partition.GetTrait(kTreePreserve).str();
  ReadAssociation(partition, summary);
  summary.isolated = partition.IsIsolated();
  summary.pins = HostModel::PinCount(partition);
  return summary;
}

/// Rows of cells, each column padded to its widest cell (the last is not),
/// cells two blanks apart.
std::string Aligned(const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::size_t> widths;
  for (const auto& row : rows) {
    widths.resize(std::max(widths.size(), row.size()), 0);
    for (std::size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
  }
  std::string text;
  for (const auto& row : rows) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i) {
      line += row[i];
      if (i + 1 < row.size()) line += std::string(widths[i] - row[i].size() + 2, ' ');
    }
    text += line + "\n";
  }
  return text;
}

std::string StateOf(const PartitionSummary& summary) {
  return summary.import ? kTreeImport : kTreeImplement;
}

}  // namespace

std::vector<PartitionSummary> Summaries(const Session& session, int maxDepth) {
  HelperRef helper = NewPartitionHelper();
  std::vector<PartitionSummary> summaries;
  // Where each step of the walk stands among the summaries kept.
  std::vector<int> kept;
  for (const HostProject::DesignProject::Step& step : session.Walk()) {
    kept.push_back(-1);
    if (maxDepth >= 0 && step.depth > maxDepth) continue;
    PartitionSummary summary = Summarize(*step.partition.get(), helper.get());
    summary.depth = step.depth;
    summary.parent = step.parent >= 0 ? kept[static_cast<std::size_t>(step.parent)] : -1;
    if (summary.parent >= 0) {
      summary.parentName = summaries[static_cast<std::size_t>(summary.parent)].name;
    }
    kept.back() = static_cast<int>(summaries.size());
    summaries.push_back(std::move(summary));
  }
  return summaries;
}

bool NamedSummaries(const Session& session, const std::vector<std::string>& names,
                    std::vector<PartitionSummary>& out) {
  HelperRef helper = NewPartitionHelper();
  // Where each partition stands in the hierarchy: its depth and parent.
  std::unordered_map<ZavU::IPartition*, std::pair<int, std::string>> places;
  const std::vector<HostProject::DesignProject::Step> walk = session.Walk();
  for (const HostProject::DesignProject::Step& step : walk) {
    const std::string parent =
        step.parent >= 0
            ? walk[static_cast<std::size_t>(step.parent)].partition->GetHierarchicalName().str()
            : std::string();
    places[step.partition.get()] = {step.depth, parent};
  }
  bool all = true;
  for (const std::string& name : names) {
    PartitionRef partition = session.Find(name);
    if (!partition) {
      all = ReportMissingPartition(session, name);
      continue;
    }
    PartitionSummary summary = Summarize(*partition.get(), helper.get());
    std::tie(summary.depth, summary.parentName) = places[partition.get()];
    out.push_back(std::move(summary));
  }
  return all;
}

bool ReportMissingPartition(const Session& session, const std::string& name) {
  const char* me = session.FrontEnd().c_str();
  std::vector<std::string> names;
  for (const PartitionRef& partition : session.HierarchyOrder()) {
    names.push_back(partition->GetHierarchicalName().str());
  }
  std::vector<const char*> candidates;
  for (const std::string& known : names) candidates.push_back(known.c_str());
  const std::string nearest = NearestName(name, candidates);
  if (nearest.empty()) {
    SESSION_MSG(me).issueError(kMsgNoSuchPartition, me, name.c_str());
  } else {
    SESSION_MSG(me).issueError(kMsgNoSuchPartitionNear, me, name.c_str(), nearest.c_str());
  }
  return false;
}

std::string TreeText(const std::vector<PartitionSummary>& summaries) {
  std::vector<std::vector<std::string>> rows;
  for (const PartitionSummary& s : summaries) {
    const std::string association =
        s.IsStatic() ? kTreeStatic
                     : Port::StringBase::doFormat(kTreeReconfigurable, s.decider.c_str(),
                                                  s.module.c_str())
                           .str();
    rows.push_back({std::string(2 * static_cast<std::size_t>(s.depth), ' ') + s.name, StateOf(s),
                    kTreePreserveLabel + s.preserve, association, kTreeIsolated[s.isolated],
                    kTreePinsLabel + std::to_string(s.pins)});
  }
  return Aligned(rows);
}

std::string TableText(const std::vector<PartitionSummary>& summaries) {
  std::vector<std::vector<std::string>> rows{
      std::vector<std::string>(std::begin(kTableHeading), std::end(kTableHeading))};
  for (const PartitionSummary& s : summaries) {
    rows.push_back({s.name, StateOf(s), s.preserve, s.importLocation,
                    s.IsStatic() ? kTreeStatic : s.module, kYesNo[s.isolated],
                    std::to_string(s.pins)});
  }
  return Aligned(rows);
}

}  // namespace HostSession
