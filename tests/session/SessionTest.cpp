// The host session: every character of a value survives writing and saving or
// is refused by name; what the library throws becomes one fatal message. (Its
// commands end to end: tests/hdpart/cases.)
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "Port/MsgMan.h"
#include "ZavU/IPartitionPinIterator.h"
#include "ZavU/IXPartition.h"
#include "model/ServiceObject.h"
#include "persist/ProjectFile.h"
#include "portability/TestSupport.h"
#include "session/Session.h"

namespace {

using HostSession::Session;

/// The count of the component `object` belongs to.
int RefCount(CitI::IInterface* object) {
  int count = -1;
  if (auto* counter = CitI::QueryAs<CommonI::IRefCount>(object)) counter->GetRefCount(count);
  return count;
}

class SessionTest : public ::testing::Test {
 protected:
  /// Captures every message.
  struct Sink : Port_MsgSink {
    Sink() : next(Port_MsgManData::SetSink(this)) {}
    ~Sink() override { Port_MsgManData::SetSink(next); }
    void Deliver(const Port_Message& message) override { messages.push_back(message); }
    int Count(Port_Severity severity, const std::string& text = "") const {
      int count = 0;
      for (const Port_Message& m : messages) {
        count += m.severity == severity && (text.empty() || m.text == text);
      }
      return count;
    }
    /// The texts of the messages since the last Mark, debug traces left out.
    std::string Errors() const {
      std::string out;
      for (std::size_t i = mark; i < messages.size(); ++i) {
        if (messages[i].severity != Port_Severity::Debug) out += messages[i].text;
      }
      return out;
    }
    void Mark() { mark = messages.size(); }
    std::vector<Port_Message> messages;
    Port_MsgSink* next;
    std::size_t mark = 0;
  };

  // The library is loaded by name and shows no count of its live components
  // (its one export is its entry point), so the test holds a reference on
  // every partition and pin its sessions opened: once the sessions are gone,
  // each must be held by the test alone, and a partition released by the
  // test must let go of its pins. Host objects have their own count.
  void TearDown() override {
    for (const auto& p : m_partitions)
      EXPECT_EQ(RefCount(p.get()), 1) << p->GetHierarchicalName().str();
    m_partitions.clear();
    for (const auto& pin : m_pins) EXPECT_EQ(RefCount(pin.get()), 1) << pin->GetName().str();
    EXPECT_EQ(HostModel::LiveObjects(), 0) << "a host object leaked";
  }
  std::string Write(const std::string& file, const std::string& text) const {
    porttest::WriteFile(m_tmp / file, text);
    return m_tmp / file;
  }
  /// Opens `path` in `session`, expecting it to hold `partitions` and `pins`.
  void Open(Session& session, const std::string& path, int partitions, int pins = 0) {
    ASSERT_TRUE(session.Open(path)) << m_sink.Errors();
    EXPECT_EQ(Hold(session), std::make_pair(partitions, pins));
  }
  /// Keeps a reference on every partition and pin open in `session`; their
  /// numbers.
  std::pair<int, int> Hold(const Session& session) {
    std::pair<int, int> held;
    for (const auto& p : session.HierarchyOrder()) {
      m_partitions.push_back(p);
      ++held.first;
      ZavU::OwnedPinList pins(p->GetPartitionPins());
      for (pins->First(); !pins->IsDone(); pins->Next()) {
        pins->CurrentItem(m_pins.emplace_back());
        ++held.second;
      }
    }
    return held;
  }
  static std::string ImportLocation(const Session& session, const std::string& name) {
    Port::StringBase location;
    auto partition = session.Find(name);
    if (partition) partition.As<ZavU::IXPartition>()->GetImportLocation(location);
    return location.str();
  }

  Sink m_sink;
  porttest::ScopedTempDir m_tmp;
  const std::string m_dir = m_tmp.path();
  std::vector<CommonI::RefCountPtr<ZavU::IPartition>> m_partitions;
  std::vector<CommonI::RefCountPtr<ZavU::IPartitionPin>> m_pins;
};

/// A description whose partition "/top/u" has the import location `value`,
/// every ASCII character of it written as a character reference (XML 1.1
/// may carry any of them so).
std::string DescriptionWithLocation(const std::string& value) {
  std::ostringstream text;
  text << "<?xml version=\"1.1\" encoding=\"UTF-8\"?>\n<Project Name=\"chars\">"
       << "<Partition Name=\"/top\" State=\"implement\">"
       << "<Partition Name=\"/top/u\" State=\"import\" ImportLocation=\"";
  for (char c : value) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      text << "&#" << static_cast<int>(byte) << ';';
    } else {
      text << c;
    }
  }
  text << "\"/></Partition></Project>\n";
  return text.str();
}

