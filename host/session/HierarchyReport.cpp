// The partition tree report.
#include "session/HierarchyReport.h"

#include "CitP/Factory.h"
#include "ZavU/IPartitionPinIterator.h"
#include "ZavU/IReconfigAssocInfo.h"
#include "ZavU/IXPartition.h"
#include "session/ReportTexts.h"

namespace HostSession {

namespace {

using HelperRef = CommonI::RefCountPtr<ZavU::IPartitionHelper>;

HelperRef NewPartitionHelper() {
  return CitP::Factory::CreateInstanceRef(Port::XUID(Xuids::Class_PartitionHelper),
                                          kPartitionHelperLibrary)
      .As<ZavU::IPartitionHelper>();
}

std::string Association(ZavU::IPartition& partition) {
  auto* info = CitI::QueryAs<ZavU::IReconfigAssocInfo>(&partition);
  CitI::IInterface* assoc = nullptr;
  if (!info || !info->IsReconfigurableLogic() || !info->GetReconfigAssociation(assoc)) {
    CommonI::ReleaseFrom(assoc);
    return kTreeStatic;
  }
  auto decider = CommonI::RefCountPtr<CitI::IInterface>::Adopt(assoc);
  auto* deciding = CitI::QueryAs<ZavU::IPartition>(decider.get());
  auto* deciderInfo = CitI::QueryAs<ZavU::IReconfigAssocInfo>(decider.get());
  Port::StringBase module;
  if (deciderInfo) deciderInfo->GetReconfigModuleName(&module);
  return Port::StringBase::doFormat(kTreeReconfigurable,
                                    deciding ? deciding->GetHierarchicalName().c_str() : "",
                                    module.c_str())
      .str();
}

int PinCount(ZavU::IPartition& partition) {
  int count = 0;
  ZavU::OwnedPinList pins(partition.GetPartitionPins());
  if (!pins) return 0;
  for (pins->First(); !pins->IsDone(); pins->Next()) ++count;
  return count;
}

}  // namespace

std::string HierarchyReport(const Session& session, int maxDepth) {
  HelperRef helper = NewPartitionHelper();
  std::string report;
  for (const HostProject::DesignProject::Step& step : session.Walk()) {
    const int depth = step.depth;
    if (maxDepth >= 0 && depth > maxDepth) continue;
    const PartitionRef& partition = step.partition;

    auto* xml = CitI::QueryAs<ZavU::IXPartition>(partition.get());
    const std::string preserve =
        helper ? helper->GetEffectiveTraitValue(kTreePreserve, partition.get(), nullptr).str()
               : partition->GetTrait(kTreePreserve).str();
    report += Port::StringBase::doFormat(
                  kTreeLine, 2 * depth, "", partition->GetHierarchicalName().c_str(),
                  xml && xml->IsImport() ? kTreeImport : kTreeImplement, preserve.c_str(),
                  Association(*partition.get()).c_str(), PinCount(*partition.get()))
                  .str();
  }
  return report;
}

}  // namespace HostSession
