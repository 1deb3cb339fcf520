// hdpart tree FILE: the partition tree, as report_hierarchy prints it, as
// JSON, or as a Graphviz graph.
#include <cstdio>

#include "Commands.h"
#include "SummaryFormats.h"
#include "session/Session.h"

namespace hdpart {

bool RunTree(const Invocation& invocation) {
  HostSession::Session& session = *invocation.session;
  if (!session.Start() || !session.Open(invocation.operand, {invocation.pinCheck})) return false;
  const auto summaries = HostSession::Summaries(session, invocation.depth);
  std::string text;
  if (invocation.format == kJsonFormat) {
    Json json;
    json.BeginDocument(invocation.command->name).Key("file").String(invocation.operand);
    WriteSummaries(json, summaries);
    text = json.EndObject().Text();
  } else if (invocation.format == kDotFormat) {
    text = DotGraph(session.ProjectName(), summaries);
  } else {
    text = HostSession::TreeText(summaries);
  }
  std::fputs(text.c_str(), stdout);
  return true;
}

}  // namespace hdpart
