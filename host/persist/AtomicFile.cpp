// Atomic replacement of a file (see AtomicFile.h).
#include "AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <filesystem>
#include <random>

#include "PersistTexts.h"
#include "Port/StringBase.h"

namespace HostPersist {

namespace {

/// Less the umask, which the system takes off as it creates the file.
constexpr mode_t kNewFileMode = 0666;
/// Links followed before the output is taken for a loop, as the system does.
constexpr int kMostLinksFollowed = 40;
constexpr char kTempMark = '~';
constexpr std::size_t kTempRandomLength = 6;
constexpr int kTempNameAttempts = 100;
constexpr const char* kOpenDescriptors = "/proc/self/fd/";

/// The directory holding `path`, as a path of its own ("." for a bare name).
std::string DirectoryOf(const std::string& path) {
  const std::string directory = std::filesystem::path(path).parent_path();
  return directory.empty() ? "." : directory;
}

std::string BaseNameOf(const std::string& path) { return std::filesystem::path(path).filename(); }

/// The file a save of `path` replaces: `path` with its symbolic links
/// followed (a dangling link gives the name it points to). False when the
/// links loop.
bool FollowLinks(const std::string& path, std::string& target) {
  target = path;
  for (int followed = 0; followed <= kMostLinksFollowed; ++followed) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
    char link[PATH_MAX];
    const ssize_t length = ::readlink(target.c_str(), link, sizeof link);
    if (length < 0) return true;  // gone meanwhile: the save reports what it meets
    const std::string to(link, static_cast<std::size_t>(length));
    target = to[0] == '/' ? to : DirectoryOf(target) + "/" + to;
  }
  errno = ELOOP;
  return false;
}

/// The start of the names of the new files a save of `base` makes, short
/// enough that the random end still fits in a file name.
std::string TempPrefix(const std::string& base) {
  constexpr std::size_t kRoom = NAME_MAX - 2 - kTempRandomLength;
  return "." + base.substr(0, kRoom) + kTempMark;
}

bool IsTempName(const char* name, const std::string& prefix) {
  const std::size_t length = std::strlen(name);
  if (length != prefix.size() + kTempRandomLength ||
      prefix.compare(0, prefix.size(), name, prefix.size()) != 0) {
    return false;
  }
  for (std::size_t i = prefix.size(); i < length; ++i) {
    if (!std::isalnum(static_cast<unsigned char>(name[i]))) return false;
  }
  return true;
}

std::string RandomTempName(const std::string& directory, const std::string& prefix) {
  static constexpr char kLetters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  thread_local std::mt19937_64 random{std::random_device{}()};
  std::string name = directory + "/" + prefix;
  for (std::size_t i = 0; i < kTempRandomLength; ++i) {
    name += kLetters[random() % (sizeof kLetters - 1)];
  }
  return name;
}

bool SameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

/// Removes the new files of earlier saves of the same output that were
/// killed before their rename: files of this naming whose lock no process
/// holds.
void RemoveStaleTempFiles(const std::string& directory, const std::string& prefix) {
  DIR* dir = ::opendir(directory.c_str());
  if (!dir) return;
  const int dirFd = ::dirfd(dir);
  while (const dirent* entry = ::readdir(dir)) {
    if (!IsTempName(entry->d_name, prefix)) continue;
    const int fd = ::openat(dirFd, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat info {};
    // Once locked, the name must still be the file opened: meanwhile its
    // save may have renamed it into place, or another sweep removed it and
    // a new save, not yet locked, took the name.
    struct stat named {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        ::fstatat(dirFd, entry->d_name, &named, AT_SYMLINK_NOFOLLOW) == 0 &&
        SameFile(info, named)) {
      ::unlinkat(dirFd, entry->d_name, 0);
    }
    ::close(fd);
  }
  ::closedir(dir);
}

/// The new file of one save: removed unless it was renamed into place. Its
/// lock lives on a second descriptor, so closing the first (and seeing its
/// error) does not let go of the lock before the rename.
class NewFile {
 public:
  ~NewFile() {
    if (fd >= 0) ::close(fd);
    if (!path.empty() && !renamed) ::unlink(path.c_str());
    if (lockFd >= 0) ::close(lockFd);
  }
  /// Waits for the lock: only a sweep that took the file for a stale one
  /// can hold it, and only for an instant. Where the file system has no
  /// locks, no sweep can lock the file either, and the save goes on.
  void Lock() {
    while (::flock(fd, LOCK_EX) != 0) {
      if (errno != EINTR) return;
    }
    lockFd = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
  }
  /// Lets go of a file that lost its name, leaving the name alone.
  void Drop() {
    ::close(fd);
    fd = -1;
    if (lockFd >= 0) ::close(lockFd);
    lockFd = -1;
  }
  int fd = -1;
  int lockFd = -1;
  std::string path;  ///< empty while the file is unnamed
  bool renamed = false;
};

/// Opens the new file, unnamed where the directory allows it and where it
/// can be named later (through /proc, or as root).
bool OpenNewFile(const FileCalls& calls, const std::string& directory, const std::string& prefix,
                 NewFile& file) {
  if (::access(kOpenDescriptors, X_OK) == 0 || ::geteuid() == 0) {
    file.fd = calls.openUnnamed(directory.c_str());
    if (file.fd >= 0) {
      file.Lock();  // before it has a name any sweep could see
      return true;
    }
  }
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    const std::string name = RandomTempName(directory, prefix);
    file.fd = calls.createNew(name.c_str());
    if (file.fd < 0) {
      if (errno != EEXIST) return false;
      continue;
    }
    // Between its creation and its lock, the file looks stale to another
    // save's sweep, which may remove it. Once locked it is safe; if it was
    // removed meanwhile, it is given up for a new one.
    file.Lock();
    struct stat mine {};
    struct stat named {};
    if (::fstat(file.fd, &mine) == 0 && mine.st_nlink > 0 && ::lstat(name.c_str(), &named) == 0 &&
        SameFile(mine, named)) {
      file.path = name;
      return true;
    }
    file.Drop();
    errno = EEXIST;
  }
  return false;
}

/// Gives the unnamed new file a name beside the output.
bool NameNewFile(NewFile& file, const std::string& directory, const std::string& prefix) {
  const std::string self = kOpenDescriptors + std::to_string(file.fd);
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    const std::string name = RandomTempName(directory, prefix);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
        ::linkat(file.fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) {
      file.path = name;
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

/// Keeps the owner and group of the file replaced, where the process may
/// set them; the group alone where only that is allowed.
void KeepOwner(int fd, const struct stat& old) {
  if (old.st_uid == ::geteuid() && old.st_gid == ::getegid()) return;
  if (::fchown(fd, old.st_uid, old.st_gid) != 0)
    (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
}

/// The most one write call is given, so progress can be shown between them.
constexpr std::size_t kWritePiece = std::size_t{4} << 20;

bool WriteAll(const Replacement& how, int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n =
        how.calls.write(fd, bytes.data() + done, std::min(bytes.size() - done, kWritePiece));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) {
      errno = EIO;  // a write that makes no progress would loop forever
      return false;
    }
    done += static_cast<std::size_t>(n);
    if (how.written) how.written(done, bytes.size());
  }
  return true;
}

}  // namespace

std::optional<FileId> FileId::Of(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return FileId{info.st_dev, info.st_ino};
}

FileCalls FileCalls::System() {
  FileCalls calls;
  calls.openUnnamed = [](const char* directory) {
    return ::open(directory, O_TMPFILE | O_WRONLY | O_CLOEXEC, kNewFileMode);
  };
  calls.createNew = [](const char* path) {
    return ::open(path, O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, kNewFileMode);
  };
  calls.write = [](int fd, const void* data, std::size_t size) { return ::write(fd, data, size); };
  calls.sync = [](int fd) { return ::fsync(fd); };
  calls.rename = [](const char* from, const char* to) { return ::rename(from, to); };
  return calls;
}

bool ReplaceFileAtomically(const std::string& path, const std::string& bytes,
                           const Replacement& how, std::string& error) {
  std::string target;
  struct stat old {};
  // The system follows the links first: some lead to what has no name to
  // follow by hand (/dev/stdout to a pipe, through /proc), and any output
  // that is no regular file is refused as such.
  bool existed = ::stat(path.c_str(), &old) == 0;
  auto fail = [&](const std::string& why) {
    error = ombform(Texts::kSaveFailed, how.kind, path.c_str(), why.c_str(),
                    existed ? Texts::kPreviousUnchanged : Texts::kNothingWritten);
    return false;
  };
  if (existed && !S_ISREG(old.st_mode)) return fail(Texts::kNotRegularFile);
  const bool followed = FollowLinks(path, target);
  existed = followed && ::stat(target.c_str(), &old) == 0;
  if (!followed) return fail(std::strerror(errno));
  if (existed && !S_ISREG(old.st_mode)) return fail(Texts::kNotRegularFile);
  if (existed && how.inputs.Holds(old.st_dev, old.st_ino)) {
    return fail(Texts::kIsTheInput);
  }

  const std::string directory = DirectoryOf(target);
  const std::string prefix = TempPrefix(BaseNameOf(target));
  RemoveStaleTempFiles(directory, prefix);
  NewFile file;
  if (!OpenNewFile(how.calls, directory, prefix, file)) {
    return fail(ombform(Texts::kTempNotCreated, directory.c_str(), std::strerror(errno)));
  }
  auto stepFailed = [&](const char* step) {
    return fail(ombform(Texts::kStepFailed, step, std::strerror(errno)));
  };

  if (existed) {
    KeepOwner(file.fd, old);
    if (::fchmod(file.fd, old.st_mode & 07777) != 0) return stepFailed(Texts::kStepPermissions);
  }
  if (!WriteAll(how, file.fd, bytes)) return stepFailed(Texts::kStepWrite);
  if (how.calls.sync(file.fd) != 0) return stepFailed(Texts::kStepSync);
  if (file.path.empty() && !NameNewFile(file, directory, prefix)) {
    return stepFailed(Texts::kStepName);
  }
  const int fd = file.fd;
  file.fd = -1;
  if (::close(fd) != 0) return stepFailed(Texts::kStepClose);
  if (how.calls.rename(file.path.c_str(), target.c_str()) != 0) {
    return stepFailed(Texts::kStepRename);
  }
  file.renamed = true;

  // Flush the directory so the rename is on disk too. File systems that
  // cannot flush a directory say so with EINVAL; there is nothing to do.
  const int dirFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  int syncError = 0;
  if (dirFd < 0) {
    syncError = errno;
  } else {
    if (how.calls.sync(dirFd) != 0 && errno != EINVAL) syncError = errno;
    ::close(dirFd);
  }
  if (syncError != 0) {
    error = ombform(Texts::kDirectoryNotSynced, how.kind, path.c_str(), directory.c_str(),
                    std::strerror(syncError));
    return false;
  }
  return true;
}

}  // namespace HostPersist
