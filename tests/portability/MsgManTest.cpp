// The message manager: what a sink receives for each severity and how sinks
// are swapped. What the default sink writes is what hdpart prints: its
// end-to-end cases.
#include <gtest/gtest.h>

#include <vector>

#include "Port/MsgMan.h"

namespace {

class CapturingSink : public Port_MsgSink {
 public:
  void Deliver(const Port_Message& message) override { messages.push_back(message); }
  std::vector<Port_Message> messages;
};

const Port_MsgManData kMsg = Port_MsgManData::createObject("ZavU", "Partition.cpp", 77, "r1");

// One message of each severity, then a debug trace hidden and one shown.
void IssueAll() {
  kMsg.issueStatus("s%d ", 1);
  kMsg.issueWarning("w%s\n", "2");
  kMsg.issueInfo("i%c", '3');
  kMsg.issueError("e%04d\n", 4);
  kMsg.issueInternal("n%x\n", 0xf);
  kMsg.issueFatal(61, "f6\n");
  Port_MsgManData::debugStub("d7\n");
  Port_MsgManData::SetDebugEnabled(true);
  Port_MsgManData::debugStub("d8\n");
  Port_MsgManData::SetDebugEnabled(false);
}

TEST(MsgManTest, SinkReceivesEverySeverityWithDomainPositionAndText) {
  CapturingSink sink, other;
  Port_MsgSink* const previous = Port_MsgManData::SetSink(&sink);
  EXPECT_EQ(previous, &Port_MsgManData::DefaultSink()) << "null stands for the default sink";
  IssueAll();
  EXPECT_EQ(Port_MsgManData::SetSink(&other), &sink);
  EXPECT_EQ(Port_MsgManData::SetSink(previous), &other);
  EXPECT_TRUE(other.messages.empty());

  // Every severity carries the domain and position; debug traces carry none
  // and reach an installed sink whether or not they are enabled.
  const std::pair<Port_Severity, const char*> expected[] = {
      {Port_Severity::Status, "s1 "},    {Port_Severity::Warning, "w2\n"},
      {Port_Severity::Info, "i3"},       {Port_Severity::Error, "e0004\n"},
      {Port_Severity::Internal, "nf\n"}, {Port_Severity::Fatal, "f6\n"},
      {Port_Severity::Debug, "d7\n"},    {Port_Severity::Debug, "d8\n"}};
  ASSERT_EQ(sink.messages.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const Port_Message& got = sink.messages[i];
    const bool debug = got.severity == Port_Severity::Debug;
    EXPECT_EQ(got.severity, expected[i].first) << i;
    EXPECT_EQ(got.text, expected[i].second) << i;
    EXPECT_EQ(got.fatalCode, got.severity == Port_Severity::Fatal ? 61 : 0) << i;
    EXPECT_EQ(got.domain + got.sourceFile, debug ? "" : "ZavUPartition.cpp") << i;
    EXPECT_EQ(got.line, debug ? 0 : 77) << i;
  }
}

}  // namespace
