// Traits of a partition: defaults and lists, validation, the overwrite rule,
// the Partial Reconfiguration check of dependency_management_mode, and
// marking a partition reconfigurable (the reset walk over the project's
// partitions and the hand-back of its module).
#include <gtest/gtest.h>

#include "Partition/FakeServices.h"
#include "Partition/StoredState.h"
#include "Port/Exception.h"
#include "support/Probe.h"
#include "support/ZoreTest.h"

namespace {

using FakeServices::Settings;
using namespace ZoreTest;

constexpr const char* kDmm = "dependency_management_mode";

class PartitionTraits : public FakeServices::FakeServicesTest {};

/// The text of the exception `call` throws; fails the test when it throws none.
template <class Call>
std::string Thrown(Call call) {
  try {
    call();
  } catch (const Port::Exception& e) {
    EXPECT_EQ(e.Domain(), "VudododirazaDoruviV");
    return e.Message();
  }
  ADD_FAILURE() << "nothing was thrown";
  return {};
}

Strings TraitValues(const PartitionRef& p) {
  Strings values;
  for (const std::string& name : Drain(p->GetTraitNames()))
    values.push_back(p->GetTrait(name.c_str()).str());
  return values;
}

TEST_F(PartitionTraits, DefaultsLegalValuesAndTheOverwriteRule) {
  auto root = NewPartition();
  root->SetRoot(true);
  // The names and legal values are what `hdpart show` lists: its end-to-end cases.
  EXPECT_EQ(TraitValues(root), (Strings{"no", "routing", "global_change", "no", "false"}));
  EXPECT_TRUE(PartitionProbe(root).Traits().empty()) << "reading stores nothing";
  auto p = NewPartition();
  EXPECT_EQ(TraitValues(p), (Strings{"inherit", "inherit", "inherit", "inherit", "false"}));
  EXPECT_EQ(p->SetTrait("preserve", "placement", false), 1) << "absent: stored";
  EXPECT_EQ(p->SetTrait("preserve", "synthesis", false), 1);
  EXPECT_EQ(p->GetTrait("preserve").str(), "placement") << "present, overwrite clear: kept";
  EXPECT_EQ(p->SetTrait("preserve", "inherit", true), 1);
  EXPECT_EQ(p->GetTrait("preserve").str(), "inherit") << "stored as given, not resolved";
}

// Illegal values, unknown names and "inherit" on the root are refused
// through the Tcl layer too (tests/tcl/scripts/properties.tcl).
TEST_F(PartitionTraits, UnknownNamesAndIllegalValuesAreThrown) {
  auto p = NewPartition();
  CapturingSink sink;
  EXPECT_EQ(Thrown([&] { p->GetTrait("Preserve"); }), "Invalid Partition trait name <Preserve>\n");
  EXPECT_EQ(Thrown([&] { p->GetTraitDefault("bogus"); }), "Invalid Partition trait name <bogus>\n");
  EXPECT_EQ(Thrown([&] { p->GetTraitValues(""); }), "Invalid Partition trait name <>\n");
  for (auto [name, value] : {std::pair{"reconfigurable", "inherit"}, {"guide", "routing"}}) {
    EXPECT_EQ(Thrown([&, name = name, value = value] { p->SetTrait(name, value, true); }),
              std::string("Invalid Partition trait name/value <") + name + "/" + value + ">\n");
  }
  EXPECT_TRUE(PartitionProbe(p).Traits().empty());
  EXPECT_TRUE(sink.All().empty()) << "refusals are thrown, not reported";
}

TEST_F(PartitionTraits, DependencyManagementModeOutsideInheritAsksTheProject) {
  FakeServices::Project project;
  auto p = NewPartition();
  CapturingSink sink;
  // No project to ask: nothing stored; "inherit" asks nobody.
  EXPECT_EQ(p->SetTrait(kDmm, "local_change", true), 0);
  EXPECT_TRUE(PartitionProbe(p).Traits().empty());
  EXPECT_EQ(p->SetTrait(kDmm, "inherit", true), 1);
  // Without the partial-reconfiguration interface, or outside the flow, it passes.
  LinkProject(p.get(), &project);
  project.answersPR = false;
  project.inPRFlow = true;
  EXPECT_EQ(p->SetTrait(kDmm, "local_change", true), 1);
  project.answersPR = true;
  project.inPRFlow = false;
  EXPECT_EQ(p->SetTrait(kDmm, "global_change", true), 1);
  project.inPRFlow = true;
  EXPECT_EQ(Thrown([&] { p->SetTrait(kDmm, "local_change", true); }),
            "The <dependency_management_mode> trait is not available for projects in the "
            "Partial Reconfiguration flow. Exiting without changes.\n");
  EXPECT_EQ(p->GetTrait(kDmm).str(), "global_change");
  EXPECT_TRUE(sink.All().empty());
  EXPECT_EQ(project.refs, 0) << "the project's references are dropped, also when throwing";
}

TEST_F(PartitionTraits, TheReconfigurableTraitSetsTheFlagWhateverOverwriteSays) {
  FakeServices::Project project;
  auto p = NewPartition();
  StoredState stored;
  stored.traits = {{"reconfigurable", "false"}};
  stored.LoadInto(p.get());
  LinkProject(p.get(), &project);
  EXPECT_EQ(p->SetTrait("reconfigurable", "true", false), 1);
  EXPECT_TRUE(p->IsReconfigurable());
  EXPECT_EQ(p->GetTrait("reconfigurable").str(), "false") << "the stored value is kept";
  EXPECT_EQ(p->SetTrait("reconfigurable", "false", true), 1);
  EXPECT_FALSE(p->IsReconfigurable());
  // Without a project marking fails, but the trait is stored all the same.
  auto lone = NewPartition();
  EXPECT_EQ(lone->SetTrait("reconfigurable", "true", true), 1);
  EXPECT_TRUE(lone->IsReconfigurable());
  EXPECT_EQ(lone->GetTrait("reconfigurable").str(), "true");
  EXPECT_EQ(lone->SetReconfigurable(true), 0);
}

/// A project of a root, a and b with dependency_management_mode stored as
/// given (empty: not stored), and a marker partition m.
struct Walked {
  FakeServices::Project project;
  PartitionRef root = NewPartition(), a = NewPartition(), b = NewPartition(), m = NewPartition();

