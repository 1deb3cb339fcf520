// The host's Tcl helper library, partition helper and up-to-date rule as the
// partition library meets them: both libraries loaded by name on the first
// property request, effective traits through three levels, and the project's
// up-to-date answers. The values of every kind are shown through the real
// Tcl layer by scripts/properties.tcl.
#include <tcl.h>

#include "HostTest.h"
#include "UtilI/ITclCollectable.h"
#include "project/UpToDate.h"
#include "tcltask/TclObjValue.h"

namespace {

using namespace HostTest;

class TclHelpersTest : public HostProjectTest {
 protected:
  static void SetUpTestSuite() {
    Tcl_FindExecutable(nullptr);
    s_interp = Tcl_CreateInterp();  // Tcl objects need Tcl set up
  }
  static void TearDownTestSuite() { Tcl_DeleteInterp(s_interp); }

  /// The property's value as text ("kind:value"), or "-" when none is produced.
  static std::string Property(const PartitionRef& partition, const char* name) {
    CitI::IInterface* out = nullptr;
    if (!partition.As<UtilI::ITclCollectable>()->GetPropertyValue(name, out)) return "-";
    auto value = CommonI::RefCountPtr<CitI::IInterface>::Adopt(out);
    auto* held = CitI::QueryAs<Tcltask::ITclObjValue>(value.get());
    return std::string(held->GetKind()) + ":" + Tcl_GetString(held->GetObj());
  }
  static Tcl_Interp* s_interp;
};
Tcl_Interp* TclHelpersTest::s_interp = nullptr;

// Traits set on top / mid / leaf ("" left unset) and the effective values:
// the nearest level that does not inherit decides, else the root's default.
// An inherited value from the top is shown by scripts/properties.tcl.
struct InheritRow {
  const char* trait;
  const char* set[3];
  const char* effective[3];
};
const InheritRow kInheritRows[] = {
    {"preserve", {"", "", "synthesis"}, {"routing", "routing", "synthesis"}},
    {"preserve", {"synthesis", "routing", "inherit"}, {"synthesis", "routing", "routing"}},
};

TEST_F(TclHelpersTest, EffectiveTraitsResolveInheritFromTheParent) {
  for (const InheritRow& row : kInheritRows) {
    ProjectRef project = NewProject({"top", "top/mid", "top/mid/leaf"});
    const PartitionRef levels[] = {project->Find("top"), project->Find("top/mid"),
                                   project->Find("top/mid/leaf")};
    levels[0]->SetRoot(true);
    const std::string property = std::string(row.trait) + "_effective";
    for (int i = 0; i < 3; ++i) {
      if (*row.set[i]) levels[i]->SetTrait(row.trait, row.set[i], true);
    }
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(Property(levels[i], property.c_str()), std::string("string:") + row.effective[i])
          << row.trait << " level " << i;
    }
  }
}

// Timestamps (-1: never), forced tasks, and the answers for synthesis and
// implementation with their reasons.
struct UpToDateRow {
  Port::Time synthesis, routed;
  ZavU::TaskID forced;  // -1 none
  std::int32_t synthesisStatus, implementationStatus;
  const char* implementationReason;
};
const UpToDateRow kUpToDateRows[] = {
    {-1, -1, ZavU::TaskID(-1), 1, 1, "no SYNTHESIS timestamp"},
    {100, -1, ZavU::TaskID(-1), 2, 1, "no ROUTED timestamp"},
    {100, 99, ZavU::TaskID(-1), 2, 1, "ROUTED timestamp older than SYNTHESIS timestamp"},
    {100, 100, ZavU::TaskID(-1), 2, 2, "up to date"},
    {100, 200, ZavU::LOM, 1, 2, "up to date"},
    {100, 200, ZavU::TRANSLATE, 2, 1, "TRANSLATE task forced"},
    {100, 200, ZavU::PLACEMENT, 2, 1, "PLACEMENT task forced"},
};

TEST_F(TclHelpersTest, UpToDateFollowsTimestampsAndForcedTasks) {
  for (const UpToDateRow& row : kUpToDateRows) {
    ProjectRef project = NewProject({"top", "top/u1"});
    PartitionRef u1 = project->Find("top/u1");
    if (row.synthesis != -1) u1->SetTimestamp(ZavU::SYNTHESIS, row.synthesis);
    if (row.routed != -1) u1->SetTimestamp(ZavU::ROUTED, row.routed);
    if (row.forced >= 0) u1->ForceTask(row.forced, true);
    Port::StringBase reason;
    EXPECT_EQ(project->IsUpToDate(u1->GetName(), 1, reason), row.synthesisStatus);
    EXPECT_EQ(project->IsUpToDate(u1->GetName(), 0, reason), row.implementationStatus);
    EXPECT_EQ(reason.str(), row.implementationReason);
    EXPECT_EQ(Property(u1, "up_to_date_implementation"),
              row.implementationStatus == 2 ? "string:true" : "string:false");
    EXPECT_EQ(project->IsUpToDate("nowhere", 1, reason), HostProject::kUnknownPartition);
    EXPECT_EQ(reason.str(), "no partition named <nowhere>");
  }
}

}  // namespace
