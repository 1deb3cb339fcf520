// Every text the host's project-file code says: the errors of saving,
// loading and listing a project file, and the labels of the listing. Each
// error names the file first and then what is wrong.
#pragma once

namespace HostPersist {
namespace Texts {

// ---- saving ----
inline constexpr const char* kSaveRefused = "project \"%s\" cannot be saved to \"%s\": %s";
inline constexpr const char* kNullPartition = "entry %zu holds no partition";
inline constexpr const char* kParentNotBefore =
    "partition %zu (\"%s\") names parent \"%s\", which does not come before it";
inline constexpr const char* kFirstHasParent =
    "the first partition (\"%s\") names parent \"%s\"; the root comes first";
inline constexpr const char* kNoPersist = "partition %zu (\"%s\") has no record interface";
inline constexpr const char* kRecordNotWritten =
    "the record of partition %zu (\"%s\") was not written (see the messages above)";
inline constexpr const char* kSaveFailed = "cannot save %s \"%s\": %s; %s";
inline constexpr const char* kPreviousUnchanged = "the previous file is unchanged";
inline constexpr const char* kNothingWritten = "nothing was written";
inline constexpr const char* kIsTheInput = "it is the file being read";
inline constexpr const char* kTempNotCreated = "cannot create a temporary file in \"%s\": %s";
inline constexpr const char* kStepFailed = "%s failed: %s";
inline constexpr const char* kDirectoryNotSynced =
    "%s \"%s\" was replaced, but syncing its directory \"%s\" failed: %s; the new contents "
    "may not survive a crash";
inline constexpr const char* kStepPermissions = "setting the permissions of the temporary file";
inline constexpr const char* kStepWrite = "writing the temporary file";
inline constexpr const char* kStepSync = "flushing the temporary file";
inline constexpr const char* kStepName = "naming the temporary file";
inline constexpr const char* kStepClose = "closing the temporary file";
inline constexpr const char* kStepRename = "renaming the temporary file over the old";

// ---- loading and listing ----
inline constexpr const char* kCannotRead = "cannot read \"%s\": %s";
inline constexpr const char* kNotRegularFile = "not a regular file";
inline constexpr const char* kNoMemoryToRead =
    "cannot read \"%s\": not enough memory for its %llu bytes";
inline constexpr const char* kShorterThanHeader =
    "project file \"%s\" is truncated: it holds %zu bytes, less than its %zu-byte header";
inline constexpr const char* kBadMagic =
    "project file \"%s\" is not a project file: it does not start with the project file mark";
inline constexpr const char* kBadFormat =
    "project file \"%s\" has format %u; this host reads formats %u to %u";
inline constexpr const char* kTruncated =
    "project file \"%s\" is truncated: its header announces %llu bytes of contents, the file "
    "holds %zu";
inline constexpr const char* kTrailing =
    "project file \"%s\" is corrupt: %zu bytes follow the contents its header announces";
inline constexpr const char* kChecksumMismatch =
    "project file \"%s\" is corrupt: checksum mismatch";
inline constexpr const char* kCorrupt = "project file \"%s\" is corrupt: %s";
inline constexpr const char* kNameUnreadable = "the project name cannot be read";
inline constexpr const char* kCountUnreadable = "the partition count cannot be read";
inline constexpr const char* kCountNegative = "the partition count %d is negative";
inline constexpr const char* kConfigurationUnreadable =
    "the configuration cannot be read (module %zu)";
inline constexpr const char* kModuleCountNegative = "the module count %d is negative";
inline constexpr const char* kEntryUnreadable =
    "what the host keeps beside partition %zu cannot be read";
inline constexpr const char* kUnknownClass =
    "partition %zu is of class %s, which no registered factory makes";
inline constexpr const char* kNotAPartition = "partition %zu is of class %s, which is no partition";
inline constexpr const char* kRecordNotLoaded =
    "project file \"%s\" cannot be loaded: the record of partition %zu did not load (see the "
    "messages above)";
/// The line after each message a partition's record issues as it loads.
inline constexpr const char* kContextRecord = "  in \"%s\": the record of partition %zu";
inline constexpr const char* kBytesLeft = "%zu bytes remain after the last partition";
inline constexpr const char* kUnknownItem = "byte %zu holds no known kind of item";
inline constexpr const char* kItemUnreadable = "the %s item at byte %zu cannot be read";
inline constexpr const char* kInconsistent = "project file \"%s\" is inconsistent: %s";
inline constexpr const char* kModuleOfStaticPartition =
    "its configuration assigns module \"%s\" to partition \"%s\", which is not reconfigurable";
inline constexpr const char* kModuleOfMissingPartition =
    "its configuration assigns module \"%s\" to partition \"%s\", which it does not hold";

// ---- the listing ----
inline constexpr const char* kListingHeader =
    "# project file '%s', format %u, %llu bytes of contents";
inline constexpr const char* kItemNames[] = {
    "",  // no kind has tag 0
    "int", "time", "bool", "uint", "byte", "string", "xuid", "filename",
};

}  // namespace Texts
}  // namespace HostPersist
