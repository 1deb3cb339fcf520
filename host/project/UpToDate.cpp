// The up-to-date rule of our design project (see UpToDate.h).
#include "project/UpToDate.h"

#include "project/UpToDateTexts.h"

namespace HostProject {

namespace {

constexpr Port::Time kNever = -1;

/// The first of `tasks` forced on `partition`, named in `reason`.
template <std::size_t N>
bool AnyForced(ZavU::IPartition& partition, const ZavU::TaskID (&tasks)[N],
               Port::StringBase& reason) {
  for (ZavU::TaskID task : tasks) {
    if (partition.GetForceTask(task)) {
      reason.Format(kUpToDateForced, ZavU::kTaskNames[task]);
      return true;
    }
  }
  return false;
}

std::int32_t NotUpToDate(Port::StringBase& reason, const char* why) {
  reason = why;
  return kNotUpToDate;
}

}  // namespace

std::int32_t UpToDateStatus(ZavU::IPartition& partition, bool synthesis, Port::StringBase& reason) {
  static constexpr ZavU::TaskID kSynthesisTasks[] = {ZavU::LOM};
  static constexpr ZavU::TaskID kImplementationTasks[] = {ZavU::TRANSLATE, ZavU::PLACEMENT};
  const Port::Time synthesized = partition.GetTimestamp(ZavU::SYNTHESIS);
  if (synthesized == kNever) return NotUpToDate(reason, kUpToDateNoSynthesis);
  if (synthesis) {
    if (AnyForced(partition, kSynthesisTasks, reason)) return kNotUpToDate;
  } else {
    const Port::Time routed = partition.GetTimestamp(ZavU::ROUTED);
    if (routed == kNever) return NotUpToDate(reason, kUpToDateNoRouted);
    if (routed < synthesized) return NotUpToDate(reason, kUpToDateRoutedOlder);
    if (AnyForced(partition, kImplementationTasks, reason)) return kNotUpToDate;
  }
  reason = kUpToDateYes;
  return kUpToDate;
}

}  // namespace HostProject
