// A line of context after the warnings and errors issued while it lives: a
// host sets one up around a call into a component so that what the component
// reports says where it was (which file, which partition), while the
// component's own lines stay exactly as it issued them.
//
//   Port::MessageContext where(ombform("  at \"%s\": partition \"%s\"", file, name));
//   partition->ReadXmlElement(...);   // ERROR: ...\n  at "chip.pxml": partition "/top/u1"
#pragma once

#include <string>

#include "Port/MsgMan.h"

namespace Port {

class MessageContext final : public Port_MsgSink {
 public:
  /// Installs itself in front of the sink in place; `line` has no line end.
  explicit MessageContext(std::string line);
  ~MessageContext() override;
  MessageContext(const MessageContext&) = delete;
  MessageContext& operator=(const MessageContext&) = delete;

  void Deliver(const Port_Message& message) override;
  bool KeepsDebugTraces() const override { return m_next->KeepsDebugTraces(); }

 private:
  std::string m_line;
  Port_MsgSink* m_next;
};

}  // namespace Port
