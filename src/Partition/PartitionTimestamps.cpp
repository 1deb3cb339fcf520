// Per-view timestamps, forced tasks, the child-modified timestamp, processed
// and interface-change timestamps and previous design files of a partition.
//
// A new synthesis result older than the expanded view forces translate to run
// again; every other record is kept as given. A bad view, task or state is
// reported as an error. Views and tasks are keys of the partition's maps, so
// a bad one stores, erases and reads nothing: no key without its suffix ever
// reaches a project file.
#include "Partition/Partition.h"
#include "Partition/StateTrackingTexts.h"
#include "Port/FileName.h"
#include "framework/Messages.h"

namespace ZorE {

namespace {

bool IsIndex(std::int32_t value, int count) { return value >= 0 && value < count; }

Port::StringBase TimestampKey(std::int32_t view) {
  Port::StringBase key(kTimestampKeyPrefix);
  return key.Append(ZavU::kAppViewNames[view]);
}

Port::StringBase ForceFlagKey(std::int32_t task) {
  Port::StringBase key(kForceFlagKeyPrefix);
  return key.Append(ZavU::kTaskNames[task]);
}

Port::Time TimeUnder(const std::map<Port::StringBase, Port::Time>& times,
                     const Port::StringBase& key) {
  auto found = times.find(key);
  return found != times.end() ? found->second : -1;
}

void Report(const char* text) { ZORE_MSG().issueError("%s", text); }

}  // namespace

CitI::Status Partition::SetTimestamp(ZavU::AppView view, Port::Time time) {
  if (!IsIndex(view, ZavU::kAppViewCount)) {
    Report(kSetTimestampBadView);
    return 1;
  }
  const std::int32_t cleared = kTaskClearedByView[view];
  if (cleared >= 0) ForceTask(static_cast<ZavU::TaskID>(cleared), false);
  if (view == ZavU::SYNTHESIS) {
    // A changed synthesis result older than the expanded view makes the
    // expanded view stale: translate must run again.
    Port::Time previous = GetTimestamp(ZavU::SYNTHESIS);
    Port::Time expanded = GetTimestamp(ZavU::EXPANDED);
    if (time != previous && time < expanded) m_forceFlags[ForceFlagKey(ZavU::TRANSLATE)] = true;
  }
  m_timestamps[TimestampKey(view)] = time;
  return 1;
}

Port::Time Partition::GetTimestamp(ZavU::AppView view) {
  if (!IsIndex(view, ZavU::kAppViewCount)) {
    Report(kGetTimestampBadView);
    return -1;
  }
  return TimeUnder(m_timestamps, TimestampKey(view));
}

CitI::Status Partition::ForceTask(ZavU::TaskID task, bool force) {
  if (!IsIndex(task, ZavU::kTaskCount)) {
    Report(kForceTaskBadTask);
    return 1;
  }
  // An entry exists only while the task is forced.
  if (force) {
    m_forceFlags[ForceFlagKey(task)] = true;
  } else {
    m_forceFlags.erase(ForceFlagKey(task));
  }
  return 1;
}

bool Partition::GetForceTask(ZavU::TaskID task) {
  if (!IsIndex(task, ZavU::kTaskCount)) {
    Report(kGetForceTaskBadTask);
    return false;
  }
  auto found = m_forceFlags.find(ForceFlagKey(task));
  return found != m_forceFlags.end() && found->second;
}

CitI::Status Partition::SetChildModifiedTimestamp(Port::Time time) {
  m_timestamps[kChildModifiedKey] = time;
  return 1;
}

Port::Time Partition::GetChildModifiedTimestamp() {
  return TimeUnder(m_timestamps, kChildModifiedKey);
}

CitI::Status Partition::ClearChildModifiedTimestamp() {
  m_timestamps.erase(kChildModifiedKey);
  return 1;
}

CitI::Status Partition::SetProcessedTimestamp(std::int32_t view, Port::Time time) {
  if (!IsIndex(view, ZavU::kAppViewCount)) {
    Report(kSetProcessedBadView);
    return 0;
  }
  m_processedTimestamps[view] = time;
  return 1;
}

Port::Time Partition::GetProcessedTimestamp(std::int32_t view) {
  if (!IsIndex(view, ZavU::kAppViewCount)) {
    Report(kGetProcessedBadView);
    return -1;
  }
  return m_processedTimestamps[view];
}

CitI::Status Partition::SetInterfaceTimestamp(std::int32_t view, Port::Time time) {
  if (!IsIndex(view, ZavU::kAppViewCount)) {
    Report(kSetInterfaceBadView);
    return 0;
  }
  m_interfaceChangeTimestamps[view] = time;
  return 1;
}

Port::Time Partition::GetInterfaceTimestamp(std::int32_t view) {
  if (!IsIndex(view, ZavU::kAppViewCount)) {
    Report(kGetInterfaceBadView);
    return -1;
  }
  return m_interfaceChangeTimestamps[view];
}

CitI::Status Partition::SetPreviousDesignFile(std::int32_t state, const Port::StringBase& path) {
  if (!IsIndex(state, ZavU::kFileStateCount)) {
    Report(kSetDesignFileBadState);
    return 0;
  }
  // A path read from the description is kept as written there; any other is
  // made absolute, so it stays valid whatever the current directory becomes.
  m_previousFiles[state] =
      (m_isXmlDefined || path.IsEmpty()) ? path : Port::FileName(path).GetAbsolutePath(false);
  return 1;
}

Port::StringBase Partition::GetPreviousDesignFile(std::int32_t state) {
  if (!IsIndex(state, ZavU::kFileStateCount)) {
    Report(kGetDesignFileBadState);
    return {};
  }
  return m_previousFiles[state];
}

}  // namespace ZorE
