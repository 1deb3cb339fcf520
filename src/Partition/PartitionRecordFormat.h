// The layout of a partition's record in the project repository: which
// sections a record of a given version and revision holds, and every message
// its save and load issue.
//
// The current format, version "2" revision "0" (both stored as decimal text):
//
//   version, revision, identity, simple name, hierarchical name, root flag,
//   Reconfigurable flag, pin count N, N pin records, trait count and pairs,
//   timestamp count and pairs, force-flag count and pairs, last design-file
//   index (5) and six paths, IP file count and paths, last processed
//   timestamp index (4) and five times, last interface-change index (4) and
//   five times.
//
// Records of version 1 grew section by section over revisions 0 to 7; a
// version of 2 or more reads as the current format, and any other version
// (0, or a text that is not a number) has every section but the design files
// and the timestamp arrays.
#pragma once

#include <cstdint>

namespace ZorE {
namespace PartitionRecord {

/// The current format, written as decimal text.
inline constexpr int kVersion = 2;
inline constexpr int kRevision = 0;

/// How the previous design files are stored.
enum class DesignFiles {
  kAbsent,
  kQnlString,    // only the Qnl path, written as a plain string
  kQnlFileName,  // only the Qnl path, written as a file name
  kList,         // last index, then the paths of entries 0 to that index
};

/// How the IP file names are stored.
enum class IpFiles { kAbsent, kStrings, kFileNames };

/// The sections a record holds.
struct Layout {
  bool rootFlag;
  bool pins;  // the Reconfigurable flag, the pin count and the pin records
  bool forceFlags;
  DesignFiles designFiles;
  IpFiles ipFiles;
  bool timestampArrays;
};

/// The sections of a record of `version` and `revision` (compared unsigned).
Layout LayoutOf(std::uint32_t version, std::uint32_t revision);

/// A pin loop that meets this many failing pin records in a row stops: the
/// stream is damaged or cut, and going on would only repeat the message.
inline constexpr int kPinFailuresInARowLimit = 8;

/// The pin list is sized up front for at most this many announced pins: a
/// damaged count cannot make the load claim more, and a list of more pins
/// grows as they are read.
inline constexpr std::int32_t kPinsReservedAtMost = 1 << 16;

// Every message of the record, in record order. Save texts first, then load
// texts; the odd ones (load texts naming PersistSave or ending "data not
// written") are what existing tooling has always matched.
#define ZORE_PARTITION_RECORD_TEXTS(X)                                                             \
  X(WriteVersion,                                                                                  \
    "Partition::PersistSave: Failed to write Partition version number.  Partition data not "       \
    "written.\n")                                                                                  \
  X(WriteRevision,                                                                                 \
    "Partition::PersistSave: Failed to write Partition revision number.  Partition data not "      \
    "written.\n")                                                                                  \
  X(WriteXuid,                                                                                     \
    "Partition::PersistSave: Failed to write Partition XUID.  Partition data not written.\n")      \
  X(WriteName,                                                                                     \
    "Partition::PersistSave: Failed to write Partition name.  Partition data not written.\n")      \
  X(WriteHierarchicalName,                                                                         \
    "Partition::PersistSave: Failed to write Partition hierarchical name.  Partition data not "    \
    "written.\n")                                                                                  \
  X(WriteRootFlag,                                                                                 \
    "Partition::PersistSave: Failed to write Partition root flag.  Partition data not "            \
    "written.\n")                                                                                  \
  X(WriteReconfigurable,                                                                           \
    "Partition::PersistSave: Failed to write Partition Reconfigurable flag.  Partition data not "  \
    "written.\n")                                                                                  \
  X(WritePinCount,                                                                                 \
    "Partition::PersistSave: Failed to write number of Partition Pins.  Partition data not "       \
    "written.\n")                                                                                  \
  X(WritePinPersist,                                                                               \
    "Failed to create partition pin persist Interface.  HDProject data not written to the "        \
    "Project file.\n")                                                                             \
  X(WritePin,                                                                                      \
    "Failed to write partition pin \"%s\".  HDProject data not written to the Project file.\n")    \
  X(WriteTraitCount,                                                                               \
    "Partition::PersistSave: Failed to write number of Partition traits.  Partition data not "     \
    "written.\n")                                                                                  \
  X(WriteTrait,                                                                                    \
    "Partition::PersistSave: Failed to write Partition Partition traits.  Partition data not "     \
    "written.\n")                                                                                  \
  X(WriteTimestampCount,                                                                           \
    "Partition::PersistSave: Failed to write number of Partition timestamps.  Partition data "     \
    "not written.\n")                                                                              \
  X(WriteTimestamp,                                                                                \
    "Partition::PersistSave: Failed to write Partition timestamps.  Partition data not "           \
    "written.\n")                                                                                  \
  X(WriteForceFlagCount,                                                                           \
    "Partition::PersistSave: Failed to write number of Partition force flags.  Partition data "    \
    "not written.\n")                                                                              \
  X(WriteForceFlag,                                                                                \
    "Partition::PersistSave: Failed to write Partition force flags.  Partition data not "          \
    "written.\n")                                                                                  \
  X(WriteDesignFiles,                                                                              \
    "Partition::PersistSave: Failed to write Qnl file name.  Partition data not written.\n")       \
  X(WriteIpFileCount,                                                                              \
    "Partition::PersistSave: Failed to write number of IP filenames.  Partition data not "         \
    "written.\n")                                                                                  \
  X(WriteIpFile,                                                                                   \
    "Partition::PersistSave: Failed to write Partition IP filenames.  Partition data not "         \
    "written.\n")                                                                                  \
  X(WriteProcessed,                                                                                \
    "Partition::PersistSave: Failed to write Partition Processed timestamps.  Partition data "     \
    "not written.\n")                                                                              \
  X(WriteInterfaceChange,                                                                          \
    "Partition::PersistSave: Failed to write Partition Interface Change timestamps.  Partition "   \
    "data not written.\n")                                                                         \
  X(ReadVersion,                                                                                   \
    "Partition::PersistLoad: Failed to read Partition version.  Partition not "                    \
    "loaded.\n")                                                                                   \
  X(ReadRevision,                                                                                  \
    "Partition::PersistLoad: Failed to read Partition revision.  Partition not loaded.\n")         \
  X(ReadXuid, "Partition::PersistLoad: Failed to read Partition XUID.  Partition not loaded.\n")   \
  X(ReadName, "Partition::PersistLoad: Failed to read Partition name.  Partition not loaded.\n")   \
  X(ReadHierarchicalName,                                                                          \
    "Partition::PersistLoad: Failed to read Partition hierarchical name.  Partition not "          \
    "loaded.\n")                                                                                   \
  X(ReadRootFlag,                                                                                  \
    "Partition::PersistSave: Failed to read Partition root flag.  Partition data not "             \
    "written.\n")                                                                                  \
  X(ReadReconfigurable,                                                                            \
    "Partition::PersistSave: Failed to read Partition Reconfigurable flag.  Partition data not "   \
    "written.\n")                                                                                  \
  X(ReadPinCount,                                                                                  \
    "Partition::PersistLoad: Failed to read number of Partition Pins.  Partition not loaded.\n")   \
  X(CreatePin, "Can't create Partition Pin interface.  Partition Pin not loaded.\n")               \
  X(CreatePinPersist,                                                                              \
    "Can't create Partition Pin persist interface.  Partition Pin not "                            \
    "loaded.\n")                                                                                   \
  X(ReadPin, "Failed to load Partition Pin %d.  Partition Pin not loaded.\n")                      \
  X(ReadPinsGaveUp,                                                                                \
    "Partition::PersistLoad: %d Partition Pins in a row failed to load; the pin records are "      \
    "damaged.  Partition not loaded.\n")                                                           \
  X(ReadTraitCount,                                                                                \
    "Partition::PersistLoad: Failed to read number of Partition traits.  Partition not "           \
    "loaded.\n")                                                                                   \
  X(ReadTrait,                                                                                     \
    "Partition::PersistLoad: Failed to read Partition traits.  Partition not "                     \
    "loaded.\n")                                                                                   \
  X(ReadTimestampCount,                                                                            \
    "Partition::PersistLoad: Failed to read number of Partition timestamps.  Partition not "       \
    "loaded.\n")                                                                                   \
  X(ReadTimestamp,                                                                                 \
    "Partition::PersistLoad: Failed to read Partition timestamps.  Partition not loaded.\n")       \
  X(ReadForceFlagCount,                                                                            \
    "Partition::PersistLoad: Failed to read number of Partition force flags.  Partition not "      \
    "loaded.\n")                                                                                   \
  X(ReadForceFlag,                                                                                 \
    "Partition::PersistLoad: Failed to read Partition force flags.  Partition not loaded.\n")      \
  X(ReadQnlFile, "Partition::PersistLoad: Failed to read Qnl file name.  Partition not loaded.\n") \
  X(ReadDesignFiles,                                                                               \
    "Partition::PersistLoad: Failed to read Partition design file names.  Partition not "          \
    "loaded.\n")                                                                                   \
  X(ReadIpFileCount,                                                                               \
    "Partition::PersistLoad: Failed to read number of Partition IP filenames.  Partition not "     \
    "loaded.\n")                                                                                   \
  X(ReadIpFile,                                                                                    \
    "Partition::PersistLoad: Failed to read Partition IP filenames.  Partition not loaded.\n")     \
  X(ReadProcessed,                                                                                 \
    "Partition::PersistLoad: Failed to read Partition Processed timestamps.  Partition data not "  \
    "written.\n")                                                                                  \
  X(ReadInterfaceChange,                                                                           \
    "Partition::PersistLoad: Failed to read Partition Interface Change timestamps.  Partition "    \
    "data not written.\n")                                                                         \
  X(LastIndexPastEnd,                                                                              \
    "Partition::PersistLoad: Partition %s ends at index %d, past the last entry %d.  Partition "   \
    "not loaded.\n")

enum class Text {
#define ZORE_RECORD_TEXT_ID(id, text) id,
  ZORE_PARTITION_RECORD_TEXTS(ZORE_RECORD_TEXT_ID)
#undef ZORE_RECORD_TEXT_ID
};

inline constexpr const char* kTexts[] = {
#define ZORE_RECORD_TEXT(id, text) text,
    ZORE_PARTITION_RECORD_TEXTS(ZORE_RECORD_TEXT)
#undef ZORE_RECORD_TEXT
};

constexpr const char* TextOf(Text id) { return kTexts[static_cast<int>(id)]; }

/// What LastIndexPastEnd names.
inline constexpr const char* kDesignFileListLabel = "design file list";
inline constexpr const char* kProcessedLabel = "Processed timestamps";
inline constexpr const char* kInterfaceChangeLabel = "Interface Change timestamps";

}  // namespace PartitionRecord
}  // namespace ZorE
