#include "MessageCounter.h"

namespace hdpart {

MessageCounter::MessageCounter() : m_next(Port_MsgManData::SetSink(this)) {}
MessageCounter::~MessageCounter() { Port_MsgManData::SetSink(m_next); }

void MessageCounter::Deliver(const Port_Message& message) {
  if (message.severity == Port_Severity::Error) ++m_errors;
  if (message.severity == Port_Severity::Fatal) ++m_fatals;
  m_next->Deliver(message);
}

}  // namespace hdpart
