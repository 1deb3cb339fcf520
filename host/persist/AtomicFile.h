// Replacing a file so that a reader sees either all of the old contents or
// all of the new, never a mix: the new contents go to a temporary file in
// the same directory, are flushed to disk, and the temporary file is renamed
// over the old one; the directory is then flushed so the rename itself
// survives a crash.
//
// The system calls are reached through FileCalls, which defaults to the
// POSIX ones. A caller may replace any of them, for instance with a write
// that stops after a budget of bytes, to see how a save that fails midway
// behaves.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <string>

namespace HostPersist {

struct FileCalls {
  /// mkstemp: makes and opens a new file from a template ending in XXXXXX.
  std::function<int(char* pathTemplate)> makeTemp;
  std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
  /// fsync, of the new file and of its directory.
  std::function<int(int fd)> sync;
  std::function<int(const char* from, const char* to)> rename;

  /// The POSIX calls.
  static FileCalls System();
};

/// Replaces the file at `path` (or creates it) with `bytes`. On failure the
/// temporary file is removed, the previous file is left as it was, and
/// `error` says which step failed and why. A new file is readable by all
/// and writable by its owner; a replaced one keeps its permissions.
bool ReplaceFileAtomically(const std::string& path, const std::string& bytes,
                           const FileCalls& calls, std::string& error);

}  // namespace HostPersist
