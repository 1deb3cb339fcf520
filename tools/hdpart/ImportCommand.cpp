// hdpart import DESC -o PROJECT: the previous implementations of the
// description's imported partitions taken over, then the project saved. A
// partition that cannot be imported is reported and the others go on; the
// session then refuses the save, as it does for a description with errors.
#include <cstdio>

#include "Commands.h"
#include "ToolMessages.h"
#include "persist/AtomicFile.h"
#include "session/Session.h"

namespace hdpart {

bool RunImport(const Invocation& invocation) {
  if (!OutputAccepted(invocation, HostPersist::kProjectFileKind)) return false;
  HostSession::Session& session = *invocation.session;
  if (!session.Start() || !session.Open(invocation.operand, {invocation.pinCheck})) return false;
  const bool imported = static_cast<bool>(session.Import());
  if (!SaveOutput(session, invocation) || !imported) return false;
  // Standard output may hold the project: the summary goes with the messages.
  const HostSession::Session::ImportTally& tally = session.LastImport();
  std::fprintf(stderr, kImportSummary, kToolName, tally.partitions,
               kPartitionNouns[tally.partitions != 1], tally.locations,
               kLocationNouns[tally.locations != 1]);
  return true;
}

}  // namespace hdpart
