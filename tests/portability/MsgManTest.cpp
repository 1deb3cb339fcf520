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
  ScopedSink(const ScopedSink&) = delete;
  ScopedSink& operator=(const ScopedSink&) = delete;

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

  struct Expected {
    Port_Severity severity;
    int code;
    const char* domain;
    const char* file;
    int line;
    const char* text;
  };
  const Expected expected[] = {
      {Port_Severity::Status, 0, "ZavU", "Partition.cpp", 77, "status 1"},
      {Port_Severity::Info, 0, "ZavU", "Partition.cpp", 77, "info two"},
      {Port_Severity::Warning, 0, "ZavU", "Partition.cpp", 77, "warning 3"},
      {Port_Severity::Error, 0, "ZavU", "Partition.cpp", 77, "error 0004"},
      {Port_Severity::Internal, 0, "ZavU", "Partition.cpp", 77, "internal ff"},
      {Port_Severity::Fatal, 61, "ZavU", "Partition.cpp", 77, "fatal six"},
      {Port_Severity::Debug, 0, "", "", 0, "debug 7"},
  };
  ASSERT_EQ(sink.messages.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(i);
    const Port_Message& got = sink.messages[i];
    EXPECT_EQ(got.severity, expected[i].severity);
    EXPECT_EQ(got.fatalCode, expected[i].code);
    EXPECT_EQ(got.domain, expected[i].domain);
    EXPECT_EQ(got.sourceFile, expected[i].file);
    EXPECT_EQ(got.line, expected[i].line);
    EXPECT_EQ(got.text, expected[i].text);
  }
}

TEST(MsgManTest, SetSinkReturnsTheSinkItReplaces) {
  CapturingSink first;
  CapturingSink second;
  Port_MsgSink* original = Port_MsgManData::SetSink(&first);
  EXPECT_EQ(original, &Port_MsgManData::DefaultSink());
  EXPECT_EQ(Port_MsgManData::SetSink(&second), &first);

  const Port_MsgManData msg = Port_MsgManData::createObject("D", "f.cpp", 1, "");
  msg.issueInfo("to second");
  EXPECT_TRUE(first.messages.empty());
  ASSERT_EQ(second.messages.size(), 1u);

  // Null puts the default sink back; it then reports the default as replaced.
  EXPECT_EQ(Port_MsgManData::SetSink(nullptr), &second);
  EXPECT_EQ(Port_MsgManData::SetSink(&first), &Port_MsgManData::DefaultSink());
  EXPECT_EQ(Port_MsgManData::SetSink(original), &first);
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
