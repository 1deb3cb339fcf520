// Comparing two designs: every tracked record a partition keeps shows as its
// own field, read through the partition's interfaces; pins and partitions are
// matched by name, in each design's order. (The command end to end:
// tests/hdpart/cases/diff_*.)
#include <gtest/gtest.h>

#include <functional>

#include "ZavU/IPartitionTracking.h"
#include "model/ServiceObject.h"
#include "portability/TestSupport.h"
#include "session/DesignDiff.h"
#include "session/Session.h"

namespace {

using HostSession::Compare;
using HostSession::DesignDiff;
using HostSession::DesignImage;
using HostSession::FieldDifference;
using HostSession::ImageOf;

constexpr const char* kDescription =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Project FileVersion=\"2\" Name=\"d\">"
    "<Partition Name=\"/top\" State=\"implement\" ImportLocation=\"NONE\">"
    "<Partition Name=\"/top/u1\" State=\"implement\" ImportLocation=\"NONE\">"
    "<Pins><Pin Name=\"clk\"/></Pins></Partition></Partition></Project>\n";

/// One difference as text: "partition field a b", a missing side as "-".
std::string Line(const FieldDifference& d) {
  return d.partition + " " + d.field + " " + d.a.value_or("-") + " " + d.b.value_or("-");
}
std::vector<std::string> Lines(const DesignDiff& diff) {
  std::vector<std::string> lines;
  for (const std::string& name : diff.onlyInA) lines.push_back("only in A " + name);
  for (const std::string& name : diff.onlyInB) lines.push_back("only in B " + name);
  for (const FieldDifference& d : diff.changed) lines.push_back(Line(d));
  return lines;
}

// Each record changed on /top/u1 after the design was read shows as the one
// field that holds it; the design read again compares the same.
TEST(DesignDiff, EachTrackedRecordIsAFieldOfItsOwn) {
  using Change = std::function<void(ZavU::IPartition&)>;
  const struct {
    const char* what;
    Change change;
    std::vector<std::string> expected;
  } cases[] = {
      {"a view's timestamp",
       [](ZavU::IPartition& p) { p.SetTimestamp(ZavU::ROUTED, 86400); },
       {"/top/u1 timestamp_ROUTED never Fri Jan  2 00:00:00 1970"}},
      {"a forced task",
       [](ZavU::IPartition& p) { p.ForceTask(ZavU::PLACEMENT, true); },
       {"/top/u1 force_PLACEMENT false true"}},
      {"the child-modified timestamp",
       [](ZavU::IPartition& p) { p.SetChildModifiedTimestamp(0); },
       {"/top/u1 child_modified_timestamp never Thu Jan  1 00:00:00 1970"}},
      {"a processed and an interface timestamp",
       [](ZavU::IPartition& p) {
         auto* tracking = CitI::QueryAs<ZavU::IPartitionTimeTracking>(&p);
         tracking->SetProcessedTimestamp(ZavU::PACKED, 60);
         tracking->SetInterfaceTimestamp(ZavU::SYNTHESIS, 120);
       },
       {"/top/u1 processed_timestamp_PACKED never Thu Jan  1 00:01:00 1970",
        "/top/u1 interface_timestamp_SYNTHESIS never Thu Jan  1 00:02:00 1970"}},
      {"a previous design file",
       [](ZavU::IPartition& p) {
         CitI::QueryAs<ZavU::IPartitionFileTracking>(&p)->SetPreviousDesignFile(ZavU::Routed_QPR,
                                                                                "r.qpr");
       },
       {"/top/u1 previous_file_Routed_QPR  r.qpr"}},
      {"the QNL file and IP files",
       [](ZavU::IPartition& p) {
         p.SetQnlFile("");
         p.AddIPFileName("a.qxp");
         p.AddIPFileName("b.qxp");
       },
       {"/top/u1 ip_files  a.qxp, b.qxp"}},
      {"a trait",
       [](ZavU::IPartition& p) { p.SetTrait("guide", "yes", true); },
       {"/top/u1 guide inherit yes"}},
      {"a flag", [](ZavU::IPartition& p) { p.SetIsolated(true); }, {"/top/u1 isolated false true"}},
      {"a pin added",
       [](ZavU::IPartition& p) { p.AddPartitionPin("rst"); },
       {"/top/u1 pins - rst"}},
  };
  porttest::ScopedTempDir tmp;
  const std::string path = tmp.path() + "/d.pxml";
  porttest::WriteFile(path, kDescription);
  {
    HostSession::Session session("test");
    ASSERT_TRUE(session.Start());
    for (const auto& c : cases) {
      SCOPED_TRACE(c.what);
      ASSERT_TRUE(session.Open(path));
      const DesignImage before = ImageOf(session);
      EXPECT_TRUE(Compare(before, ImageOf(session)).Same()) << "reading changes nothing";
      c.change(*session.Find("/top/u1").get());
      const DesignImage after = ImageOf(session);
      EXPECT_EQ(Lines(Compare(before, after)), c.expected);
      ASSERT_TRUE(session.Open(path));
      EXPECT_TRUE(Compare(before, ImageOf(session)).Same());
    }
  }
  EXPECT_EQ(HostModel::LiveObjects(), 0) << "a host object leaked";
}

/// A design of partitions "name:pin,pin,..." with one field "f" = "v".
DesignImage Design(const std::vector<std::string>& partitions) {
  DesignImage image;
  for (const std::string& text : partitions) {
    HostSession::PartitionImage& p = image.partitions.emplace_back();
    const std::size_t colon = text.find(':');
    p.name = text.substr(0, colon);
    p.fields = {{"f", "v"}};
    for (std::size_t at = colon + 1; at < text.size();) {
      std::size_t end = text.find(',', at);
      if (end == std::string::npos) end = text.size();
      p.pins.push_back(text.substr(at, end - at));
      at = end + 1;
    }
  }
  return image;
}

TEST(DesignDiff, PartitionsAndPinsAreMatchedByNameInEachDesignsOrder) {
  const struct {
    const char* what;
    std::vector<std::string> a, b, expected;
  } cases[] = {
      {"the same", {"/t:x,y", "/t/u:"}, {"/t:x,y", "/t/u:"}, {}},
      {"partitions one side lacks, each in its design's order",
       {"/t:", "/t/z:", "/t/a:", "/t/m:"},
       {"/t:", "/t/n:", "/t/m:", "/t/b:"},
       {"only in A /t/z", "only in A /t/a", "only in B /t/n", "only in B /t/b"}},
      {"pins one side lacks, A's first, each in its order",
       {"/t:a,z,b,y"},
       {"/t:c,a,b,x"},
       {"/t pins z -", "/t pins y -", "/t pins - c", "/t pins - x"}},
      {"the first place the common pins part",
       {"/t:a,b,c,d"},
       {"/t:a,c,b,d"},
       {"/t pin_order #2 b #2 c"}},
      {"order counted among the common pins alone",
       {"/t:a,x,b,c"},
       {"/t:a,c,b"},
       {"/t pins x -", "/t pin_order #2 b #2 c"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const DesignDiff diff = Compare(Design(c.a), Design(c.b));
    EXPECT_EQ(Lines(diff), c.expected);
    EXPECT_EQ(diff.Same(), c.expected.empty());
  }
}

TEST(DesignDiff, AFieldOneSideLacksHasNoValueThere) {
  DesignImage a = Design({"/t:"});
  DesignImage b = Design({"/t:"});
  a.partitions[0].fields = {{"f", "1"}, {"g", "2"}};
  b.partitions[0].fields = {{"h", "3"}, {"f", "1"}};
  EXPECT_EQ(Lines(Compare(a, b)), (std::vector<std::string>{"/t g 2 -", "/t h - 3"}));
}

}  // namespace
