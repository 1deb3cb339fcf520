// The session's operations as front ends call them: each runs under a
// message sink of the session's own (a Span), which keeps what it reports in
// the operation's outcome and hands it to the front end's reporter; what
// the library throws stops there too. The rule that a design whose reading
// drew errors is neither saved nor written lives here, for every front end.
#include "Port/MsgMan.h"
#include "session/SessionDesign.h"
#include "session/SessionTexts.h"

namespace HostSession {

namespace {

void Count(Outcome& outcome, const Port_Message& message) {
  outcome.errors += Port_IsFault(message.severity);
  outcome.fatals += message.severity == Port_Severity::Fatal;
  outcome.warnings += message.severity == Port_Severity::Warning;
}

}  // namespace

std::string Outcome::FirstError() const {
  for (const Port_Message& message : messages) {
    if (Port_IsFault(message.severity)) return message.text.substr(0, message.text.find('\n'));
  }
  return std::string();
}

Session::Span::Span(Session& session, Outcome& outcome)
    : m_session(session),
      m_outcome(outcome),
      m_previous(Port_MsgManData::SetSink(this)),
      m_outermost(session.m_spans++ == 0) {}

Session::Span::~Span() {
  if (m_outermost && m_session.m_progress) m_session.m_progress->Finish();
  --m_session.m_spans;
  Port_MsgManData::SetSink(m_previous);
}

void Session::Span::Deliver(const Port_Message& message) {
  if (message.severity != Port_Severity::Debug) {
    Count(m_outcome, message);
    m_outcome.messages.push_back(message);
    if (m_outermost) Count(m_session.m_totals, message);
  }
  if (m_outermost && m_session.m_reporter) {
    m_session.m_reporter->Show(message);
  } else {
    m_previous->Deliver(message);
  }
}

bool Session::Span::KeepsDebugTraces() const {
  if (m_outermost && m_session.m_reporter) return m_session.m_reporter->KeepsDebugTraces();
  return m_previous->KeepsDebugTraces();
}

Outcome Session::Run(const std::function<bool()>& body) {
  Outcome outcome;
  {
    Span span(*this, outcome);
    outcome.ok = Guarded(m_frontEnd, body);
  }
  return outcome;
}

Outcome Session::SetAside(const std::function<void()>& body) {
  struct Aside final : Port_MsgSink {
    explicit Aside(Outcome& kept) : outcome(kept) {}
    void Deliver(const Port_Message& message) override {
      if (message.severity == Port_Severity::Debug) return;
      Count(outcome, message);
      outcome.messages.push_back(message);
    }
    bool KeepsDebugTraces() const override { return false; }
    Outcome& outcome;
  };
  Outcome outcome;
  Aside aside(outcome);
  Port_MsgSink* before = Port_MsgManData::SetSink(&aside);
  body();
  Port_MsgManData::SetSink(before);
  outcome.ok = true;
  return outcome;
}

Outcome Session::Start() {
  return Run([this] { return StartLibrary(); });
}

Outcome Session::Open(const std::string& path, const OpenOptions& options) {
  Outcome outcome = Run([&] { return OpenFile(path, options); });
  if (m_design && outcome.errors > 0) {
    m_design->fault = outcome.FirstError();
    m_design->faultedBy = kReading;
  }
  return outcome;
}

Outcome Session::Import() {
  Outcome outcome = Run([this] { return ImportAll(); });
  if (m_design && outcome.errors > 0 && m_design->fault.empty()) {
    m_design->fault = outcome.FirstError();
    m_design->faultedBy = kImporting;
  }
  return outcome;
}

Outcome Session::Save(const std::string& path) {
  return Run([&] { return SaveDesign(path); });
}

Outcome Session::ProjectFileBytes(const std::string& destination, std::string& bytes) {
  return Run([&] { return Bytes(destination, bytes); });
}

Outcome Session::DescriptionText(std::string& text) {
  return Run([&] { return Text(text); });
}

Outcome Session::WriteDescription(const std::string& path) {
  return Run([&] { return Write(path); });
}

bool Session::MayWrite(const std::string& destination) const {
  if (!RequireDesign()) return false;
  if (m_design->fault.empty()) return true;
  const char* me = m_frontEnd.c_str();
  SESSION_MSG(me).issueError(kMsgInputDrewErrors, me, destination.c_str(), m_design->faultedBy,
                             m_design->path.c_str(), m_design->fault.c_str());
  return false;
}

}  // namespace HostSession
