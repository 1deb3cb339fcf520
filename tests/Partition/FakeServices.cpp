// The fake project services (see FakeServices.h).
#include "Partition/FakeServices.h"

#include "CitP/Factory.h"
#include "support/FakeAnswer.h"

extern "C" void InstFactoryEntry();

namespace FakeServices {

namespace {

int g_liveFakes = 0;

/// A heap fake freed by its last Release.
class HeapCounted : public CommonI::IRefCount, public Prjrep::IRefCount {
 public:
  HeapCounted() { ++g_liveFakes; }
  ~HeapCounted() override { --g_liveFakes; }
  CitI::Status AddRef() override {
    ++m_refs;
    return 1;
  }
  CitI::Status Release() override {
    if (--m_refs == 0) delete this;
    return 1;
  }
  CitI::Status GetRefCount(int& out) override {
    out = m_refs;
    return 1;
  }

 private:
  int m_refs = 1;
};

class Iterator final : public Dpm::IPartitionIterator, public HeapCounted {
 public:
  explicit Iterator(const std::vector<CommonI::RefCountPtr<ZavU::IPartition>>& items)
      : m_items(items) {}
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return ZoreTest::AnswerAs<Dpm::IPartitionIterator>(this, iid);
  }
  CitI::Status GetCurrent(ZavU::IPartition*& out) override {
    out = CommonI::RefCountPtr<ZavU::IPartition>(m_items.at(m_at)).Detach();
    return 1;
  }
  CitI::Status First() override {
    m_at = 0;
    return 1;
  }
  CitI::Status Next() override {
    ++m_at;
    return 1;
  }
  bool IsDone() override { return m_at >= m_items.size(); }

 private:
  std::vector<CommonI::RefCountPtr<ZavU::IPartition>> m_items;
  std::size_t m_at = 0;
};

class CurrentProjectService final : public Dpm::ICurrentProject, public HeapCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    if (!Settings().currentProjectAnswers && iid == Dpm::ICurrentProject::kIID) return nullptr;
    return ZoreTest::AnswerAs<Dpm::ICurrentProject>(this, iid);
  }
  CitI::Status GetCurrentProject(Dpm::IHDProject*& out, const Port::StringBase&) override {
    ++Settings().currentProjectCalls;
    out = Settings().current;
    Prjrep::AddRefTo(out);
    return out ? 1 : 0;
  }
};

class SolutionHelper final : public Dpm::IPRSolutionHelper, public HeapCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return ZoreTest::AnswerAs<Dpm::IPRSolutionHelper>(this, iid);
  }
  CitI::Status GetModuleManager(Dpm::IHDProject* project, std::int32_t,
                                CitI::IInterface*& out) override {
    Settings().managerAskedFor.push_back(project);
    out = static_cast<Dpm::IPRModuleManager*>(Settings().manager);
    Prjrep::AddRefTo(out);
    return out ? 1 : 0;
  }
};

/// Makes a fake service when the settings allow it, else nothing (as a
/// registry without the class).
class Factory final : public CitI::IFactory, public ZoreTest::SelfCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return ZoreTest::AnswerAs<CitI::IFactory>(this, iid);
  }
  CitI::IInterface* CreateInstance(const Port::XUID& classXuid) override {
    ServiceSettings& s = Settings();
    if (classXuid == Port::XUID(Xuids::Class_CurrentProject) && s.currentProjectCreatable) {
      return static_cast<Dpm::ICurrentProject*>(new CurrentProjectService());
    }
    if (classXuid == Port::XUID(Xuids::Class_PRSolutionHelper) && s.helperCreatable) {
      ++s.helpersCreated;
      return static_cast<Dpm::IPRSolutionHelper*>(new SolutionHelper());
    }
    return nullptr;
  }
};

void RegisterFactories() {
  auto* factory = new Factory();
  CitP::Factory::RegisterFactory(Port::XUID(Xuids::Class_CurrentProject), factory);
  CitP::Factory::RegisterFactory(Port::XUID(Xuids::Class_PRSolutionHelper), factory);
  factory->Release();  // the registry holds it now
}

}  // namespace

int LiveFakes() { return g_liveFakes; }

Dpm::IPartitionIterator* NewPartitionIterator(
    const std::vector<CommonI::RefCountPtr<ZavU::IPartition>>& items) {
  return new Iterator(items);
}

ServiceSettings& Settings() {
  static ServiceSettings settings;
  return settings;
}

void Install() {
  if (!CitP::Factory::IsRegistered(Port::XUID(Xuids::Class_CurrentProject))) RegisterFactories();
  Settings() = ServiceSettings();
}

void RestoreRegistry() {
  CitP::Factory::Shutdown();
  InstFactoryEntry();
  RegisterFactories();
}

CitI::IInterface* Module::QueryInterface(const Port::XUID& iid) {
  return ZoreTest::AnswerAs<Dpm::IPRModule>(this, iid);
}

CitI::IInterface* ModuleManager::QueryInterface(const Port::XUID& iid) {
  return ZoreTest::AnswerAs<Dpm::IPRModuleManager>(this, iid);
}

CitI::Status ModuleManager::FindModule(const Port::StringBase& hierarchicalName,
                                       Dpm::IPRModule*& out) {
  asked.push_back(hierarchicalName.str());
  out = (module && hierarchicalName.str() == moduleOf) ? module : nullptr;
  Prjrep::AddRefTo(out);
  return out ? 1 : 0;
}

CitI::IInterface* Project::QueryInterface(const Port::XUID& iid) {
  if (iid == Dpm::IPRProject::kIID) {
    return answersPR ? static_cast<Dpm::IPRProject*>(this) : nullptr;
  }
  return ZoreTest::AnswerAs<Dpm::IHDProject>(this, iid);
}

CitI::Status Project::GetPartitions(Dpm::IPartitionIterator*& out) {
  out = enumerates ? new Iterator(partitions) : nullptr;
  return out ? 1 : 0;
}

CitI::Status Project::GetParentPartition(ZavU::IPartition*& out, ZavU::IPartition* partition) {
  parentAskedFor.push_back(partition);
  out = CommonI::RefCountPtr<ZavU::IPartition>(parent).Detach();
  return 1;
}

}  // namespace FakeServices
