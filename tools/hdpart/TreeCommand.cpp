// hdpart tree FILE: the partition tree, as report_hierarchy prints it.
#include <cstdio>

#include "Commands.h"
#include "ToolMessages.h"
#include "session/HierarchyReport.h"
#include "session/Session.h"

namespace hdpart {

bool RunTree(const Invocation& invocation) {
  HostSession::Session& session = *invocation.session;
  if (!session.Start() || !session.Open(invocation.operand, {invocation.pinCheck})) return false;
  std::fputs(HostSession::HierarchyReport(session).c_str(), stdout);
  return true;
}

}  // namespace hdpart
