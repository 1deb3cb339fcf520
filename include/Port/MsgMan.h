// The host's message manager. A component creates a message object for its
// domain and source position and issues one message of a given severity on
// it. Every message goes to one replaceable sink: the default sink prints
// status and info lines to standard output exactly as issued, and the others
// to standard error behind "WARNING: ", "ERROR: ", "INTERNAL: " or "FATAL: ".
// Debug traces reach the sink too; the default sink drops them unless debug
// output is enabled.
#pragma once

#include <cstdarg>
#include <string>

#include "Port/HostApi.h"

enum class Port_Severity { Status, Info, Warning, Error, Internal, Fatal, Debug };

/// Whether a message of `severity` reports a fault: an error, an internal
/// fault or a fatal message.
inline bool Port_IsFault(Port_Severity severity) {
  return severity == Port_Severity::Error || severity == Port_Severity::Internal ||
         severity == Port_Severity::Fatal;
}

/// One issued message, as the sink receives it.
struct Port_Message {
  Port_Severity severity;
  int fatalCode;  // the code of a fatal message, 0 for the other severities
  std::string domain;
  std::string sourceFile;
  int line;
  std::string text;
};

class HOST_API Port_MsgSink {
 public:
  virtual ~Port_MsgSink() = default;
  virtual void Deliver(const Port_Message& message) = 0;
  /// Whether debug traces would be kept; when the sink answers no, they are
  /// not even formatted (components trace in every destructor).
  virtual bool KeepsDebugTraces() const { return true; }
};

class HOST_API Port_MsgManData {
 public:
  static Port_MsgManData createObject(const char* domain, const char* sourceFile, int line,
                                      const char* revision);

  void issueError(const char* fmt, ...) const __attribute__((format(printf, 2, 3)));
  void issueWarning(const char* fmt, ...) const __attribute__((format(printf, 2, 3)));
  void issueInfo(const char* fmt, ...) const __attribute__((format(printf, 2, 3)));
  void issueStatus(const char* fmt, ...) const __attribute__((format(printf, 2, 3)));
  void issueInternal(const char* fmt, ...) const __attribute__((format(printf, 2, 3)));
  void issueFatal(int code, const char* fmt, ...) const __attribute__((format(printf, 3, 4)));

  /// A debug trace; it carries no domain or position.
  static void debugStub(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

  /// Installs `sink` (null restores the default) and returns the one it replaces.
  static Port_MsgSink* SetSink(Port_MsgSink* sink);
  /// Whether the default sink prints debug traces (to standard error).
  static void SetDebugEnabled(bool enabled);
  /// The sink that prints to the standard streams.
  static Port_MsgSink& DefaultSink();
  /// What the printing sink puts before a message of `severity` ("ERROR: ").
  static const char* Prefix(Port_Severity severity);

  const std::string& Domain() const { return m_domain; }

 private:
  Port_MsgManData(const char* domain, const char* sourceFile, int line);
  void Issue(Port_Severity severity, int code, const char* fmt, va_list args) const;

  std::string m_domain;
  std::string m_sourceFile;
  int m_line;
};

/// Makes the message manager ready before a unit's statics use it. Our
/// manager needs no ordering, so the object is empty.
struct Port_MsgManInit {};
