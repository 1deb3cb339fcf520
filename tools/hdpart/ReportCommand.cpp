// hdpart report FILE [PARTITION...]: a row per partition, every partition
// or the ones named; and hdpart show FILE [PARTITION...]: their dumps.
#include <cstdio>

#include "Commands.h"
#include "SummaryFormats.h"
#include "session/Session.h"

namespace hdpart {

bool RunReport(const Invocation& invocation) {
  HostSession::Session& session = *invocation.session;
  if (!session.Start() || !session.Open(invocation.operand, {invocation.pinCheck})) return false;
  std::vector<HostSession::PartitionSummary> summaries;
  bool all = true;
  if (invocation.more.empty()) {
    summaries = HostSession::Summaries(session);
  } else {
    all = HostSession::NamedSummaries(session, invocation.more, summaries);
  }
  if (invocation.format == kJsonFormat) {
    Json json;
    json.BeginDocument(invocation.command->name).Key("file").String(invocation.operand);
    WriteSummaries(json, summaries);
    std::fputs(json.EndObject().Text().c_str(), stdout);
  } else if (!summaries.empty() || invocation.more.empty()) {
    // Named partitions none of which exists make no table, not a heading alone.
    std::fputs(HostSession::TableText(summaries).c_str(), stdout);
  }
  return all;
}

bool RunShow(const Invocation& invocation) {
  HostSession::Session& session = *invocation.session;
  if (!session.Start() || !session.Open(invocation.operand, {invocation.pinCheck})) return false;
  if (invocation.more.empty()) {
    for (const auto& partition : session.HierarchyOrder()) partition->Dump();
    return true;
  }
  bool all = true;
  for (const std::string& name : invocation.more) {
    if (HostSession::PartitionRef partition = session.Find(name)) {
      partition->Dump();
    } else {
      all = HostSession::ReportMissingPartition(session, name) && all;
    }
  }
  return all;
}

}  // namespace hdpart
