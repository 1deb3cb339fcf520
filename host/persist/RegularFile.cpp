// Bounded reading of regular files (see RegularFile.h).
#include "RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "PersistTexts.h"
#include "Port/StringBase.h"

namespace HostPersist {

namespace {

/// Closes the descriptor it holds.
struct Descriptor {
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
  int fd = -1;
};

}  // namespace

ReadCall SystemRead() {
  return [](int fd, void* buffer, std::size_t size) { return ::read(fd, buffer, size); };
}

bool ReadRegularFile(const std::string& path, std::string& out, std::string& error,
                     std::size_t limit, const ReadCall& read) {
  auto fail = [&](const char* why) {
    error = ombform(Texts::kCannotRead, path.c_str(), why);
    return false;
  };
  // Opening a fifo for reading would wait for a writer: do not wait.
  Descriptor file;
  file.fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (file.fd < 0) return fail(std::strerror(errno));
  struct stat info {};
  if (::fstat(file.fd, &info) != 0) return fail(std::strerror(errno));
  if (!S_ISREG(info.st_mode)) return fail(Texts::kNotRegularFile);

  const std::size_t size = std::min(limit, static_cast<std::size_t>(info.st_size));
  out.assign(size, '\0');
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = read(file.fd, &out[done], size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return fail(std::strerror(errno));
    if (n == 0) break;  // the file shrank since it was opened
    done += static_cast<std::size_t>(n);
  }
  out.resize(done);
  return true;
}

}  // namespace HostPersist
