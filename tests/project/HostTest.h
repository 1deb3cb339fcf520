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

class HostProjectTest : public ZoreTest::LeakCheckedTest {
 protected:
  void SetUp() override {
    LeakCheckedTest::SetUp();
    ASSERT_TRUE(HostProject::RegisterClasses());
  }
  void TearDown() override {
    HostProject::SetCurrentProject(nullptr);
    EXPECT_EQ(HostProject::LiveObjects(), 0) << "a host object leaked";
    LeakCheckedTest::TearDown();
  }
};

/// A new partition named `hierarchicalName`.
inline PartitionRef NewPartition(const char* hierarchicalName) {
  PartitionRef p = ZoreTest::NewPartition();
  p->SetHierarchicalName(hierarchicalName);
  return p;
}

inline std::vector<std::string> Names(const std::vector<PartitionRef>& partitions) {
  std::vector<std::string> names;
  for (const PartitionRef& p : partitions) names.push_back(p->GetHierarchicalName().str());
  return names;
}

/// The names an enumeration yields, first to last.
inline std::vector<std::string> Names(Dpm::IPartitionIterator* partitions) {
  std::vector<std::string> names;
  for (partitions->First(); !partitions->IsDone(); partitions->Next()) {
    ZavU::IPartition* current = nullptr;
    partitions->GetCurrent(current);
    names.push_back(PartitionRef::Adopt(current)->GetHierarchicalName().str());
  }
  return names;
}

}  // namespace HostTest
