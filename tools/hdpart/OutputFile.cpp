#include "OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace hdpart {

namespace {

/// Removes the temporary file unless it was renamed into place.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& target) : m_name(target + ".XXXXXX") {
    std::vector<char> name(m_name.begin(), m_name.end());
    name.push_back('\0');
    m_fd = mkstemp(name.data());
    m_name = name.data();
    // mkstemp makes the file private; the result gets the usual permissions.
    const mode_t mask = umask(0);
    umask(mask);
    if (m_fd >= 0) fchmod(m_fd, 0666 & ~mask);
  }
  ~TemporaryFile() {
    if (m_fd >= 0) close(m_fd);
    if (!m_kept) unlink(m_name.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  bool IsOpen() const { return m_fd >= 0; }
  bool Write(const std::string& text) {
    const char* at = text.data();
    std::size_t left = text.size();
    while (left > 0) {
      const ssize_t written = write(m_fd, at, left);
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) return false;
      at += written;
      left -= static_cast<std::size_t>(written);
    }
    return true;
  }
  bool SyncAndClose() {
    const bool synced = fsync(m_fd) == 0;
    const bool closed = close(m_fd) == 0;
    m_fd = -1;
    return synced && closed;
  }
  bool RenameTo(const std::string& target) {
    m_kept = std::rename(m_name.c_str(), target.c_str()) == 0;
    return m_kept;
  }

 private:
  std::string m_name;
  int m_fd = -1;
  bool m_kept = false;
};

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& error) {
  TemporaryFile temporary(path);
  if (!temporary.IsOpen() || !temporary.Write(text) || !temporary.SyncAndClose() ||
      !temporary.RenameTo(path)) {
    error = std::strerror(errno);
    return false;
  }
  return true;
}

}  // namespace hdpart
