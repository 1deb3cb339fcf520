// hdpart save DESC -o PROJECT: the description's partitions saved to a
// project file, atomically, or written to standard output with -o -. The
// session refuses to save a description that drew errors.
#include "Commands.h"
#include "persist/AtomicFile.h"
#include "session/Session.h"

namespace hdpart {

bool RunSave(const Invocation& invocation) {
  if (!OutputAccepted(invocation, HostPersist::kProjectFileKind)) return false;
  HostSession::Session& session = *invocation.session;
  if (!session.Start() || !session.Open(invocation.operand, {invocation.pinCheck})) return false;
  return SaveOutput(session, invocation);
}

}  // namespace hdpart
