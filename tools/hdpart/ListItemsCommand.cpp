// hdpart inspect PROJECT: the items of a project file, one a line, or one
// JSON document.
#include <iostream>

#include "Commands.h"
#include "Json.h"
#include "ToolMessages.h"
#include "persist/ProjectFile.h"
#include "session/SessionTexts.h"

namespace hdpart {

namespace {

bool PrintJson(const Invocation& invocation, std::string& error) {
  HostPersist::ProjectListing listing;
  if (!HostPersist::ReadProjectListing(invocation.operand, listing, error)) return false;
  Json json;
  json.BeginDocument(invocation.command->name).Key("file").String(invocation.operand);
  json.Key("file_format").Number(listing.format);
  json.Key("content_bytes").Number(static_cast<long long>(listing.contentBytes));
  json.Key("items").BeginArray();
  for (const HostPersist::ListedItem& item : listing.items) {
    json.BeginObject().Key("kind").String(HostPersist::ItemKindName(item.kind)).Key("value");
    if (HostPersist::IsTextItem(item.kind)) {
      json.String(item.value);
    } else if (item.kind == HostPersist::ItemKind::kBool) {
      json.Bool(item.value == "true");
    } else {
      json.Number(std::stoll(item.value));
    }
    json.EndObject();
  }
  std::cout << json.EndArray().EndObject().Text();
  return true;
}

}  // namespace

bool RunInspect(const Invocation& invocation) {
  std::string error;
  const bool listed = invocation.format == kJsonFormat
                          ? PrintJson(invocation, error)
                          : HostPersist::ListProjectFile(invocation.operand, std::cout, error);
  if (!listed) HDPART_MSG().issueError(HostSession::kMsgFileFault, error.c_str());
  return listed;
}

}  // namespace hdpart
