// hdpart check DESC: what the description says that is most likely a
// mistake, as warnings, or as one JSON document.
#include <cstdio>
#include <optional>

#include "CheckTexts.h"
#include "Commands.h"
#include "Json.h"
#include "session/DescriptionCheck.h"
#include "session/Session.h"

namespace hdpart {

namespace {

using HostSession::Finding;
using HostSession::FindingKind;
namespace Keys = CheckKeys;

void StringOrNull(Json& json, const char* key, const std::optional<std::string>& value) {
  json.Key(key);
  if (value) {
    json.String(*value);
  } else {
    json.Null();
  }
}

/// One finding: the members every finding has, then its kind's own.
void WriteFinding(Json& json, const std::string& file, const Finding& finding) {
  json.BeginObject();
  json.Key(Keys::kKind).String(HostSession::KindName(finding.kind));
  json.Key(Keys::kMessage).String(finding.message);
  json.Key(Keys::kFile).String(file);
  json.Key(Keys::kLine).Number(static_cast<long long>(finding.line));
  json.Key(Keys::kColumn).Number(static_cast<long long>(finding.column));
  json.Key(Keys::kElement).String(finding.element);
  StringOrNull(json, Keys::kPartition, finding.partition);
  StringOrNull(json, Keys::kPin, finding.pin);
  switch (finding.kind) {
    case FindingKind::UnknownAttribute:
      json.Key(Keys::kAttribute).String(finding.attribute);
      json.Key(Keys::kValue).String(finding.value);
      StringOrNull(json, Keys::kSuggestion, finding.suggestion);
      break;
    case FindingKind::NotBoolean:
      json.Key(Keys::kAttribute).String(finding.attribute);
      json.Key(Keys::kValue).String(finding.value);
      break;
    case FindingKind::NotUnderParent:
      json.Key(Keys::kParent).String(finding.parent);
      break;
    case FindingKind::NameTwice:
      json.Key(Keys::kFirstLine).Number(static_cast<long long>(finding.firstLine));
      json.Key(Keys::kFirstColumn).Number(static_cast<long long>(finding.firstColumn));
      break;
    case FindingKind::ImportLocation:
      json.Key(Keys::kLocation).String(finding.location);
      StringOrNull(json, Keys::kResolvedFrom, finding.resolvedFrom);
      break;
    case FindingKind::SeveralImportFiles:
      json.Key(Keys::kLocation).String(finding.location);
      StringOrNull(json, Keys::kResolvedFrom, finding.resolvedFrom);
      json.Key(Keys::kPattern).String(finding.pattern);
      json.Key(Keys::kFiles).BeginArray();
      for (const std::string& name : finding.files) json.String(name);
      json.EndArray();
      json.Key(Keys::kTaken).String(finding.files.front());
      break;
    case FindingKind::RelativeName:
    case FindingKind::ReconfigurableRoot:
    case FindingKind::NoName:
      break;
  }
  json.EndObject();
}

}  // namespace

bool RunCheck(const Invocation& invocation) {
  HostSession::Session& session = *invocation.session;
  const std::string& file = invocation.operand;
  std::vector<Finding> findings;
  if (!HostSession::CheckDescription(session, file, findings)) return false;
  if (invocation.format == kJsonFormat) {
    Json json;
    json.BeginDocument(invocation.command->name).Key(Keys::kFile).String(file);
    json.Key(Keys::kFindings).BeginArray();
    for (const Finding& finding : findings) WriteFinding(json, file, finding);
    json.EndArray();
    std::fputs(json.EndObject().Text().c_str(), stdout);
  } else {
    HostSession::ReportFindings(session, file, findings);
  }
  return findings.empty();
}

}  // namespace hdpart
