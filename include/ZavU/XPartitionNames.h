// The vocabulary of the partition description "xpartition.pxml", shared by
// the partitions that read and write their own elements and by the host that
// lays out, writes and rebuilds whole descriptions: element and attribute
// names (matched exactly, case matters) and the keywords their values take.
//
//   <Project FileVersion="2" Name="demo">
//     <Partition Name="/top" State="import" ImportLocation="../export">
//       <Pins><Pin Name="clk"/></Pins>
//     </Partition>
//   </Project>
#pragma once

namespace ZavU::XPartitionNames {

// ---- elements ----
inline constexpr const char* kProject = "Project";
inline constexpr const char* kPartition = "Partition";
inline constexpr const char* kPins = "Pins";
inline constexpr const char* kPin = "Pin";

// ---- attributes ----
/// The project's name on Project, the hierarchical name on Partition, the
/// pin's name on Pin.
inline constexpr const char* kName = "Name";
inline constexpr const char* kFileVersion = "FileVersion";
inline constexpr const char* kState = "State";
inline constexpr const char* kImportLocation = "ImportLocation";
inline constexpr const char* kBoundaryOpt = "BoundaryOpt";
inline constexpr const char* kImportTag = "ImportTag";
inline constexpr const char* kPreserve = "Preserve";
inline constexpr const char* kReconfigurable = "Reconfigurable";
inline constexpr const char* kReconfigModuleName = "ReconfigModuleName";
inline constexpr const char* kIsolated = "Isolated";
/// The location a Pin once carried, refused from format 2 on when the host
/// asks for the pin check.
inline constexpr char kPinSite[] = "Site";
inline constexpr char kPinBinding[] = "Binding";
inline constexpr char kPinBelSite[] = "BelSite";
inline constexpr char kPinBelPin[] = "BelPin";
inline constexpr const char* kPinLocations[] = {kPinSite, kPinBinding, kPinBelSite, kPinBelPin};

// ---- keywords ----
inline constexpr const char* kStateImplement = "implement";
inline constexpr const char* kStateImport = "import";
inline constexpr const char* kTrue = "true";
inline constexpr const char* kFalse = "false";
/// An import tag or location that names none.
inline constexpr const char* kNone = "NONE";

}  // namespace ZavU::XPartitionNames
