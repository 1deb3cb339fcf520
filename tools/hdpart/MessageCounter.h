// The tool's message sink: every message goes on to the host runtime's
// printing sink (status and info on standard output, the rest on standard
// error behind their severity), and errors and fatals are counted, since
// they decide the exit status.
#pragma once

#include "Port/MsgMan.h"

namespace hdpart {

class MessageCounter final : public Port_MsgSink {
 public:
  /// Installs itself in front of the printing sink.
  MessageCounter();
  ~MessageCounter() override;
  MessageCounter(const MessageCounter&) = delete;
  MessageCounter& operator=(const MessageCounter&) = delete;

  void Deliver(const Port_Message& message) override;
  /// Debug traces are not counted: they are kept only if the printing sink
  /// keeps them.
  bool KeepsDebugTraces() const override { return m_next->KeepsDebugTraces(); }
  int Errors() const { return m_errors; }
  int Fatals() const { return m_fatals; }

 private:
  Port_MsgSink* m_next;
  int m_errors = 0;
  int m_fatals = 0;
};

}  // namespace hdpart
