// The message manager: message objects that format and hand one message to
// the current sink, and the default sink that prints to the standard streams.
#include "Port/MsgMan.h"

#include <atomic>
#include <cstdio>

#include "VFormat.h"

namespace {

// Null means the default sink is installed.
std::atomic<Port_MsgSink*> g_sink{nullptr};
std::atomic<bool> g_debugEnabled{false};

}  // namespace

const char* Port_MsgManData::Prefix(Port_Severity severity) {
  switch (severity) {
    case Port_Severity::Warning:
      return "WARNING: ";
    case Port_Severity::Error:
      return "ERROR: ";
    case Port_Severity::Internal:
      return "INTERNAL: ";
    case Port_Severity::Fatal:
      return "FATAL: ";
    case Port_Severity::Status:
    case Port_Severity::Info:
    case Port_Severity::Debug:
      break;
  }
  return "";
}

namespace {

// Status and info go to standard output exactly as issued; everything else
// goes to standard error. Standard output is flushed first so the two
// streams stay in issue order when they share a terminal or a file.
class StreamSink : public Port_MsgSink {
 public:
  void Deliver(const Port_Message& message) override {
    const Port_Severity severity = message.severity;
    if (severity == Port_Severity::Status || severity == Port_Severity::Info) {
      std::fwrite(message.text.data(), 1, message.text.size(), stdout);
      return;
    }
    if (severity == Port_Severity::Debug && !KeepsDebugTraces()) return;
    std::fflush(stdout);
    std::fputs(Port_MsgManData::Prefix(severity), stderr);
    std::fwrite(message.text.data(), 1, message.text.size(), stderr);
    std::fflush(stderr);
  }
  bool KeepsDebugTraces() const override { return g_debugEnabled.load(std::memory_order_relaxed); }
};

Port_MsgSink& CurrentSink() {
  Port_MsgSink* sink = g_sink.load(std::memory_order_acquire);
  return sink ? *sink : Port_MsgManData::DefaultSink();
}

void Deliver(Port_Severity severity, int code, const std::string& domain,
             const std::string& sourceFile, int line, const char* fmt, va_list args) {
  Port_Message message{severity, code, domain, sourceFile, line, Port::detail::VFormat(fmt, args)};
  CurrentSink().Deliver(message);
}

}  // namespace

Port_MsgManData::Port_MsgManData(const char* domain, const char* sourceFile, int line)
    : m_domain(domain ? domain : ""), m_sourceFile(sourceFile ? sourceFile : ""), m_line(line) {}

Port_MsgManData Port_MsgManData::createObject(const char* domain, const char* sourceFile, int line,
                                              const char* /*revision*/) {
  return Port_MsgManData(domain, sourceFile, line);
}

void Port_MsgManData::Issue(Port_Severity severity, int code, const char* fmt, va_list args) const {
  Deliver(severity, code, m_domain, m_sourceFile, m_line, fmt, args);
}

#define PORT_ISSUE_VARIADIC(severity, code) \
  va_list args;                             \
  va_start(args, fmt);                      \
  Issue(severity, code, fmt, args);         \
  va_end(args)

void Port_MsgManData::issueError(const char* fmt, ...) const {
  PORT_ISSUE_VARIADIC(Port_Severity::Error, 0);
}
void Port_MsgManData::issueWarning(const char* fmt, ...) const {
  PORT_ISSUE_VARIADIC(Port_Severity::Warning, 0);
}
void Port_MsgManData::issueInfo(const char* fmt, ...) const {
  PORT_ISSUE_VARIADIC(Port_Severity::Info, 0);
}
void Port_MsgManData::issueStatus(const char* fmt, ...) const {
  PORT_ISSUE_VARIADIC(Port_Severity::Status, 0);
}
void Port_MsgManData::issueInternal(const char* fmt, ...) const {
  PORT_ISSUE_VARIADIC(Port_Severity::Internal, 0);
}
void Port_MsgManData::issueFatal(int code, const char* fmt, ...) const {
  PORT_ISSUE_VARIADIC(Port_Severity::Fatal, code);
}

#undef PORT_ISSUE_VARIADIC

void Port_MsgManData::debugStub(const char* fmt, ...) {
  // A sink that drops debug traces (the default one unless asked for them)
  // is spared the formatting, since components trace in hot paths (every
  // destructor).
  if (!CurrentSink().KeepsDebugTraces()) return;
  static const std::string kNone;
  va_list args;
  va_start(args, fmt);
  Deliver(Port_Severity::Debug, 0, kNone, kNone, 0, fmt, args);
  va_end(args);
}

Port_MsgSink* Port_MsgManData::SetSink(Port_MsgSink* sink) {
  Port_MsgSink* previous = g_sink.exchange(sink, std::memory_order_acq_rel);
  return previous ? previous : &DefaultSink();
}

void Port_MsgManData::SetDebugEnabled(bool enabled) {
  g_debugEnabled.store(enabled, std::memory_order_relaxed);
}

Port_MsgSink& Port_MsgManData::DefaultSink() {
  // Never destroyed: messages issued from other statics' destructors at exit
  // still find it.
  static Port_MsgSink* const sink = new StreamSink;
  return *sink;
}
