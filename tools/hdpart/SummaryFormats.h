// The partitions' summaries in the forms hdpart prints besides text: JSON
// (docs/JSON.md) and a Graphviz graph of the hierarchy.
#pragma once

#include <string>
#include <vector>

#include "Json.h"
#include "session/PartitionSummary.h"

namespace hdpart {

/// "partitions": an array of the summaries, each an object.
void WriteSummaries(Json& json, const std::vector<HostSession::PartitionSummary>& summaries);
/// A Graphviz digraph of the hierarchy: a box per partition (imported ones
/// filled orange, implemented ones blue; reconfigurable ones dashed, with
/// their module), an edge from each parent to its children.
std::string DotGraph(const std::string& title,
                     const std::vector<HostSession::PartitionSummary>& summaries);

}  // namespace hdpart
