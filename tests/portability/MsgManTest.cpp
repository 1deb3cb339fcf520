// The message manager: what a sink receives for each severity, how sinks are
// swapped, and what the default sink writes to the standard streams.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

#include "Port/MsgMan.h"
#include "TestSupport.h"

namespace {

class CapturingSink : public Port_MsgSink {
 public:
  void Deliver(const Port_Message& message) override { messages.push_back(message); }
  std::vector<Port_Message> messages;
};

// Installs a sink for the scope and puts the previous one back.
class ScopedSink {
 public:
  explicit ScopedSink(Port_MsgSink* sink) : m_previous(Port_MsgManData::SetSink(sink)) {}
  ~ScopedSink() { Port_MsgManData::SetSink(m_previous); }

 private:
  Port_MsgSink* m_previous;
};

TEST(MsgManTest, SinkReceivesEverySeverityWithDomainPositionAndText) {
  CapturingSink sink;
  ScopedSink scope(&sink);
  const Port_MsgManData msg = Port_MsgManData::createObject("ZavU", "Partition.cpp", 77, "r1");
  EXPECT_EQ(msg.Domain(), "ZavU");

  msg.issueStatus("status %d", 1);
  msg.issueInfo("info %s", "two");
  msg.issueWarning("warning %c", '3');
  msg.issueError("error %04d", 4);
  msg.issueInternal("internal %x", 255);
  msg.issueFatal(61, "fatal %s", "six");
  Port_MsgManData::debugStub("debug %d", 7);

  // Every severity carries the domain and position; debug traces carry none.
  const std::pair<Port_Severity, const char*> expected[] = {
      {Port_Severity::Status, "status 1"},      {Port_Severity::Info, "info two"},
      {Port_Severity::Warning, "warning 3"},    {Port_Severity::Error, "error 0004"},
      {Port_Severity::Internal, "internal ff"}, {Port_Severity::Fatal, "fatal six"},
      {Port_Severity::Debug, "debug 7"}};
  ASSERT_EQ(sink.messages.size(), std::size(expected));
  // SetSink answers the sink it replaces; null stands for the default sink.
  CapturingSink other;
  EXPECT_EQ(Port_MsgManData::SetSink(&other), &sink);
  EXPECT_EQ(Port_MsgManData::SetSink(nullptr), &other);
  EXPECT_EQ(Port_MsgManData::SetSink(&sink), &Port_MsgManData::DefaultSink());
  EXPECT_TRUE(other.messages.empty());
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const Port_Message& got = sink.messages[i];
    const bool debug = got.severity == Port_Severity::Debug;
    EXPECT_EQ(got.severity, expected[i].first) << i;
    EXPECT_EQ(got.text, expected[i].second) << i;
    EXPECT_EQ(got.fatalCode, got.severity == Port_Severity::Fatal ? 61 : 0) << i;
    EXPECT_EQ(got.domain, debug ? "" : "ZavU") << i;
    EXPECT_EQ(got.sourceFile, debug ? "" : "Partition.cpp") << i;
    EXPECT_EQ(got.line, debug ? 0 : 77) << i;
  }
}

// Sends standard output and standard error into the files `outPath` and
// `errPath` (which may be the same file) while `issue` runs.
template <class Issue>
void RedirectStandardStreams(const std::string& outPath, const std::string& errPath, Issue issue) {
  std::fflush(stdout);
  std::fflush(stderr);
  std::FILE* out = std::fopen(outPath.c_str(), "w");
  std::FILE* err = outPath == errPath ? out : std::fopen(errPath.c_str(), "w");
  if (!out || !err) return;
  const int savedOut = dup(STDOUT_FILENO);
  const int savedErr = dup(STDERR_FILENO);
  dup2(fileno(out), STDOUT_FILENO);
  dup2(fileno(err), STDERR_FILENO);
  issue();
  std::fflush(stdout);
  dup2(savedOut, STDOUT_FILENO);
  dup2(savedErr, STDERR_FILENO);
  close(savedOut);
  close(savedErr);
  if (err != out) std::fclose(err);
  std::fclose(out);
}

TEST(MsgManTest, DefaultSinkPrefixesAndKeepsStreamOrder) {
  ScopedSink scope(nullptr);
  porttest::ScopedTempDir dir;
  const Port_MsgManData msg = Port_MsgManData::createObject("ZavU", "P.cpp", 3, "");
  const auto issueAll = [&msg] {
    msg.issueStatus("s1 ");
    msg.issueWarning("w%d\n", 2);
    msg.issueInfo("i3");
    msg.issueError("e4\n");
    msg.issueInternal("n5\n");
    msg.issueFatal(9, "f6\n");
    Port_MsgManData::debugStub("hidden\n");
    Port_MsgManData::SetDebugEnabled(true);
    Port_MsgManData::debugStub("d7\n");
    Port_MsgManData::SetDebugEnabled(false);
    Port_MsgManData::DefaultSink().Deliver({Port_Severity::Status, 0, "", "", 0, "s8\n"});
  };

  // Standard output is flushed before each standard-error write, so a file
  // shared by both streams shows the messages in issue order.
  RedirectStandardStreams(dir / "both", dir / "both", issueAll);
  EXPECT_EQ(porttest::ReadFile(dir / "both"),
            "s1 WARNING: w2\ni3ERROR: e4\nINTERNAL: n5\nFATAL: f6\nd7\ns8\n");

  // Status and info go to standard output, the rest to standard error.
  RedirectStandardStreams(dir / "out", dir / "err", issueAll);
  EXPECT_EQ(porttest::ReadFile(dir / "out"), "s1 i3s8\n");
  EXPECT_EQ(porttest::ReadFile(dir / "err"),
            "WARNING: w2\nERROR: e4\nINTERNAL: n5\nFATAL: f6\nd7\n");
}

}  // namespace
