// A line of context after the warnings and errors issued while it lives: a
// host sets one up around a call into a component so that what the component
// reports says where it was (which file, which partition), while the
// component's own lines stay exactly as it issued them.
//
//   Port::MessageContext where(ombform("  at \"%s\": partition \"%s\"", file, name));
//   partition->ReadXmlElement(...);   // ERROR: ...\n  at "chip.pxml": partition "/top/u1"
#pragma once

#include <functional>
#include <string>

#include "Port/HostApi.h"
#include "Port/MsgMan.h"

namespace Port {

class HOST_API MessageContext final : public Port_MsgSink {
 public:
  /// The line after a message, without its line end.
  using Line = std::function<std::string(const Port_Message& message)>;

  /// Installs itself in front of the sink in place; `line` has no line end.
  explicit MessageContext(std::string line);
  /// The same with a line made for each message (only for warnings and
  /// errors, which are rare).
  explicit MessageContext(Line line);
  ~MessageContext() override;
  MessageContext(const MessageContext&) = delete;
  MessageContext& operator=(const MessageContext&) = delete;

  void Deliver(const Port_Message& message) override;
  bool KeepsDebugTraces() const override { return m_next->KeepsDebugTraces(); }

 private:
  Line m_line;
  Port_MsgSink* m_next;
};

}  // namespace Port
