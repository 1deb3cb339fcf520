// What every test of the component library stands on: the library's
// factories registered once, a fixture that proves no component outlives its
// test, a sink that captures messages, and shorthand for creating components.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CitP/Factory.h"
#include "CommonI/IRefCount.h"
#include "Dpm/IHDProject.h"
#include "Dpm/IString.h"
#include "Port/MsgMan.h"
#include "Xuids.h"
#include "ZavU/IPartition.h"
#include "ZavU/IPartitionHierarchy.h"
#include "ZavU/IPartitionPin.h"

namespace ZoreTest {

/// Fails the test when it ends with more or fewer live components than it
/// started with: a leaked or doubly released reference.
class LeakCheckedTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

 private:
  int m_liveAtStart = 0;
};

/// Captures every message issued while it is installed.
class CapturingSink : public Port_MsgSink {
 public:
  CapturingSink();
  ~CapturingSink() override;
  CapturingSink(const CapturingSink&) = delete;
  CapturingSink& operator=(const CapturingSink&) = delete;

  void Deliver(const Port_Message& message) override { messages.push_back(message); }
  /// The texts of the messages of one severity, in order.
  std::vector<std::string> Texts(Port_Severity severity) const;
  /// Every message but debug traces, as "SEVERITY: text".
  std::vector<std::string> All() const;
  void Clear() { messages.clear(); }

  std::vector<Port_Message> messages;

 private:
  Port_MsgSink* m_previous;
};

const char* SeverityName(Port_Severity severity);

using PartitionRef = CommonI::RefCountPtr<ZavU::IPartition>;
using Strings = std::vector<std::string>;

/// New components, holding the test's reference.
inline PartitionRef NewPartition() {
  return CitP::Factory::CreateInstanceRef(Port::XUID(Xuids::ZorE_Partition)).As<ZavU::IPartition>();
}
inline CommonI::RefCountPtr<ZavU::IPartitionPin> NewPin() {
  return CitP::Factory::CreateInstanceRef(Port::XUID(Xuids::ZorE_PartitionPin))
      .As<ZavU::IPartitionPin>();
}

/// Links `p` to `project` as a host does (the caller keeps its reference;
/// null unlinks); the link is accepted.
void LinkProject(ZavU::IPartition* p, Dpm::IHDProject* project);
/// Links `p` to `parent` as a host does.
void LinkParent(ZavU::IPartition* p, ZavU::IPartition* parent);

/// The component's reference count, read through its IRefCount.
int RefCount(CitI::IInterface* object);

/// The texts of a handed-out string list; the list is destroyed.
std::vector<std::string> Drain(Dpm::IStringIterator* list);

}  // namespace ZoreTest
