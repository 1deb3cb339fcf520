// The host's up-to-date rule as the partition library meets it: the project's
// answers and their reasons, and the property the Tcl helper library shows.
// Values of every kind, effective traits through three levels included, are
// shown through the real Tcl layer by scripts/properties.tcl.
#include <tcl.h>

#include "HostTest.h"
#include "Tcltask/ITclHelpers.h"
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

namespace {

// A value given no collection result, or one that carries no list, keeps no
// collection.
TEST_F(TclHelpersTest, AValueRefusesACollectionResultWithoutAList) {
  auto value = CitP::Factory::CreateInstanceRef(Port::XUID(Xuids::Class_TclPropertyValue),
                                                Tcltask::kHelpersLibrary)
                   .As<Tcltask::ITclPropertyValue>();
  ASSERT_TRUE(value);
  EXPECT_EQ(value->SetCollection(nullptr), 0);
  EXPECT_EQ(value->SetCollection(value.get()), 0) << "a value not set yet carries no object";
}

}  // namespace