  Walked(const char* rootMode, const char* aMode) {
    for (auto [p, mode] : {std::pair{&root, rootMode}, {&a, aMode}, {&b, ""}, {&m, ""}}) {
      StoredState stored;  // as loaded, unchecked
      stored.root = p == &root;
      if (*mode) stored.traits = {{kDmm, mode}};
      stored.LoadInto(p->get());
      LinkProject(p->get(), &project);
      project.partitions.push_back(*p);
    }
  }
  ~Walked() { project.partitions.clear(); }
  Strings Modes() {
    return {root->GetTrait(kDmm).str(), a->GetTrait(kDmm).str(), b->GetTrait(kDmm).str()};
  }
};

TEST_F(PartitionTraits, MarkingResetsEveryPartitionToItsDefault) {
  Walked w("local_change", "local_change");
  CapturingSink sink;
  EXPECT_EQ(w.m->SetReconfigurable(true), 1);
  EXPECT_EQ(w.Modes(), (Strings{"global_change", "inherit", "inherit"}));
  EXPECT_EQ(PartitionProbe(w.b).Traits().count(kDmm), 0u) << "at its default: left alone";
  EXPECT_EQ(sink.All(),
            Strings{"INFO: The <dependency_management_mode> trait is not available "
                    "for projects in the Partial Reconfiguration flow. All Partitions "
                    "have been reset to their <dependency_management_mode> defaults.\n"});
  // Marking again walks again; with nothing left to reset, nothing is said.
  sink.Clear();
  EXPECT_EQ(w.m->SetReconfigurable(true), 1);
  EXPECT_TRUE(sink.All().empty());
  // A project that yields no enumeration has nothing to reset.
  w.project.enumerates = false;
  ASSERT_EQ(w.a->SetTrait(kDmm, "local_change", true), 1);
  EXPECT_EQ(w.m->SetReconfigurable(true), 1);
  EXPECT_EQ(w.a->GetTrait(kDmm).str(), "local_change");
}

TEST_F(PartitionTraits, ARefusedResetIsThrownAndEarlierResetsStay) {
  // A root that cannot find a project refuses its default; a, reset before it, stays reset.
  Walked w("local_change", "local_change");
  std::swap(w.project.partitions[0], w.project.partitions[1]);
  LinkProject(w.root.get(), nullptr);
  EXPECT_EQ(Thrown([&] { w.m->SetTrait("reconfigurable", "true", true); }),
            "Can not set Partition trait name/value <dependency_management_mode/global_change>.\n");
  EXPECT_TRUE(w.m->IsReconfigurable());
  EXPECT_EQ(PartitionProbe(w.m).Traits().count("reconfigurable"), 0u);
  EXPECT_EQ(w.Modes(), (Strings{"local_change", "inherit", "inherit"}));
}

TEST_F(PartitionTraits, UnmarkingHandsTheModuleBack) {
  FakeServices::Project project;
  FakeServices::ModuleManager manager;
  FakeServices::Module module("rm1");
  manager.module = &module;
  manager.moduleOf = "top/u1";
  Settings().helperCreatable = true;
  Settings().manager = &manager;
  auto p = NewPartition();
  p->SetHierarchicalName("top/u1");
  LinkProject(p.get(), &project);
  auto unmark = [&] {
    p->SetReconfigurable(true);
    EXPECT_EQ(p->SetReconfigurable(false), 1);
    EXPECT_FALSE(p->IsReconfigurable());
  };
  EXPECT_EQ(p->SetReconfigurable(false), 1);  // clearing a clear flag asks nobody
  EXPECT_EQ(Settings().helpersCreated, 0);
  unmark();
  EXPECT_EQ(manager.released, std::vector<Dpm::IPRModule*>{&module});
  // The module handed back by the host's own manager: tests/project. Here a
  // manager without the partition's module, no manager, no helper at all:
  // nothing handed back. Without a project the manager is asked with none.
  manager.moduleOf = "other";
  unmark();
  Settings().manager = nullptr;
  unmark();
  Settings().helperCreatable = false;
  unmark();
  Settings().helperCreatable = true;
  Settings().manager = &manager;
  LinkProject(p.get(), nullptr);
  unmark();
  EXPECT_EQ(Settings().helpersCreated, 4);
  EXPECT_EQ(Settings().managerAskedFor.back(), nullptr);
  EXPECT_EQ(manager.released.size(), 1u);
}

}  // namespace
