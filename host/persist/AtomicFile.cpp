// Atomic replacement of a file (see AtomicFile.h).
#include "AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "PersistTexts.h"
#include "Port/StringBase.h"

namespace HostPersist {

namespace {

constexpr mode_t kNewFileMode = 0644;

/// The directory holding `path`, as a path of its own.
std::string DirectoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

/// The temporary file of one save: removed unless it was renamed into place.
class TempFile {
 public:
  ~TempFile() {
    if (fd >= 0) ::close(fd);
    if (!path.empty() && !renamed) ::unlink(path.c_str());
  }
  int fd = -1;
  std::string path;
  bool renamed = false;
};

bool WriteAll(const FileCalls& calls, int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = calls.write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) {
      errno = EIO;  // a write that makes no progress would loop forever
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

FileCalls FileCalls::System() {
  FileCalls calls;
  calls.makeTemp = [](char* pathTemplate) { return ::mkstemp(pathTemplate); };
  calls.write = [](int fd, const void* data, std::size_t size) { return ::write(fd, data, size); };
  calls.sync = [](int fd) { return ::fsync(fd); };
  calls.rename = [](const char* from, const char* to) { return ::rename(from, to); };
  return calls;
}

bool ReplaceFileAtomically(const std::string& path, const std::string& bytes,
                           const FileCalls& calls, std::string& error) {
  const std::string directory = DirectoryOf(path);
  auto fail = [&](const std::string& why) {
    error = ombform(Texts::kSaveFailed, path.c_str(), why.c_str());
    return false;
  };

  TempFile temp;
  std::string pattern = directory + "/." + BaseNameOf(path) + ".XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  temp.fd = calls.makeTemp(name.data());
  if (temp.fd < 0) {
    return fail(ombform(Texts::kTempNotCreated, directory.c_str(), std::strerror(errno)));
  }
  temp.path = name.data();
  auto stepFailed = [&](const char* step) {
    return fail(ombform(Texts::kStepFailed, step, temp.path.c_str(), std::strerror(errno)));
  };

  struct stat old;
  const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : kNewFileMode;
  if (::fchmod(temp.fd, mode) != 0) return stepFailed(Texts::kStepPermissions);
  if (!WriteAll(calls, temp.fd, bytes)) return stepFailed(Texts::kStepWrite);
  if (calls.sync(temp.fd) != 0) return stepFailed(Texts::kStepSync);
  const int fd = temp.fd;
  temp.fd = -1;
  if (::close(fd) != 0) return stepFailed(Texts::kStepClose);
  if (calls.rename(temp.path.c_str(), path.c_str()) != 0) return stepFailed(Texts::kStepRename);
  temp.renamed = true;

  // Flush the directory so the rename is on disk too. File systems that
  // cannot flush a directory say so with EINVAL; there is nothing to do.
  const int dirFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  int syncError = 0;
  if (dirFd < 0) {
    syncError = errno;
  } else {
    if (calls.sync(dirFd) != 0 && errno != EINVAL) syncError = errno;
    ::close(dirFd);
  }
  if (syncError != 0) {
    error = ombform(Texts::kDirectoryNotSynced, path.c_str(), directory.c_str(),
                    std::strerror(syncError));
    return false;
  }
  return true;
}

}  // namespace HostPersist
