// The partition tree of an open design as text, shared by every front end
// (hdpart tree, the Tcl report_hierarchy): one line per partition, root
// first, then depth first, indented two blanks per level:
//
//   /top  implement  preserve=placement  static  pins=0
//     /top/filter/kernel  implement  preserve=placement  reconfigurable /top/filter/kernel sharpen
//     pins=2
//
// that is the hierarchical name, the state, the effective preserve (from the
// partition helper, "inherit" resolved), the reconfigurable association
// (the deciding partition and its module name) or "static", and the count
// of pins.
#pragma once

#include <string>

#include "session/Session.h"

namespace HostSession {

/// Every partition of depth at most `maxDepth` (-1: all; 0: the root).
std::string HierarchyReport(const Session& session, int maxDepth = -1);

}  // namespace HostSession