TEST_F(SessionTest, EveryCharacterComesBackExactlyOrIsRefusedByName) {
  Session session("test");
  ASSERT_TRUE(session.Start());
  std::vector<std::string> values;
  for (int c = 0x01; c <= 0x7E; ++c) values.push_back(std::string("v") + char(c) + "w");
  values.push_back("v\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9Ew");  // é € and a clef
  for (const std::string& value : values) {
    const unsigned char c = value[1];
    const bool carried = c >= 0x20 || c == '\t' || c == '\n' || c == '\r';
    SCOPED_TRACE("character " + std::to_string(c));
    const std::string refusal =
        "partition \"/top/u\": attribute \"ImportLocation\" holds a character XML 1.0 cannot "
        "carry (byte 1 of its value)\n";
    const std::string description = m_dir + "/written.pxml";
    const std::string project = m_dir + "/chars.prj";

    // write -> read -> write
    Open(session, Write("chars.pxml", DescriptionWithLocation(value)), 2);
    EXPECT_EQ(ImportLocation(session, "/top/u"), value);
    m_sink.Mark();
    std::string first;
    ASSERT_EQ(session.DescriptionText(first).ok, carried);
    if (carried) {
      ASSERT_TRUE(session.WriteDescription(description));
      Open(session, description, 2);
      EXPECT_EQ(ImportLocation(session, "/top/u"), value);
      std::string second;
      ASSERT_TRUE(session.DescriptionText(second));
      EXPECT_EQ(second, first);
    } else {
      EXPECT_EQ(m_sink.Errors(), refusal);
      EXPECT_FALSE(session.WriteDescription(description));
      EXPECT_FALSE(std::filesystem::exists(description)) << "nothing is written";
      Open(session, Write("chars.pxml", DescriptionWithLocation(value)), 2);
    }

    // save -> open -> write
    ASSERT_TRUE(session.Save(project));
    Open(session, project, 2);
    EXPECT_EQ(ImportLocation(session, "/top/u"), value);
    m_sink.Mark();
    std::string fromProject;
    ASSERT_EQ(session.DescriptionText(fromProject).ok, carried);
    if (carried) {
      EXPECT_EQ(fromProject, first);
    } else {
      EXPECT_EQ(m_sink.Errors(), refusal);
    }
    std::filesystem::remove(description);
  }
}

TEST_F(SessionTest, ConfigurationNamingAPartitionNotReconfigurableIsRefused) {
  Session session("test");
  ASSERT_TRUE(session.Start());
  Open(session,
       Write("rm.pxml",
             "<Project Name=\"rm\"><Partition Name=\"/top\" State=\"implement\">"
             "<Partition Name=\"/top/s\" State=\"implement\"/>"
             "<Partition Name=\"/top/r\" State=\"implement\" Reconfigurable=\"true\" "
             "ReconfigModuleName=\"rm_r\"/></Partition></Project>"),
       3);
  const std::string saved = m_dir + "/rm.prj";
  ASSERT_TRUE(session.Save(saved));
  HostModel::ProjectImage image;
  std::string error;
  ASSERT_TRUE(HostPersist::LoadProjectFile(saved, image, error)) << error;

  // The module of /top/r moved to another partition, the file sealed again.
  const std::string refusal = "project file \"" + m_dir +
                              "/crafted.prj\" is inconsistent: its configuration assigns "
                              "module \"rm_r\" to partition ";
  const struct {
    const char* partition;
    std::string error;  // empty: the file opens
  } cases[] = {
      {"/top/s", refusal + "\"/top/s\", which is not reconfigurable\n"},
      {"/top/gone", refusal + "\"/top/gone\", which it does not hold\n"},
      {"/top/r", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.partition);
    image.configuration = {{c.partition, "rm_r", "/elsewhere/rm_r_impl"}};
    const std::string crafted = m_dir + "/crafted.prj";
    ASSERT_TRUE(HostPersist::SaveProjectFile(crafted, image, error)) << error;
    m_sink.Mark();
    EXPECT_EQ(session.Open(crafted).ok, c.error.empty());
    EXPECT_EQ(m_sink.Errors(), c.error);
    if (c.error.empty()) Hold(session);  // a refused file's partitions never reach the test
    std::string text;
    if (c.error.empty() && session.DescriptionText(text)) {
      EXPECT_NE(text.find("ReconfigModuleName=\"rm_r\" "
                          "ReconfigModuleLocation=\"/elsewhere/rm_r_impl\""),
                std::string::npos)
          << text;
    }
  }
}

TEST_F(SessionTest, WhatTheLibraryThrowsBecomesOneFatalMessage) {
  Session session("test");
  ASSERT_TRUE(session.Start());
  Open(session,
       Write("top.pxml", "<Project><Partition Name=\"/top\" State=\"implement\"/></Project>"), 1);
  bool ran = false;
  EXPECT_FALSE(HostSession::Guarded("test", [&] {
    ran = true;
    session.Find("/top")->SetTrait("no_such_trait", "x", true);
    return true;
  }));
  EXPECT_TRUE(ran);
  ASSERT_EQ(m_sink.Count(Port_Severity::Fatal), 1) << m_sink.Errors();
  EXPECT_EQ(
      m_sink.Count(Port_Severity::Fatal, "Invalid Partition trait name/value <no_such_trait/x>\n"),
      1);
  // Without a throw, the body's own answer comes back.
  EXPECT_TRUE(HostSession::Guarded("test", [] { return true; }));
  EXPECT_FALSE(HostSession::Guarded("test", [] { return false; }));
  EXPECT_EQ(m_sink.Count(Port_Severity::Fatal), 1);
}

}  // namespace
