// Bounded reading of regular files (see RegularFile.h).
#include "RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>
#include <stdexcept>
#include <utility>

#include "PersistTexts.h"
#include "Port/StringBase.h"

namespace HostPersist {

ReadCall SystemRead() {
  return [](int fd, void* buffer, std::size_t size) { return ::read(fd, buffer, size); };
}

RegularFile::RegularFile(ReadCall read) : m_read(std::move(read)) {}

RegularFile::~RegularFile() {
  if (m_fd >= 0) ::close(m_fd);
}

bool RegularFile::Open(const std::string& path, std::string& error) {
  m_path = path;
  auto fail = [&](const char* why) {
    error = ombform(Texts::kCannotRead, path.c_str(), why);
    return false;
  };
  // Opening a fifo for reading would wait for a writer: do not wait.
  m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (m_fd < 0) return fail(std::strerror(errno));
  struct stat info {};
  if (::fstat(m_fd, &info) != 0) return fail(std::strerror(errno));
  if (!S_ISREG(info.st_mode)) return fail(Texts::kNotRegularFile);
  m_size = static_cast<std::uint64_t>(info.st_size);
  return true;
}

bool RegularFile::Read(std::string& out, std::size_t count, std::string& error) {
  const std::size_t wanted =
      static_cast<std::size_t>(std::min<std::uint64_t>(count, m_size - m_offset));
  const std::size_t start = out.size();
  std::size_t done = 0;
  int readError = 0;
  // The file may be larger than the memory left; the reader above learns
  // which file could not be held rather than a bare "out of memory".
  try {
    out.resize(start + wanted);
    while (done < wanted && readError == 0) {
      const ssize_t n = m_read(m_fd, &out[start + done], wanted - done);
      if (n < 0 && errno != EINTR) readError = errno;
      if (n == 0) break;  // the file shrank since it was opened
      if (n > 0) done += static_cast<std::size_t>(n);
    }
  } catch (const std::bad_alloc&) {
    return NoMemory(out, start, error);
  } catch (const std::length_error&) {  // more than a string can hold at all
    return NoMemory(out, start, error);
  }
  if (readError != 0) {
    out.resize(start);
    error = ombform(Texts::kCannotRead, m_path.c_str(), std::strerror(readError));
    return false;
  }
  out.resize(start + done);
  m_offset += done;
  return true;
}

bool RegularFile::NoMemory(std::string& out, std::size_t start, std::string& error) const {
  out.resize(start);
  error = ombform(Texts::kNoMemoryToRead, m_path.c_str(), static_cast<unsigned long long>(m_size));
  return false;
}

bool ReadRegularFile(const std::string& path, std::string& out, std::string& error,
                     std::size_t limit, const ReadCall& read) {
  RegularFile file(read);
  out.clear();
  return file.Open(path, error) && file.Read(out, limit, error);
}

}  // namespace HostPersist
