// Taking over a previous implementation, in the cases a host's import does
// not reach: a source without module names, the persistent switch with an
// implemented source, and the process-wide answer about incomplete imports.
#include <gtest/gtest.h>

#include <cstdlib>

#include "Partition/FakeServices.h"
#include "ZavU/IPartitionTracking.h"
#include "ZavU/IXPartition.h"
#include "portability/TestSupport.h"
#include "support/Probe.h"
#include "support/XmlDoc.h"
#include "support/ZoreTest.h"

namespace {

using namespace ZoreTest;

constexpr const char* kPersistent = "OMB_PR_PERSISTENT_PIF";
constexpr const char* kAllowIncomplete = "OMB_PR_ALLOW_INCOMPLETE_PIF";

ZavU::IXPartition* X(const PartitionRef& p) { return CitI::QueryAs<ZavU::IXPartition>(p.get()); }

/// Reads an element of `attributes` into `p`, as a host does.
void ReadElement(const PartitionRef& p, const std::string& attributes) {
  XmlDoc doc("<Partition " + attributes + "/>");
  EXPECT_EQ(X(p)->ReadXmlElement(doc.Root(), 1, 2), 1) << attributes;
}

/// Partition "p1" in state import from `location`.
PartitionRef Importer(const std::string& location) {
  PartitionRef p = NewPartition();
  p->SetHierarchicalName("p1");
  ReadElement(p, "State=\"import\" ImportLocation=\"" + location + "\"");
  return p;
}

void SetFile(const PartitionRef& p, int state, const std::string& path) {
  p.As<ZavU::IPartitionFileTracking>()->SetPreviousDesignFile(state, path.c_str());
}

Strings Files(const PartitionRef& p) {
  Strings files;
  for (const Port::StringBase& f : PartitionProbe(p).PreviousFiles()) {
    files.push_back(f.str());
  }
  return files;
}

/// Neither switch set unless a test sets it; the process-wide answer about
/// incomplete imports is then "not allowed" in this process (only the forked
/// checks below ever set it).
class PartitionImport : public FakeServices::FakeServicesTest {
 protected:
  porttest::ScopedEnv m_noPersistent{kPersistent, nullptr};
  porttest::ScopedEnv m_noAllow{kAllowIncomplete, nullptr};
  porttest::ScopedTempDir m_dir;
  const std::string& m_at = m_dir.path();
  void Touch(const char* name) { porttest::WriteFile(m_dir / name, ""); }
};

// The refusals, the missing-file reports and the persistent switch are
// checked end to end by tests/hdpart/cases/import_refused,
// import_missing_files and import_persistent; here the answers a host's
// import never asks for.
TEST_F(PartitionImport, OnlyReconfigurablePartitionsCheckTheModuleAndNoNameMatchesNone) {
  PartitionRef p = Importer("/exp");
  PartitionRef source = NewPartition();
  ReadElement(source, R"(State="implement" Reconfigurable="true" ReconfigModuleName="red")");
  SetFile(source, ZavU::QHV, "/old/x.qhv");
  CapturingSink sink;
  EXPECT_TRUE(X(p)->ImportPreviousImplementation(source.get(), true));
  EXPECT_EQ(Files(p)[ZavU::QHV], "/exp/x.qhv");
  ReadElement(source, R"(State="implement" Reconfigurable="true" ReconfigModuleName="")");
  ReadElement(p, R"(State="import" ImportLocation="/exp" Reconfigurable="true")");
  SetFile(p, ZavU::QHV, "kept");
  EXPECT_TRUE(X(p)->ImportPreviousImplementation(source.get(), true));
  EXPECT_EQ(Files(p)[ZavU::QHV], "/exp/x.qhv");
  EXPECT_TRUE(sink.All().empty());
  EXPECT_FALSE(X(p)->ImportPreviousImplementation(nullptr, false));
  EXPECT_TRUE(X(p)->ImportPartitionPins(source.get()));
  EXPECT_FALSE(X(p)->ImportPartitionPins(nullptr));
}

// An imported source's records kept as they are: import_persistent.
TEST_F(PartitionImport, PersistentSwitchMovesAnImplementedSourcesRecords) {
  porttest::ScopedEnv persistent(kPersistent, "");  // set, even empty
  Touch("a_prev_built.qdb");                        // ignored
  PartitionRef p = Importer(m_at);
  PartitionRef source = NewPartition();
  SetFile(source, ZavU::Routed_QPR, "/run/out/r_prev_routed.qpr");
  CapturingSink sink;
  EXPECT_TRUE(X(p)->ImportPreviousImplementation(source.get(), false));
  EXPECT_EQ(Files(p), (Strings{"", "", "", m_at + "/r_prev_routed.qpr", "", ""}));
  EXPECT_EQ(sink.All().size(), 3u) << "the three others are missing, the QDB found is ignored";
}

/// In a fresh process: two imports with one missing result each, the switch
/// set (or cleared) between them. Exit code: 10 * (first was a warning) +
/// (second was a warning).
int SeveritiesAcrossASwitchChange(bool setFirst) {
  auto setSwitch = [](bool set) {
    set ? setenv(kAllowIncomplete, "1", 1) : unsetenv(kAllowIncomplete);
  };
  setSwitch(setFirst);
  porttest::ScopedTempDir dir;
  for (const char* f : {"a_prev_built.qdb", "a_prev_mapped.qmp", "a_prev_mapped.qpr"}) {
    porttest::WriteFile(dir / f, "");
  }
  PartitionRef p = Importer(dir.path());
  PartitionRef source = NewPartition();
  CapturingSink sink;
  X(p)->ImportPreviousImplementation(source.get(), false);
  const bool firstWarned = sink.Texts(Port_Severity::Warning).size() == 1;
  setSwitch(!setFirst);
  sink.Clear();
  X(p)->ImportPreviousImplementation(source.get(), false);
  return 10 * firstWarned + (sink.Texts(Port_Severity::Warning).size() == 1);
}

// The answer about incomplete imports is kept for the life of the process,
// so it is checked in processes of its own: the "threadsafe" style runs each
// check in a newly started copy of this program, where nothing has decided
// it yet, whatever other tests did before.
TEST(PartitionImportOnce, TheFirstMissingFileDecidesWarningOrErrorForGood) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(std::exit(SeveritiesAcrossASwitchChange(true)), testing::ExitedWithCode(11), "");
  EXPECT_EXIT(std::exit(SeveritiesAcrossASwitchChange(false)), testing::ExitedWithCode(0), "");
}

}  // namespace
