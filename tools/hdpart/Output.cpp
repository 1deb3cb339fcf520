// Where a command's file goes: into the file -o names, replaced atomically,
// or onto standard output with -o -. Outputs that are no regular file are
// refused before any work is done, with a word on -o -, since a user who
// names /dev/stdout or a device most likely wants the bytes on a stream.
#include <sys/stat.h>

#include "Commands.h"
#include "ToolMessages.h"
#include "persist/PersistTexts.h"
#include "session/Session.h"
#include "session/StandardStreams.h"

namespace hdpart {

bool WritesToStandardOutput(const Invocation& invocation) {
  return invocation.output == kStandardOutput ||
         (invocation.output.empty() && invocation.command->output == OutputOption::Optional);
}

bool OutputAccepted(const Invocation& invocation, const char* kind) {
  if (invocation.output.empty() || WritesToStandardOutput(invocation)) return true;
  struct stat info {};
  if (::stat(invocation.output.c_str(), &info) != 0 || S_ISREG(info.st_mode)) return true;
  HDPART_MSG().issueError(kMsgOutputNotRegular, kind, invocation.output.c_str(),
                          HostPersist::Texts::kNotRegularFile);
  return false;
}

bool SaveOutput(HostSession::Session& session, const Invocation& invocation) {
  if (!WritesToStandardOutput(invocation))
    return static_cast<bool>(session.Save(invocation.output));
  std::string bytes;
  if (!session.ProjectFileBytes(invocation.output, bytes)) return false;
  // A failed write is seen, and reported, when standard output is flushed.
  HostSession::WriteStandardOutput(bytes);
  return true;
}

}  // namespace hdpart
