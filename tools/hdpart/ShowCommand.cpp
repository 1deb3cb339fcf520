// hdpart show FILE: every partition's dump, root first, depth first in
// document order.
#include "Commands.h"
#include "ToolMessages.h"
#include "session/Session.h"

namespace hdpart {

bool RunShow(const Invocation& invocation) {
  HostSession::Session& session = *invocation.session;
  if (!session.Start() || !session.Open(invocation.operand, {invocation.pinCheck})) return false;
  for (const auto& partition : session.HierarchyOrder()) partition->Dump();
  return true;
}

}  // namespace hdpart
