// What the everyday reports say of each partition of an open design, read
// once through the partitions' interfaces: the tree (hdpart tree, the Tcl
// report_hierarchy), the table (hdpart report) and their machine-readable
// and graph forms all print these fields.
#pragma once

#include <string>
#include <vector>

#include "Port/HostApi.h"
#include "session/Session.h"

namespace HostSession {

struct HOST_API PartitionSummary {
  std::string name;        // hierarchical
  int depth = 0;           // 0 for the root
  int parent = -1;         // where the parent stands among the summaries, -1 for none
  std::string parentName;  // empty for the root
  bool import = false;
  std::string importLocation;
  std::string preserve;  // effective: "inherit" resolved
  /// Reconfigurable logic: the partition deciding its module, and the
  /// module's name; both empty for static logic.
  std::string decider;
  std::string module;
  bool isolated = false;
  int pins = 0;

  bool IsStatic() const { return decider.empty(); }
};

/// Every partition, root first, then depth first, down to `maxDepth` (-1:
/// all; 0: the root alone).
HOST_API std::vector<PartitionSummary> Summaries(const Session& session, int maxDepth = -1);
/// The partitions named `names`, in the order given; a name the design lacks
/// is reported (an error naming it) and skipped. False when any was.
HOST_API bool NamedSummaries(const Session& session, const std::vector<std::string>& names,
                             std::vector<PartitionSummary>& out);

/// Reports that the design has no partition `name`; false.
HOST_API bool ReportMissingPartition(const Session& session, const std::string& name);

/// The tree: one line per partition, indented two blanks per level, the
/// columns aligned: name, state, effective preserve, the reconfigurable
/// association or "static", isolation, pin count.
HOST_API std::string TreeText(const std::vector<PartitionSummary>& summaries);
/// The table: a heading, then a row per partition: name, state, effective
/// preserve, import location, module or "static", isolated, pins.
HOST_API std::string TableText(const std::vector<PartitionSummary>& summaries);

}  // namespace HostSession
