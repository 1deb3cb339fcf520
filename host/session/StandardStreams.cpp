// Holding and checking the standard streams (see StandardStreams.h).
#include "session/StandardStreams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "Port/MsgMan.h"
#include "session/SessionTexts.h"

namespace HostSession {

void HoldStandardStreams() {
  for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
    // The lowest free descriptor is the one just found closed.
    const int held = ::open("/dev/null", O_RDONLY);
    if (held >= 0 && held != fd) ::close(held);
  }
}

namespace {

/// Why a write of WriteStandardOutput failed: a write larger than the
/// stream's buffer goes out at once, and its flush later has nothing to
/// fail with.
int s_writeFault = 0;

}  // namespace

void WriteStandardOutput(const std::string& bytes) {
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() && s_writeFault == 0) {
    s_writeFault = errno;
  }
}

bool FlushStandardOutput(const std::string& frontEnd) {
  // std::cout writes through stdout; its flush may be the one that fails.
  errno = 0;
  std::cout.flush();
  const bool flushed = std::fflush(stdout) == 0;
  const int cause = errno != 0 ? errno : s_writeFault;
  if (flushed && !std::ferror(stdout) && !std::cout.fail()) return true;
  const char* me = frontEnd.c_str();
  SESSION_MSG(me).issueError(kMsgStandardOutput, me,
                             cause != 0 ? std::strerror(cause) : kUnknownWriteFault);
  return false;
}

}  // namespace HostSession
