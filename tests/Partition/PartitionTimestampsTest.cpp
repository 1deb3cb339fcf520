// Per-view timestamps and the forced-task rule, the child-modified timestamp,
// processed and interface-change timestamps, previous design files, and what
// a bad view, task or state reports.
#include <gtest/gtest.h>
#include <unistd.h>

#include "Partition/StoredState.h"
#include "ZavU/IPartitionTracking.h"
#include "ZavU/IXPartition.h"
#include "support/Probe.h"
#include "support/ZoreTest.h"

namespace {

using ZoreTest::CapturingSink;
using ZoreTest::NewPartition;
using Strings = std::vector<std::string>;
using namespace ZavU;

class PartitionTimestamps : public ZoreTest::LeakCheckedTest {};

/// The forced tasks, by key.
Strings Forced(const ZoreTest::PartitionProbe& p) {
  Strings keys;
  for (const auto& [key, forced] : p.ForceFlags()) keys.push_back(key.str() + (forced ? "" : "=0"));
  return keys;
}

TEST_F(PartitionTimestamps, AFreshPartitionHoldsNothing) {
  auto p = NewPartition();
  auto times = p.As<IPartitionTimeTracking>();
  auto files = p.As<IPartitionFileTracking>();
  CapturingSink sink;
  for (int v = 0; v < kAppViewCount; ++v) {
    EXPECT_EQ(p->GetTimestamp(AppView(v)), -1);
    EXPECT_EQ(times->GetProcessedTimestamp(v), -1);
    EXPECT_EQ(times->GetInterfaceTimestamp(v), -1);
  }
  for (int t = 0; t < kTaskCount; ++t) EXPECT_FALSE(p->GetForceTask(TaskID(t)));
  for (int s = 0; s < kFileStateCount; ++s) EXPECT_EQ(files->GetPreviousDesignFile(s).str(), "");
  EXPECT_EQ(p->GetChildModifiedTimestamp(), -1);
  EXPECT_TRUE(sink.All().empty());
}

TEST_F(PartitionTimestamps, ANewSynthesisOlderThanTheExpandedViewForcesTranslate) {
  auto p = NewPartition();
  ZoreTest::PartitionProbe own(p);
  // Neither time set: only a time below -1 is older than the unset view.
  EXPECT_EQ(p->SetTimestamp(SYNTHESIS, 0), 1);
  EXPECT_FALSE(p->GetForceTask(TRANSLATE));
  EXPECT_EQ(p->SetTimestamp(SYNTHESIS, -5), 1);
  EXPECT_TRUE(p->GetForceTask(TRANSLATE));

  // SYNTHESIS 50 -> 100 with EXPANDED 200: translate forced, LOM cleared;
  // a new EXPANDED clears translate.
  p->SetTimestamp(SYNTHESIS, 50);
  p->SetTimestamp(EXPANDED, 200);
  p->ForceTask(LOM, true);
  EXPECT_EQ(Forced(own), Strings{"FF_LOM"});
  EXPECT_EQ(p->SetTimestamp(SYNTHESIS, 100), 1);
  EXPECT_EQ(Forced(own), Strings{"FF_TRANSLATE"});
  EXPECT_EQ(p->GetTimestamp(SYNTHESIS), 100);
  EXPECT_EQ(p->SetTimestamp(EXPANDED, 300), 1);
  EXPECT_TRUE(Forced(own).empty());

  // The same synthesis time again never forces, whatever EXPANDED holds;
  // neither does a time that is not older.
  EXPECT_EQ(p->SetTimestamp(SYNTHESIS, 100), 1);
  EXPECT_EQ(p->SetTimestamp(SYNTHESIS, 300), 1);
  EXPECT_TRUE(Forced(own).empty());

  // The keys are the view names.
  p->SetTimestamp(FRAGCOVERED, 1);
  p->SetTimestamp(PACKED, 2);
  p->SetTimestamp(ROUTED, 3);
  Strings keys;
  for (const auto& entry : own.Timestamps()) keys.push_back(entry.first.str());
  EXPECT_EQ(keys,
            (Strings{"TS_EXPANDED", "TS_FRAGCOVERED", "TS_PACKED", "TS_ROUTED", "TS_SYNTHESIS"}));
}

TEST_F(PartitionTimestamps, ForcedTasksAndWhichViewClearsThem) {
  auto p = NewPartition();
  ZoreTest::PartitionProbe own(p);
  EXPECT_EQ(p->ForceTask(PLACEMENT, false), 1) << "unforcing a task that is not forced";
  EXPECT_TRUE(own.ForceFlags().empty());
  for (TaskID t : {LOM, TRANSLATE, PLACEMENT}) EXPECT_EQ(p->ForceTask(t, true), 1);
  EXPECT_EQ(Forced(own), (Strings{"FF_LOM", "FF_PLACEMENT", "FF_TRANSLATE"}));
  p->SetTimestamp(PACKED, 5);
  p->SetTimestamp(FRAGCOVERED, 5);
  EXPECT_EQ(own.ForceFlags().size(), 3u) << "these views clear nothing";
  p->SetTimestamp(ROUTED, 5);
  EXPECT_FALSE(p->GetForceTask(PLACEMENT));
  p->SetTimestamp(EXPANDED, 5);
  EXPECT_FALSE(p->GetForceTask(TRANSLATE));
  EXPECT_EQ(p->ForceTask(LOM, false), 1);
  EXPECT_TRUE(own.ForceFlags().empty()) << "an unforced task keeps no entry";
}

TEST_F(PartitionTimestamps, BadViewsAndTasksAreReportedAndTouchNoKey) {
  auto p = NewPartition();
  ZoreTest::PartitionProbe own(p);
  // What an older project file may hold under the bare keys is not read.
  ZoreTest::StoredState state;
  state.timestamps = {{"TS", 77}};
  state.forced = {"FF_"};
  state.LoadInto(p.get());
  CapturingSink sink;
  EXPECT_EQ(p->SetTimestamp(AppView(5), 10), 1);
  EXPECT_EQ(p->SetTimestamp(AppView(-1), 10), 1);
  EXPECT_EQ(p->GetTimestamp(AppView(5)), -1);
  EXPECT_EQ(p->ForceTask(TaskID(3), false), 1);
  EXPECT_EQ(p->ForceTask(TaskID(-1), true), 1);
  EXPECT_FALSE(p->GetForceTask(TaskID(3)));
  EXPECT_EQ(sink.All(), (Strings{"ERROR: SetTimestamp called with invalid AppView.\n",
                                 "ERROR: SetTimestamp called with invalid AppView.\n",
                                 "ERROR: GetTimestamp called with invalid AppView.\n",
                                 "ERROR: ForceTask called with invalid TaskID.\n",
                                 "ERROR: ForceTask called with invalid TaskID.\n",
                                 "ERROR: GetForceTask called with invalid TaskID.\n"}));
  EXPECT_EQ(own.Timestamps().size(), 1u);
  EXPECT_EQ(own.Timestamps().at("TS"), 77);
  EXPECT_EQ(Forced(own), Strings{"FF_"});
}

TEST_F(PartitionTimestamps, ChildModifiedTimestamp) {
  auto p = NewPartition();
  EXPECT_EQ(p->ClearChildModifiedTimestamp(), 1) << "clearing what is not set";
  EXPECT_EQ(p->SetChildModifiedTimestamp(1234), 1);
  EXPECT_EQ(p->GetChildModifiedTimestamp(), 1234);
  EXPECT_EQ(ZoreTest::PartitionProbe(p).Timestamps().count("TS_CHILD_MODIFIED"), 1u);
  EXPECT_EQ(p->GetTimestamp(SYNTHESIS), -1);
  EXPECT_EQ(p->ClearChildModifiedTimestamp(), 1);
  EXPECT_EQ(p->GetChildModifiedTimestamp(), -1);
  EXPECT_TRUE(ZoreTest::PartitionProbe(p).Timestamps().empty());
}

TEST_F(PartitionTimestamps, ProcessedAndInterfaceTimestampsCheckTheirView) {
  auto p = NewPartition();
  auto times = p.As<IPartitionTimeTracking>();
  EXPECT_EQ(times->SetProcessedTimestamp(ROUTED, 40), 1);
  EXPECT_EQ(times->SetInterfaceTimestamp(SYNTHESIS, 41), 1);
  EXPECT_EQ(times->GetProcessedTimestamp(ROUTED), 40);
  EXPECT_EQ(times->GetInterfaceTimestamp(SYNTHESIS), 41);
  EXPECT_EQ(times->GetInterfaceTimestamp(ROUTED), -1) << "the two records are separate";
  EXPECT_EQ(times->SetTimestamp(PACKED, 9), 1);
  EXPECT_EQ(p->GetTimestamp(PACKED), 9) << "the same timestamps as IPartition's";

  CapturingSink sink;
  EXPECT_EQ(times->SetProcessedTimestamp(5, 1), 0);
  EXPECT_EQ(times->SetProcessedTimestamp(-1, 1), 0);
  EXPECT_EQ(times->GetProcessedTimestamp(5), -1);
  EXPECT_EQ(times->SetInterfaceTimestamp(5, 1), 0);
  EXPECT_EQ(times->GetInterfaceTimestamp(-7), -1);
  EXPECT_EQ(sink.All(),
            (Strings{"ERROR: Partition::SetProcessedTimestamp: Invalid appView passed\n",
                     "ERROR: Partition::SetProcessedTimestamp: Invalid appView passed\n",
                     "ERROR: Partition::GetProcessedTimestamp: Invalid appView passed\n",
                     "ERROR: Partition::SetInterfaceTimestamp: Invalid appView passed\n",
                     "ERROR: Partition::GetInterfaceTimestamp: Invalid appView passed\n"}));
  std::vector<Port::Time> processed(ZoreTest::PartitionProbe(p).Processed().begin(),
                                    ZoreTest::PartitionProbe(p).Processed().end());
  EXPECT_EQ(processed, (std::vector<Port::Time>{-1, -1, -1, -1, 40}));
}

TEST_F(PartitionTimestamps, PreviousDesignFilesAreAbsoluteUnlessFromTheDescription) {
  auto p = NewPartition();
  auto files = p.As<IPartitionFileTracking>();
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

  CapturingSink sink;
  EXPECT_EQ(files->SetPreviousDesignFile(6, "a"), 0);
  EXPECT_EQ(files->SetPreviousDesignFile(-1, "a"), 0);
  EXPECT_EQ(files->GetPreviousDesignFile(6).str(), "");
  EXPECT_EQ(sink.All(),
            (Strings{"ERROR: Partition::SetPreviousDesignFile: Invalid fileState passed\n",
                     "ERROR: Partition::SetPreviousDesignFile: Invalid fileState passed\n",
                     "ERROR: Partition::GetPreviousDesignFile: Invalid fileState passed\n"}));
  for (const Port_Message& m : sink.messages) {
    EXPECT_EQ(m.domain, "VudododirazaDoruviV");
    EXPECT_EQ(m.sourceFile, "PartitionTimestamps.cpp");
  }
}

}  // namespace
