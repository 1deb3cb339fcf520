// hdpart import DESC -o PROJECT: the previous implementations of the
// description's imported partitions taken over, then the project saved. A
// partition that cannot be imported is reported and the others go on; the
// session then refuses the save, as it does for a description with errors.
#include "Commands.h"
#include "persist/AtomicFile.h"
#include "session/Session.h"

namespace hdpart {

bool RunImport(const Invocation& invocation) {
  if (!OutputAccepted(invocation, HostPersist::kProjectFileKind)) return false;
  HostSession::Session& session = *invocation.session;
  if (!session.Start() || !session.Open(invocation.operand, {invocation.pinCheck})) return false;
  const bool imported = static_cast<bool>(session.Import());
  return SaveOutput(session, invocation) && imported;
}

}  // namespace hdpart
