// Per-view timestamps and the forced-task rule, the child-modified timestamp,
// processed and interface-change timestamps, previous design files, and what
// a bad view, task or state reports.
#include <gtest/gtest.h>
#include <unistd.h>

#include <functional>

#include "Partition/StoredState.h"
#include "ZavU/IPartitionTracking.h"
#include "ZavU/IXPartition.h"
#include "support/Probe.h"
#include "support/ZoreTest.h"

namespace {

using namespace ZoreTest;
using Times = std::array<Port::Time, 5>;
using namespace ZavU;

class PartitionTimestamps : public LeakCheckedTest {};

/// The forced tasks, by key.
Strings Forced(const PartitionProbe& p) {
  Strings keys;
  for (const auto& [key, forced] : p.ForceFlags()) keys.push_back(key.str() + (forced ? "" : "=0"));
  return keys;
}

TEST_F(PartitionTimestamps, ANewSynthesisOlderThanTheExpandedViewForcesTranslate) {
  auto p = NewPartition();
  PartitionProbe own(p);
  // Neither time set: only a time below -1 is older than the unset view.
  EXPECT_EQ(p->SetTimestamp(SYNTHESIS, 0), 1);
  EXPECT_FALSE(p->GetForceTask(TRANSLATE));
  EXPECT_EQ(p->SetTimestamp(SYNTHESIS, -5), 1);
  EXPECT_TRUE(p->GetForceTask(TRANSLATE));
  // SYNTHESIS 50 -> 100 with EXPANDED 200: translate forced, LOM cleared.
  p->SetTimestamp(SYNTHESIS, 50);
  p->SetTimestamp(EXPANDED, 200);
  p->ForceTask(LOM, true);
  EXPECT_EQ(p->SetTimestamp(SYNTHESIS, 100), 1);
  EXPECT_EQ(Forced(own), Strings{"FF_TRANSLATE"});
  EXPECT_EQ(p->GetTimestamp(SYNTHESIS) + p->GetTimestamp(EXPANDED), 300);
  // The same synthesis time again never forces; neither does a later one.
  p->ForceTask(TRANSLATE, false);
  p->SetTimestamp(SYNTHESIS, 100);
  p->SetTimestamp(SYNTHESIS, 300);
  EXPECT_TRUE(Forced(own).empty());
}

TEST_F(PartitionTimestamps, ForcedTasksAndWhichViewClearsThem) {
  auto p = NewPartition();
  PartitionProbe own(p);
  EXPECT_EQ(p->ForceTask(PLACEMENT, false), 1) << "unforcing a task that is not forced";
  for (TaskID t : {LOM, TRANSLATE, PLACEMENT}) EXPECT_EQ(p->ForceTask(t, true), 1);
  EXPECT_EQ(Forced(own), (Strings{"FF_LOM", "FF_PLACEMENT", "FF_TRANSLATE"}));
  p->SetTimestamp(PACKED, 5);
  p->SetTimestamp(FRAGCOVERED, 5);
  EXPECT_EQ(own.ForceFlags().size(), 3u) << "these views clear nothing";
  p->SetTimestamp(ROUTED, 5);
  EXPECT_EQ(Forced(own), (Strings{"FF_LOM", "FF_TRANSLATE"}));
  p->SetTimestamp(EXPANDED, 5);
  EXPECT_TRUE(p->GetForceTask(LOM) && !p->GetForceTask(TRANSLATE));
  EXPECT_EQ(p->ForceTask(LOM, false), 1);
  EXPECT_TRUE(own.ForceFlags().empty()) << "an unforced task keeps no entry";
}

TEST_F(PartitionTimestamps, RecordsKeepWhatTheyAreGivenAndFilesAreMadeAbsolute) {
  auto p = NewPartition();
  auto times = p.As<IPartitionTimeTracking>();
  auto files = p.As<IPartitionFileTracking>();
  PartitionProbe own(p);
  EXPECT_EQ(p->ClearChildModifiedTimestamp(), 1) << "clearing what is not set";
  EXPECT_EQ(p->GetChildModifiedTimestamp(), -1);
  EXPECT_EQ(p->SetChildModifiedTimestamp(1234), 1);
  EXPECT_EQ(p->GetChildModifiedTimestamp(), 1234);
  EXPECT_EQ(own.Timestamps().count("TS_CHILD_MODIFIED"), 1u);
  EXPECT_EQ(p->ClearChildModifiedTimestamp(), 1);
  EXPECT_TRUE(own.Timestamps().empty());
  for (int v : {SYNTHESIS, ROUTED}) {
    EXPECT_EQ(times->SetProcessedTimestamp(v, 40 + v) + times->SetInterfaceTimestamp(v, 50 + v), 2);
    EXPECT_EQ(times->GetProcessedTimestamp(v), 40 + v);
    EXPECT_EQ(times->GetInterfaceTimestamp(v), 50 + v);
  }
  EXPECT_EQ(own.Processed(), (Times{40, -1, -1, -1, 44}));
  EXPECT_EQ(own.InterfaceChange(), (Times{50, -1, -1, -1, 54}));
  EXPECT_EQ(times->SetTimestamp(PACKED, 9), 1);
  EXPECT_EQ(p->GetTimestamp(PACKED), 9) << "the same timestamps as IPartition's";
  // Previous design files are made absolute unless empty or from the description.
  char cwd[4096];
  ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
  EXPECT_EQ(files->SetPreviousDesignFile(QDB, "prev/top.qdb"), 1);
  EXPECT_EQ(files->GetPreviousDesignFile(QDB).str(), std::string(cwd) + "/prev/top.qdb");
  EXPECT_EQ(files->SetPreviousDesignFile(QHV, ""), 1);
  EXPECT_EQ(files->GetPreviousDesignFile(QHV).str(), "");
  EXPECT_EQ(files->SetPreviousDesignFile(QNL, "../x.qnl"), 1);
  EXPECT_EQ(p->GetQnlFile(), files->GetPreviousDesignFile(QNL)) << "entry 5 is the QNL file";
  p.As<ZavU::IXPartition>()->SetXmlDefined(true);
  EXPECT_EQ(files->SetPreviousDesignFile(Routed_QPR, "prev/./top.qpr"), 1);
  EXPECT_EQ(files->GetPreviousDesignFile(Routed_QPR).str(), "prev/./top.qpr");
}

TEST_F(PartitionTimestamps, BadViewsTasksAndStatesAreReportedAndTouchNothing) {
  auto p = NewPartition();
  auto t = p.As<IPartitionTimeTracking>();
  auto f = p.As<IPartitionFileTracking>();
  PartitionProbe own(p);
  // What an older project file may hold under the bare keys is not read.
  StoredState older;
  older.timestamps = {{"TS", 77}};
  older.forced = {"FF_"};
  older.LoadInto(p.get());
  // Each answers its failure: 1 for a status of the older operations, 0 for
  // another status or false, -1 for a time, an empty file name.
  const std::string view = " called with invalid AppView.\n", appView = ": Invalid appView";
  const std::string task = " called with invalid TaskID.\n", state = ": Invalid fileState";
  struct Row {
    long long answer;
    std::string text;
    std::function<long long()> call;
  };
  const Row rows[] = {
      {1, "SetTimestamp" + view, [&] { return p->SetTimestamp(AppView(5), 10); }},
      {1, "SetTimestamp" + view, [&] { return p->SetTimestamp(AppView(-1), 10); }},
      {-1, "GetTimestamp" + view, [&] { return p->GetTimestamp(AppView(5)); }},
      {1, "ForceTask" + task, [&] { return p->ForceTask(TaskID(3), false); }},
      {1, "ForceTask" + task, [&] { return p->ForceTask(TaskID(-1), true); }},
      {0, "GetForceTask" + task, [&] { return p->GetForceTask(TaskID(3)); }},
      {0, "SetProcessedTimestamp" + appView, [&] { return t->SetProcessedTimestamp(5, 1); }},
      {0, "SetProcessedTimestamp" + appView, [&] { return t->SetProcessedTimestamp(-1, 1); }},
      {-1, "GetProcessedTimestamp" + appView, [&] { return t->GetProcessedTimestamp(5); }},
      {0, "SetInterfaceTimestamp" + appView, [&] { return t->SetInterfaceTimestamp(5, 1); }},
      {-1, "GetInterfaceTimestamp" + appView, [&] { return t->GetInterfaceTimestamp(-7); }},
      {0, "SetPreviousDesignFile" + state, [&] { return f->SetPreviousDesignFile(6, "a"); }},
      {0, "SetPreviousDesignFile" + state, [&] { return f->SetPreviousDesignFile(-1, "a"); }},
      {0, "GetPreviousDesignFile" + state, [&] { return !f->GetPreviousDesignFile(6).IsEmpty(); }},
  };
  for (const auto& [answer, text, call] : rows) {
    CapturingSink sink;
    EXPECT_EQ(call(), answer) << text;
    const bool old = text.back() == '\n';
    EXPECT_EQ(sink.All(), Strings{"ERROR: " + (old ? text : "Partition::" + text + " passed\n")});
    for (const Port_Message& m : sink.messages) {
      EXPECT_EQ(m.domain, "VudododirazaDoruviV");
      EXPECT_EQ(m.sourceFile, "PartitionTimestamps.cpp");
    }
  }
  EXPECT_EQ(own.Timestamps(), (std::map<Port::StringBase, Port::Time>{{"TS", 77}}));
  EXPECT_EQ(Forced(own), Strings{"FF_"});
  EXPECT_EQ(own.Processed(), (Times{-1, -1, -1, -1, -1}));
  EXPECT_EQ(own.InterfaceChange(), own.Processed());
  EXPECT_EQ(own.PreviousFiles(), (std::array<Port::StringBase, 6>{}));
}

}  // namespace
