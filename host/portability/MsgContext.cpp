// Context lines after the warnings and errors a component issues.
#include "Port/MsgContext.h"

namespace Port {

MessageContext::MessageContext(std::string line)
    : MessageContext(Line([line = std::move(line)](const Port_Message&) { return line; })) {}

MessageContext::MessageContext(Line line)
    : m_line(std::move(line)), m_next(Port_MsgManData::SetSink(this)) {}

MessageContext::~MessageContext() { Port_MsgManData::SetSink(m_next); }

void MessageContext::Deliver(const Port_Message& message) {
  if (message.severity != Port_Severity::Warning && !Port_IsFault(message.severity)) {
    m_next->Deliver(message);
    return;
  }
  Port_Message placed = message;
  if (!placed.text.empty() && placed.text.back() != '\n') placed.text += '\n';
  placed.text += m_line(message);
  placed.text += '\n';
  m_next->Deliver(placed);
}

}  // namespace Port
