// Light stand-ins for the host's project services, to reach the branches of
// the partition library that depend on what the host answers: no current
// project, a project without the partial-reconfiguration interface or in
// that flow, a project without an enumeration, a module manager without the
// module, no solution helper at all.
//
// Stack fakes (Project, ModuleManager, Module) are owned by the test: they
// count the references others take and check at their end that every one
// was dropped. Heap fakes (services, iterators) are freed by their last
// Release and counted by LiveFakes(). The two service classes are registered
// once; Settings() says what they do.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Dpm/IHDProject.h"
#include "Dpm/IPRSolution.h"
#include "Prjrep/IRefCount.h"
#include "ZavU/IPartition.h"
#include "support/FakeAnswer.h"
#include "support/SelfCounted.h"
#include "support/ZoreTest.h"

namespace FakeServices {

/// Stores `value` in the caller's `out`: status 1.
template <class Out, class Value>
CitI::Status Answer(Out& out, const Value& value) {
  out = value;
  return 1;
}
/// Hands `object` to the caller with a reference of its own: status 1, or 0
/// when there is none.
template <class Out, class Object>
CitI::Status HandOut(Out*& out, Object* object) {
  out = object;
  Prjrep::AddRefTo(out);
  return out ? 1 : 0;
}

/// Heap fakes alive now.
int LiveFakes();
/// A new enumeration of `items` from the first, holding one reference for
/// the caller, counted by LiveFakes().
Dpm::IPartitionIterator* NewPartitionIterator(
    const std::vector<CommonI::RefCountPtr<ZavU::IPartition>>& items);

/// Counts references without freeing: the test owns the object.
class StackCounted : public CommonI::IRefCount, public Prjrep::IRefCount {
 public:
  CitI::Status AddRef() override { return Answer(refs, refs + 1); }
  CitI::Status Release() override { return Answer(refs, refs - 1); }
  CitI::Status GetRefCount(int& out) override { return Answer(out, refs); }
  ~StackCounted() override { EXPECT_EQ(refs, 0) << "a reference on a fake was not dropped"; }
  int refs = 0;
};

/// Answers only the root interfaces: a component of another kind that a
/// registry hands back for the pin class. Freed by its last reference.
class NotAPin final : public ZoreTest::SelfCounted {
 public:
  static inline int live = 0;
  NotAPin() { ++live; }
  ~NotAPin() override { --live; }
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return iid == CommonI::IRefCount::kIID || iid == CitI::IInterface::kIID ? this : nullptr;
  }
};

/// Makes a NotAPin for whatever class it is asked for.
class NotAPinFactory final : public CitI::IFactory, public StackCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return ZoreTest::AnswerAs<CitI::IFactory>(this, iid);
  }
  CitI::IInterface* CreateInstance(const Port::XUID&) override { return new NotAPin(); }
};

class Module final : public Dpm::IPRModule, public StackCounted {
 public:
  explicit Module(std::string name) : name(std::move(name)) {}
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return ZoreTest::AnswerAs<Dpm::IPRModule>(this, iid);
  }
  CitI::Status GetName(Port::StringBase& out) override { return Answer(out, name.c_str()); }
  std::string name;
};

class ModuleManager final : public Dpm::IPRModuleManager, public StackCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return ZoreTest::AnswerAs<Dpm::IPRModuleManager>(this, iid);
  }
  CitI::Status ReleaseModule(Dpm::IPRModule* module) override {
    released.push_back(module);
    return 1;
  }
  CitI::Status FindModule(const Port::StringBase& hierarchicalName, Dpm::IPRModule*& out) override {
    asked.push_back(hierarchicalName.str());
    return HandOut(out, hierarchicalName.str() == moduleOf ? module : nullptr);
  }

  Module* module = nullptr;  // the module of the partition `moduleOf`
  std::string moduleOf;
  std::vector<std::string> asked;  // names passed to FindModule
  std::vector<Dpm::IPRModule*> released;
};

class Project final : public Dpm::IHDProject, public Dpm::IPRProject, public StackCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override;
  Port::StringBase GetLocation() override { return location.c_str(); }
  CitI::IInterface* GetHelper() override {
    Prjrep::AddRefTo(helper);
    return helper;
  }
  CitI::Status GetPartitionEntry(CitI::IInterface*& out, const Port::StringBase&) override {
    return HandOut(out, static_cast<CitI::IInterface*>(nullptr));
  }
  CitI::Status GetPartitions(Dpm::IPartitionIterator*& out) override {
    out = enumerates ? NewPartitionIterator(partitions) : nullptr;
    return out ? 1 : 0;
  }
  CitI::Status GetParentPartition(ZavU::IPartition*& out, ZavU::IPartition* partition) override {
    parentAskedFor.push_back(partition);
    return Answer(out, CommonI::RefCountPtr<ZavU::IPartition>(parent).Detach());
  }
  CitI::Status GetChildPartitions(Dpm::IPartitionIterator*& out, ZavU::IPartition*) override {
    return HandOut(out, static_cast<Dpm::IPartitionIterator*>(nullptr));
  }
  bool IsPartialReconfigFlow() override { return inPRFlow; }

  std::string location = "/fake/project";
  CitI::IInterface* helper = nullptr;  // what operation 3 yields
  bool answersPR = true;               // answers Dpm::IPRProject
  bool inPRFlow = false;
  bool enumerates = true;  // operation 20 yields an iterator
  std::vector<CommonI::RefCountPtr<ZavU::IPartition>> partitions;
  CommonI::RefCountPtr<ZavU::IPartition> parent;  // what operation 24 answers
  std::vector<ZavU::IPartition*> parentAskedFor;
};

/// What the registered fake service classes do; reset before every test.
struct ServiceSettings {
  bool currentProjectCreatable = false;
  bool currentProjectAnswers = true;   // the service answers Dpm::ICurrentProject
  Dpm::IHDProject* current = nullptr;  // what operation 7 yields; none: status 0
  int currentProjectCalls = 0;

  bool helperCreatable = false;
  ModuleManager* manager = nullptr;  // what the helper's operation 3 yields
  int helpersCreated = 0;
  std::vector<Dpm::IHDProject*> managerAskedFor;
};
ServiceSettings& Settings();

/// Registers the two fake service classes (once per registry) and resets
/// the settings.
void Install();
/// Empties the registry, then registers the library's classes and the fake
/// services again.
void RestoreRegistry();

/// A fixture base: the services reset before each test; no component and no
/// heap fake alive after it.
class FakeServicesTest : public ZoreTest::LeakCheckedTest {
 protected:
  void SetUp() override {
    LeakCheckedTest::SetUp();
    Install();
  }
  void TearDown() override {
    Settings() = ServiceSettings();
    EXPECT_EQ(LiveFakes(), 0) << "a fake service object leaked";
    LeakCheckedTest::TearDown();
  }
};

}  // namespace FakeServices
