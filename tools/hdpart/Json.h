// A small writer of JSON documents, two blanks an indent level, for the
// --format json output of hdpart's reports. Every document opens with the
// "format" version of docs/JSON.md.
//
//   Json json;
//   json.BeginObject().Key("name").String("/top").Key("pins").Number(3).EndObject();
//   std::fputs(json.Text().c_str(), stdout);
#pragma once

#include <string>
#include <vector>

namespace hdpart {

/// The version of the documents' layout (docs/JSON.md).
inline constexpr int kJsonFormatVersion = 1;

class Json {
 public:
  Json& BeginObject() { return Open('{'); }
  Json& EndObject() { return Close('}'); }
  Json& BeginArray() { return Open('['); }
  Json& EndArray() { return Close(']'); }
  /// The key of the next member of the object being written.
  Json& Key(const std::string& key);
  Json& String(const std::string& value);
  Json& Number(long long value);
  Json& Bool(bool value);
  Json& Null();
  /// A document opened: "{", then "format" and "command".
  Json& BeginDocument(const char* command);
  /// The document written so far, with a last line end once complete.
  std::string Text() const { return m_text + (m_open.empty() ? "\n" : ""); }

 private:
  Json& Open(char bracket);
  Json& Close(char bracket);
  /// Starts a value: the comma and line break before it, as its place needs.
  void Place();
  void Indent();
  struct Level {
    char bracket;
    bool empty = true;
  };
  std::vector<Level> m_open;
  std::string m_text;
  bool m_afterKey = false;
};

}  // namespace hdpart
