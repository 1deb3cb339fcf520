// Light stand-ins for the host's project services, to reach the branches of
// the partition library that depend on what the host answers. Stack fakes
// (Project, ModuleManager, Module) belong to the test and check at their end
// that every reference taken was dropped; heap fakes (services, iterators)
// are freed by their last Release and counted in g_liveFakes. The two
// service classes are registered once; Settings() says what they do.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CitP/Factory.h"
#include "Dpm/IHDProject.h"
#include "Dpm/IPRSolution.h"
#include "Prjrep/IRefCount.h"
#include "support/FakeAnswer.h"
#include "support/SelfCounted.h"
#include "support/ZoreTest.h"

extern "C" void InstFactoryEntry();

namespace FakeServices {

using ZoreTest::PartitionRef;

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

/// Counts references without freeing: the test owns the object.
class StackCounted : public CommonI::IRefCount, public Prjrep::IRefCount {
 public:
  CitI::Status AddRef() override { return Answer(refs, refs + 1); }
  CitI::Status Release() override { return Answer(refs, refs - 1); }
  CitI::Status GetRefCount(int& out) override { return Answer(out, refs); }
  ~StackCounted() override { EXPECT_EQ(refs, 0) << "a reference on a fake was not dropped"; }
  int refs = 0;
};

/// A heap fake freed by its last Release, counted in g_liveFakes.
inline int g_liveFakes = 0;
class HeapCounted : public ZoreTest::SelfCounted {
 public:
  HeapCounted() { ++g_liveFakes; }
  ~HeapCounted() override { --g_liveFakes; }
};

class PartitionIterator final : public Dpm::IPartitionIterator, public HeapCounted {
 public:
  explicit PartitionIterator(const std::vector<PartitionRef>& items) : m_items(items) {}
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return ZoreTest::AnswerAs<Dpm::IPartitionIterator>(this, iid);
  }
  CitI::Status GetCurrent(ZavU::IPartition*& out) override {
    return Answer(out, PartitionRef(m_items.at(m_at)).Detach());
  }
  CitI::Status First() override { return Answer(m_at, 0u); }
  CitI::Status Next() override { return Answer(m_at, m_at + 1); }
  bool IsDone() override { return m_at >= m_items.size(); }

 private:
  std::vector<PartitionRef> m_items;
  std::size_t m_at = 0;
};

/// Answers only the root interfaces: a component of another kind that a
/// registry hands back for the pin class.
class NotAPin final : public HeapCounted {
 public:
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

/// A pin of another implementation, as a registry may hand out for the pin
/// class: it keeps its name and cannot tell a partition of its renames.
class ForeignPin final : public ZavU::IPartitionPin, public HeapCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return ZoreTest::AnswerAs<ZavU::IPartitionPin>(this, iid);
  }
  CitI::Status SetName(const Port::StringBase& name) override { return Answer(m_name, name); }
  Port::StringBase GetName() override { return m_name; }
  CitI::Status Dump() override { return 1; }
  CitI::Status SetPartitionPinBel(const Port::StringBase&) override { return 0; }
  Port::StringBase GetPartitionPinBel() override { return {}; }
  CitI::Status SetPartitionPinSite(const Port::StringBase&) override { return 0; }
  Port::StringBase GetPartitionPinSite() override { return {}; }
  CitI::Status ClearPartitionPinBelAndSite() override { return 0; }
  CitI::Status GetVersion(std::uint32_t*, std::uint32_t*) override { return 0; }

 private:
  Port::StringBase m_name;
};

class ForeignPinFactory final : public CitI::IFactory, public StackCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return ZoreTest::AnswerAs<CitI::IFactory>(this, iid);
  }
  CitI::IInterface* CreateInstance(const Port::XUID&) override {
    return static_cast<ZavU::IPartitionPin*>(new ForeignPin());
  }
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
    return HandOut(out, hierarchicalName.str() == moduleOf ? module : nullptr);
  }

  Module* module = nullptr;  // the module of the partition `moduleOf`
  std::string moduleOf;
  std::vector<Dpm::IPRModule*> released;
};

