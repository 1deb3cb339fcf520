// Replacing a file so that a reader sees either all of the old contents or
// all of the new, never a mix: the new contents go to a new file in the
// directory of the file they replace, are flushed to disk, and the new file
// is renamed over the old one; the directory is then flushed so the rename
// itself survives a crash.
//
// The new file is made unnamed where the file system allows it (O_TMPFILE)
// and given a name only just before the rename, so a save killed while it
// writes leaves nothing behind. Elsewhere it is a hidden file named after the
// output (".NAME~XXXXXX", NAME shortened so any name the file system accepts
// can be saved). A save holds a lock on its new file (flock) until the
// rename; a later save of the same output removes the files of that naming
// no live process holds: the lock goes with the process that took it.
//
// The output is followed through symbolic links, so the link stays and its
// target is replaced in its own directory. An output that exists and is no
// regular file, or that is the file being read, is refused. A replaced file
// keeps its permissions and, where the process may set them, its owner and
// group; a new one gets 0666 less the umask. Other hard links to a replaced
// file keep the old contents, as they do when an editor saves.
//
// The system calls are reached through FileCalls, which defaults to the
// POSIX ones. A caller may replace any of them, for instance with a write
// that stops after a budget of bytes, to see how a save that fails midway
// behaves.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Port/HostApi.h"

namespace HostPersist {

struct HOST_API FileCalls {
  /// Opens a new unnamed file in a directory (O_TMPFILE); -1 where the file
  /// system cannot, and the save names its new file from the start.
  std::function<int(const char* directory)> openUnnamed;
  /// Creates and opens a new file, failing when the name exists.
  std::function<int(const char* path)> createNew;
  std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
  /// fsync, of the new file and of its directory.
  std::function<int(int fd)> sync;
  std::function<int(const char* from, const char* to)> rename;

  /// The POSIX calls.
  static FileCalls System();
};

/// What makes a file the same file: its device and inode.
struct HOST_API FileId {
  dev_t device;
  ino_t inode;
  /// The identity of the file at `path` (links followed), if it exists.
  static std::optional<FileId> Of(const std::string& path);
};

/// The kinds of file a host saves, as its messages name them.
inline constexpr const char* kProjectFileKind = "project file";
inline constexpr const char* kDescriptionKind = "description";

struct HOST_API Replacement {
  /// The files a command reads (its description, the project file it
  /// opened, each exported project an import opened): its output is never
  /// one of them.
  struct Inputs {
    std::vector<FileId> files;

    bool Holds(dev_t device, ino_t inode) const {
      for (const FileId& file : files) {
        if (file.device == device && file.inode == inode) return true;
      }
      return false;
    }
  };

  /// What the file is, for the messages.
  const char* kind = kProjectFileKind;
  Inputs inputs;
  FileCalls calls = FileCalls::System();
  /// Told the bytes written so far and the total, as the file is written
  /// (a piece at a time); may be empty.
  std::function<void(std::size_t written, std::size_t total)> written = {};
};

/// Replaces the file at `path` (or creates it) with `bytes`. On failure
/// nothing new is left behind, the previous file is left as it was, and
/// `error` names the file, the step that failed and why.
HOST_API bool ReplaceFileAtomically(const std::string& path, const std::string& bytes,
                                    const Replacement& how, std::string& error);

}  // namespace HostPersist
