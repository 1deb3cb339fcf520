// Fixed texts of a partition pin: the reports of its Bel and Site accessors,
// its dump line and destruction trace, and the messages of its record.
#pragma once

namespace ZorE {

inline constexpr const char* kPinSetBelCalled = "PartitionPin::SetPartitionPinBel() called.\n";
inline constexpr const char* kPinGetBelCalled = "PartitionPin::GetPartitionPinBel() called.\n";
inline constexpr const char* kPinSetSiteCalled = "PartitionPin::SetPartitionPinSite called.\n";
inline constexpr const char* kPinGetSiteCalled = "PartitionPin::GetPartitionPinSite called.\n";
inline constexpr const char* kPinDumpLine = "Partition Pin \"%s\":\n";
inline constexpr const char* kPinGoneTrace = "In ZorE::PartitionPin::~PartitionPin\n";

/// What a failed item of the pin's record reports, in record order.
struct PinRecordTexts {
  const char* writeFailed;
  const char* readFailed;
};

// Four of the save texts have a blank before "::"; they are kept as the
// project files' readers have always seen them.
inline constexpr PinRecordTexts kPinRecordTexts[] = {
    {"PartitionPin::PersistSave: Failed to write Partition Pin version number.  Partition Pin "
     "data not written.\n",
     "PartitionPin::PersistLoad: Failed to read Partition Pin version.  Partition Pin not "
     "loaded.\n"},
    {"PartitionPin::PersistSave: Failed to write Partition Pin revision number.  Partition Pin "
     "data not written.\n",
     "PartitionPin::PersistLoad: Failed to read Partition Pin revision.  Partition Pin not "
     "loaded.\n"},
    {"PartitionPin ::PersistSave: Failed to write Partition Pin XUID.  Partition Pin data not "
     "written.\n",
     "PartitionPin::PersistLoad: Failed to read Partition Pin XUID.  Partition Pin not loaded.\n"},
    {"PartitionPin ::PersistSave: Failed to write Partition Pin name.  Partition Pin data not "
     "written.\n",
     "PartitionPin::PersistLoad: Failed to read Partition Pin name.  Partition Pin not loaded.\n"},
    {"PartitionPin ::PersistSave: Failed to write Partition Pin Bel name.  Partition Pin data not "
     "written.\n",
     "PartitionPin::PersistLoad: Failed to read Partition Pin Bel.  Partition Pin not loaded.\n"},
    {"PartitionPin ::PersistSave: Failed to write Partition Pin Site name.  Partition Pin data "
     "not written.\n",
     "PartitionPin::PersistLoad: Failed to read Partition Pin Site.  Partition Pin not loaded.\n"},
};

}  // namespace ZorE
