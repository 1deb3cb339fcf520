// Per-view timestamps, forced tasks, processed and interface-change
// timestamps and previous design files. Not built yet: the operations answer
// failure until the timestamp rules arrive.
#include "Partition/Partition.h"

namespace ZorE {

CitI::Status Partition::SetTimestamp(ZavU::AppView, Port::Time) { return 0; }
Port::Time Partition::GetTimestamp(ZavU::AppView) { return -1; }
CitI::Status Partition::ForceTask(ZavU::TaskID, bool) { return 0; }
bool Partition::GetForceTask(ZavU::TaskID) { return false; }
CitI::Status Partition::SetChildModifiedTimestamp(Port::Time) { return 0; }
Port::Time Partition::GetChildModifiedTimestamp() { return -1; }
CitI::Status Partition::ClearChildModifiedTimestamp() { return 0; }
CitI::Status Partition::SetProcessedTimestamp(std::int32_t, Port::Time) { return 0; }
Port::Time Partition::GetProcessedTimestamp(std::int32_t) { return -1; }
CitI::Status Partition::SetInterfaceTimestamp(std::int32_t, Port::Time) { return 0; }
Port::Time Partition::GetInterfaceTimestamp(std::int32_t) { return -1; }
CitI::Status Partition::SetPreviousDesignFile(std::int32_t, const Port::StringBase&) { return 0; }
Port::StringBase Partition::GetPreviousDesignFile(std::int32_t) { return {}; }

}  // namespace ZorE
