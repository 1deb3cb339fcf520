// Reading a file the host was told to read: regular files only (a device or a
// pipe could feed a reader forever or block it), never more than the size
// the file had when it was opened, and a read error reported as one, with
// the path and the system's reason.
//
//   std::string bytes, error;
//   if (!HostPersist::ReadRegularFile("design.prj", bytes, error)) report(error);
//   // error: cannot read "design.prj": Input/output error
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace HostPersist {

/// read(2), replaceable to see how a reader meets a failing disk.
using ReadCall = std::function<ssize_t(int fd, void* buffer, std::size_t size)>;
ReadCall SystemRead();

/// Reads at most `limit` bytes from the start of the regular file at `path`
/// into `out`; false with `error` naming the path and the reason otherwise.
bool ReadRegularFile(const std::string& path, std::string& out, std::string& error,
                     std::size_t limit = SIZE_MAX, const ReadCall& read = SystemRead());

}  // namespace HostPersist