class Project final : public Dpm::IHDProject,
                      public Dpm::IPRProject,
                      public Dpm::IUpToDate,
                      public Dpm::IHDProjectData,
                      public StackCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    if (iid == Dpm::IPRProject::kIID)
      return answersPR ? static_cast<Dpm::IPRProject*>(this) : nullptr;
    if (iid == Dpm::IUpToDate::kIID) return upToDate ? static_cast<Dpm::IUpToDate*>(this) : nullptr;
    if (iid == Dpm::IHDProjectData::kIID) return static_cast<Dpm::IHDProjectData*>(this);
    return ZoreTest::AnswerAs<Dpm::IHDProject>(this, iid);
  }
  Port::StringBase GetLocation() override { return location.c_str(); }
  CitI::IInterface* GetHelper() override { return nullptr; }
  CitI::Status GetPartitionEntry(CitI::IInterface*& out, const Port::StringBase&) override {
    return HandOut(out, entry);
  }
  CitI::Status GetPartitions(Dpm::IPartitionIterator*& out) override {
    out = enumerates ? new PartitionIterator(partitions) : nullptr;
    return out ? 1 : 0;
  }
  CitI::Status GetParentPartition(ZavU::IPartition*& out, ZavU::IPartition*) override {
    return Answer(out, nullptr);
  }
  CitI::Status GetChildPartitions(Dpm::IPartitionIterator*& out, ZavU::IPartition*) override {
    return Answer(out, new PartitionIterator({}));
  }
  bool IsPartialReconfigFlow() override { return inPRFlow; }
  std::int32_t IsUpToDate(const Port::StringBase& name, std::int32_t synthesis,
                          Port::StringBase& reason) override {
    upToDateAsked.push_back(name.str() + "/" + std::to_string(synthesis));
    reason = "sources changed";
    return 2;  // up to date
  }

  std::string location = "/fake/project";
  bool answersPR = true;  // answers Dpm::IPRProject
  bool inPRFlow = false;
  bool enumerates = true;  // operation 20 yields an iterator
  std::vector<PartitionRef> partitions;
  // What the Tcl view asks: the partition's entry (its children are none),
  // whether it is up to date.
  CitI::IInterface* entry = nullptr;
  bool upToDate = true;  // answers Dpm::IUpToDate
  std::vector<std::string> upToDateAsked;
};

/// What the registered fake service classes do; reset before every test.
struct ServiceSettings {
  bool currentProjectCreatable = false;
  int currentProjectCalls = 0;

  bool helperCreatable = false;
  ModuleManager* manager = nullptr;  // what the helper's operation 3 yields
  int helpersCreated = 0;
  std::vector<Dpm::IHDProject*> managerAskedFor;
};
inline ServiceSettings& Settings() {
  static ServiceSettings settings;
  return settings;
}

/// The current-project service or the solution helper, as the class it was
/// made for.
class Service final : public Dpm::ICurrentProject,
                      public Dpm::IPRSolutionHelper,
                      public HeapCounted {
 public:
  explicit Service(bool isHelper) : m_isHelper(isHelper) {}
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    if (m_isHelper) return ZoreTest::AnswerAs<Dpm::IPRSolutionHelper>(this, iid);
    return ZoreTest::AnswerAs<Dpm::ICurrentProject>(this, iid);
  }
  CitI::Status GetCurrentProject(Dpm::IHDProject*& out, const Port::StringBase&) override {
    ++Settings().currentProjectCalls;
    out = nullptr;  // none is current
    return 0;
  }
  CitI::Status GetModuleManager(Dpm::IHDProject* project, std::int32_t,
                                CitI::IInterface*& out) override {
    Settings().managerAskedFor.push_back(project);
    return HandOut(out, static_cast<Dpm::IPRModuleManager*>(Settings().manager));
  }

 private:
  bool m_isHelper;
};

/// Makes a fake service when the settings allow it, else nothing (as a
/// registry without the class).
class ServiceFactory final : public CitI::IFactory, public ZoreTest::SelfCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return ZoreTest::AnswerAs<CitI::IFactory>(this, iid);
  }
  CitI::IInterface* CreateInstance(const Port::XUID& classXuid) override {
    ServiceSettings& s = Settings();
    if (classXuid == Port::XUID(Xuids::Class_CurrentProject) && s.currentProjectCreatable) {
      return static_cast<Dpm::ICurrentProject*>(new Service(false));
    }
    if (classXuid != Port::XUID(Xuids::Class_PRSolutionHelper) || !s.helperCreatable)
      return nullptr;
    ++s.helpersCreated;
    return static_cast<Dpm::IPRSolutionHelper*>(new Service(true));
  }
  static void Register() {
    auto* factory = new ServiceFactory();
    CitP::Factory::RegisterFactory(Port::XUID(Xuids::Class_CurrentProject), factory);
    CitP::Factory::RegisterFactory(Port::XUID(Xuids::Class_PRSolutionHelper), factory);
    factory->Release();  // the registry holds it now
  }
};

/// Empties the registry, then registers the library's classes and the fake
/// services again.
inline void RestoreRegistry() {
  CitP::Factory::Shutdown();
  InstFactoryEntry();
  ServiceFactory::Register();
}

/// The registry emptied for a scope (nothing can be created), then restored.
struct EmptiedRegistry {
  EmptiedRegistry() { CitP::Factory::Shutdown(); }
  ~EmptiedRegistry() { RestoreRegistry(); }
};

/// A fixture base: the services reset before each test; no component and no
/// heap fake alive after it.
class FakeServicesTest : public ZoreTest::LeakCheckedTest {
 protected:
  void SetUp() override {
    LeakCheckedTest::SetUp();
    if (!CitP::Factory::IsRegistered(Port::XUID(Xuids::Class_CurrentProject))) {
      ServiceFactory::Register();  // once per registry
    }
    Settings() = ServiceSettings();
  }
  void TearDown() override {
    Settings() = ServiceSettings();
    EXPECT_EQ(g_liveFakes, 0) << "a fake service object leaked";
    LeakCheckedTest::TearDown();
  }
};

}  // namespace FakeServices
