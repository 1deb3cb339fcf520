// hdpart show FILE: every partition's dump, root first, depth first in
// document order.
#include "Commands.h"
#include "Design.h"
#include "HostSession.h"

namespace hdpart {

bool RunShow(const Invocation& invocation) {
  HostSession session;
  if (!session.Start()) return false;
  Design design;
  if (!LoadDesign(session, invocation.operand, invocation, design)) return false;
  for (const auto& partition : design.project->DepthFirst()) partition->Dump();
  return true;
}

}  // namespace hdpart
