// hdpart write FILE [-o DESC]: the description of a description or of a
// saved project, on standard output (no -o, or -o -) or into DESC.
#include "Commands.h"
#include "persist/AtomicFile.h"
#include "session/Session.h"
#include "session/StandardStreams.h"

namespace hdpart {

bool RunWrite(const Invocation& invocation) {
  if (!OutputAccepted(invocation, HostPersist::kDescriptionKind)) return false;
  HostSession::Session& session = *invocation.session;
  if (!session.Start() || !session.Open(invocation.operand, {invocation.pinCheck})) return false;
  if (WritesToStandardOutput(invocation)) {
    std::string text;
    if (!session.DescriptionText(text)) return false;
    // A failed write is seen, and reported, when standard output is flushed.
    HostSession::WriteStandardOutput(text);
    return true;
  }
  // The session refuses to write a description that drew errors to a file.
  return static_cast<bool>(session.WriteDescription(invocation.output));
}

}  // namespace hdpart
