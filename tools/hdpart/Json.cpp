// The JSON writer.
#include "Json.h"

#include <cstdio>

namespace hdpart {

namespace {

/// `text` as a JSON string, quotes included.
std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (const unsigned char c : text) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          out += escaped;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

}  // namespace

void Json::Indent() {
  m_text += '\n';
  m_text.append(2 * m_open.size(), ' ');
}

void Json::Place() {
  if (m_afterKey) {
    m_afterKey = false;
    return;
  }
  if (m_open.empty()) return;
  if (!m_open.back().empty) m_text += ',';
  m_open.back().empty = false;
  Indent();
}

Json& Json::Open(char bracket) {
  Place();
  m_text += bracket;
  m_open.push_back({bracket});
  return *this;
}

Json& Json::Close(char bracket) {
  const bool empty = m_open.back().empty;
  m_open.pop_back();
  if (!empty) Indent();
  m_text += bracket;
  return *this;
}

Json& Json::Key(const std::string& key) {
  Place();
  m_text += Quoted(key) + ": ";
  m_afterKey = true;
  return *this;
}

Json& Json::String(const std::string& value) {
  Place();
  m_text += Quoted(value);
  return *this;
}

Json& Json::Number(long long value) {
  Place();
  m_text += std::to_string(value);
  return *this;
}

Json& Json::Bool(bool value) {
  Place();
  m_text += value ? "true" : "false";
  return *this;
}

Json& Json::Null() {
  Place();
  m_text += "null";
  return *this;
}

Json& Json::BeginDocument(const char* command) {
  return BeginObject().Key("format").Number(kJsonFormatVersion).Key("command").String(command);
}

}  // namespace hdpart
