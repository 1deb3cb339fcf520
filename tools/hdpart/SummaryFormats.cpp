// JSON and Graphviz forms of the partitions' summaries.
#include "SummaryFormats.h"

namespace hdpart {

namespace {

using HostSession::PartitionSummary;

/// `text` as a Graphviz quoted string.
std::string DotQuoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c == '\n' ? std::string("\\n") : std::string(1, c);
  }
  return out + "\"";
}

constexpr const char* kImportColour = "#f6c28b";
constexpr const char* kImplementColour = "#a9cdf0";

}  // namespace

void WriteSummaries(Json& json, const std::vector<PartitionSummary>& summaries) {
  json.Key("partitions").BeginArray();
  for (const PartitionSummary& s : summaries) {
    json.BeginObject().Key("name").String(s.name).Key("depth").Number(s.depth).Key("parent");
    if (!s.parentName.empty()) {
      json.String(s.parentName);
    } else {
      json.Null();
    }
    json.Key("state").String(s.import ? "import" : "implement");
    json.Key("import_location").String(s.importLocation);
    json.Key("preserve").String(s.preserve);
    json.Key("reconfigurable").Bool(!s.IsStatic());
    json.Key("module");
    if (s.IsStatic()) {
      json.Null();
    } else {
      json.BeginObject().Key("name").String(s.module).Key("decided_by").String(s.decider).EndObject();
    }
    json.Key("isolated").Bool(s.isolated).Key("pins").Number(s.pins).EndObject();
  }
  json.EndArray();
}

std::string DotGraph(const std::string& title, const std::vector<PartitionSummary>& summaries) {
  std::string dot = "digraph " + DotQuoted(title) + " {\n";
  dot += "  graph [rankdir=TB, label=" + DotQuoted(title) + ", labelloc=t];\n";
  dot += "  node [shape=box, style=\"rounded,filled\", fontname=\"Helvetica\"];\n";
  for (std::size_t i = 0; i < summaries.size(); ++i) {
    const PartitionSummary& s = summaries[i];
    std::string label = s.name + "\n" + (s.import ? "import" : "implement") + ", preserve " +
                        s.preserve + "\n" + std::to_string(s.pins) + " pins";
    if (!s.IsStatic()) label += "\nmodule " + s.module;
    if (s.isolated) label += "\nisolated";
    dot += "  p" + std::to_string(i) + " [label=" + DotQuoted(label) +
           ", fillcolor=" + DotQuoted(s.import ? kImportColour : kImplementColour);
    if (!s.IsStatic()) dot += ", style=\"rounded,filled,dashed\", penwidth=2";
    dot += "];\n";
  }
  for (std::size_t i = 0; i < summaries.size(); ++i) {
    if (summaries[i].parent < 0) continue;
    dot += "  p" + std::to_string(summaries[i].parent) + " -> p" + std::to_string(i) + ";\n";
  }
  return dot + "}\n";
}

}  // namespace hdpart
