// Reading a file the host was told to read: regular files only (a device or a
// pipe could feed a reader forever or block it), never more than the size
// the file had when it was opened, and a read error reported as one, with
// the path and the system's reason. Memory running out while a file is read
// is reported the same way, naming the file, not as a bare "out of memory"
// from far above.
//
//   std::string bytes, error;
//   if (!HostPersist::ReadRegularFile("design.prj", bytes, error)) report(error);
//   // error: cannot read "design.prj": Input/output error
//
// A reader that can judge a file by its first bytes and its size opens a
// RegularFile and reads in steps, so a file it refuses is never read whole:
//
//   HostPersist::RegularFile file;
//   if (!file.Open(path, error) || !file.Read(head, 32, error)) report(error);
//   if (file.Size() > announced) refuse();
//   file.Read(head, announced, error);  // appended after the first 32 bytes
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "Port/HostApi.h"

namespace HostPersist {

/// read(2), replaceable to see how a reader meets a failing disk.
using ReadCall = std::function<ssize_t(int fd, void* buffer, std::size_t size)>;
HOST_API ReadCall SystemRead();

/// A regular file open for reading from its start.
class HOST_API RegularFile {
 public:
  explicit RegularFile(ReadCall read = SystemRead());
  ~RegularFile();
  RegularFile(const RegularFile&) = delete;
  RegularFile& operator=(const RegularFile&) = delete;

  /// Opens the regular file at `path`; false with `error` naming the path
  /// and the reason otherwise.
  bool Open(const std::string& path, std::string& error);
  /// The size the file had when it was opened: no read goes beyond it.
  std::uint64_t Size() const { return m_size; }
  /// Appends the next bytes of the file to `out`: `count` of them, fewer
  /// where the file ends (or shrank since it was opened). False with `error`
  /// on a read error, or when there is no memory to hold them.
  bool Read(std::string& out, std::size_t count, std::string& error);

 private:
  bool NoMemory(std::string& out, std::size_t start, std::string& error) const;

  ReadCall m_read;
  std::string m_path;
  int m_fd = -1;
  std::uint64_t m_size = 0;
  /// How far the reads went.
  std::uint64_t m_offset = 0;
};

/// Reads at most `limit` bytes from the start of the regular file at `path`
/// into `out`; false with `error` naming the path and the reason otherwise.
HOST_API bool ReadRegularFile(const std::string& path, std::string& out, std::string& error,
                              std::size_t limit = SIZE_MAX, const ReadCall& read = SystemRead());

}  // namespace HostPersist
