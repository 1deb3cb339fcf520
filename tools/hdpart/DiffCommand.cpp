// hdpart diff A B: the partitions of two files compared, a line per
// difference or one JSON document. The session holds one design at a time:
// A is opened and read whole, then B.
#include <cstdio>
#include <optional>

#include "Commands.h"
#include "Json.h"
#include "ToolMessages.h"
#include "session/DesignDiff.h"
#include "session/Session.h"

namespace hdpart {

namespace {

/// The image of the design at `path`; none when the file cannot be read or
/// its reading drew errors (reported): such a design may lack partitions.
std::optional<HostSession::DesignImage> Read(HostSession::Session& session, const std::string& path,
                                             bool pinCheck) {
  const HostSession::Outcome opened = session.Open(path, {pinCheck});
  if (!opened || opened.errors > 0) return std::nullopt;
  HostSession::DesignImage image = HostSession::ImageOf(session);
  session.Close();
  return image;
}

std::string Shown(const std::string& value) { return value.empty() ? kDiffEmptyValue : value; }

std::string Text(const HostSession::DesignDiff& diff) {
  using Port::StringBase;
  std::string text;
  for (const std::string& name : diff.onlyInA) {
    text += StringBase::doFormat(kDiffOnlyInA, name.c_str()).str();
  }
  for (const std::string& name : diff.onlyInB) {
    text += StringBase::doFormat(kDiffOnlyInB, name.c_str()).str();
  }
  for (const HostSession::FieldDifference& d : diff.changed) {
    const char* partition = d.partition.c_str();
    const char* field = d.field.c_str();
    if (d.a && d.b) {
      text += StringBase::doFormat(kDiffChanged, partition, field, Shown(*d.a).c_str(),
                                   Shown(*d.b).c_str())
                  .str();
    } else if (d.a) {
      text += StringBase::doFormat(kDiffFieldOnlyInA, partition, field, Shown(*d.a).c_str()).str();
    } else if (d.b) {
      text += StringBase::doFormat(kDiffFieldOnlyInB, partition, field, Shown(*d.b).c_str()).str();
    }
  }
  return text;
}

void Names(Json& json, const char* key, const std::vector<std::string>& names) {
  json.Key(key).BeginArray();
  for (const std::string& name : names) json.String(name);
  json.EndArray();
}

void Value(Json& json, const char* key, const std::optional<std::string>& value) {
  json.Key(key);
  if (value) {
    json.String(*value);
  } else {
    json.Null();
  }
}

std::string JsonText(const Invocation& invocation, const HostSession::DesignDiff& diff) {
  Json json;
  json.BeginDocument(invocation.command->name);
  json.Key(kDiffKeyA).String(invocation.operand).Key(kDiffKeyB).String(invocation.more[0]);
  json.Key(kDiffKeySame).Bool(diff.Same());
  Names(json, kDiffKeyOnlyInA, diff.onlyInA);
  Names(json, kDiffKeyOnlyInB, diff.onlyInB);
  json.Key(kDiffKeyChanged).BeginArray();
  for (const HostSession::FieldDifference& d : diff.changed) {
    json.BeginObject().Key(kDiffKeyPartition).String(d.partition);
    json.Key(kDiffKeyField).String(d.field);
    Value(json, kDiffKeyA, d.a);
    Value(json, kDiffKeyB, d.b);
    json.EndObject();
  }
  return json.EndArray().EndObject().Text();
}

}  // namespace

bool RunDiff(const Invocation& invocation) {
  HostSession::Session& session = *invocation.session;
  if (!session.Start()) return false;
  // Both files are read even when the first cannot be, so that both faults
  // are reported at once.
  const auto a = Read(session, invocation.operand, invocation.pinCheck);
  const auto b = Read(session, invocation.more[0], invocation.pinCheck);
  if (!a || !b) return false;
  const HostSession::DesignDiff diff = HostSession::Compare(*a, *b);
  const std::string text =
      invocation.format == kJsonFormat ? JsonText(invocation, diff) : Text(diff);
  std::fputs(text.c_str(), stdout);
  return diff.Same();
}

}  // namespace hdpart
