// What the host-project tests stand on: the service classes registered, and
// a fixture that proves no host object and no component outlives its test.
#pragma once

#include <gtest/gtest.h>

#include "project/CurrentProject.h"
#include "project/DesignProject.h"
#include "project/Registration.h"
#include "support/ZoreTest.h"

namespace HostTest {

using PartitionRef = CommonI::RefCountPtr<ZavU::IPartition>;
using ProjectRef = Prjrep::AutoRelease<HostProject::DesignProject>;
using Strings = std::vector<std::string>;

class HostProjectTest : public ZoreTest::LeakCheckedTest {
 protected:
  void SetUp() override {
    LeakCheckedTest::SetUp();
    ASSERT_TRUE(HostProject::RegisterClasses());
  }
  void TearDown() override {
    HostProject::SetCurrentProject(nullptr);
    EXPECT_EQ(HostModel::LiveObjects(), 0) << "a host object leaked";
    LeakCheckedTest::TearDown();
  }
};

/// A project at /work/demo holding `names`, each added under the one before
/// its last '/' (top-level when there is none), in the order given.
inline ProjectRef NewProject(std::initializer_list<const char*> names) {
  ProjectRef project = HostProject::DesignProject::Create("/work/demo");
  for (const char* name : names) {
    const std::string path = name;
    const std::size_t slash = path.rfind('/');
    PartitionRef parent =
        slash == std::string::npos ? PartitionRef() : project->Find(path.substr(0, slash).c_str());
    PartitionRef p = ZoreTest::NewPartition();
    p->SetHierarchicalName(name);
    EXPECT_TRUE(project->AddPartition(p.get(), parent.get())) << name;
  }
  return project;
}

/// The names an enumeration yields, first to last; past the end it stays done.
inline Strings Names(Dpm::IPartitionIterator* partitions) {
  Strings names;
  for (partitions->First(); !partitions->IsDone(); partitions->Next()) {
    ZavU::IPartition* current = nullptr;
    partitions->GetCurrent(current);
    names.push_back(PartitionRef::Adopt(current)->GetHierarchicalName().str());
  }
  partitions->Next();
  EXPECT_TRUE(partitions->IsDone());
  return names;
}

}  // namespace HostTest
