// The fake project services (see FakeServices.h).
#include "Partition/FakeServices.h"

#include "CitP/Factory.h"

extern "C" void InstFactoryEntry();

namespace FakeServices {

namespace {

int g_liveFakes = 0;

/// A heap fake freed by its last Release.
class HeapCounted : public CommonI::IRefCount, public Prjrep::IRefCount {
 public:
  HeapCounted() { ++g_liveFakes; }
  ~HeapCounted() override { --g_liveFakes; }
  CitI::Status AddRef() override { return Answer(m_refs, m_refs + 1); }
  CitI::Status Release() override {
    if (--m_refs == 0) delete this;
    return 1;
  }
  CitI::Status GetRefCount(int& out) override { return Answer(out, m_refs); }

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
    return Answer(out, CommonI::RefCountPtr<ZavU::IPartition>(m_items.at(m_at)).Detach());
  }
  CitI::Status First() override { return Answer(m_at, 0u); }
  CitI::Status Next() override { return Answer(m_at, m_at + 1); }
  bool IsDone() override { return m_at >= m_items.size(); }

 private:
  std::vector<CommonI::RefCountPtr<ZavU::IPartition>> m_items;
  std::size_t m_at = 0;
};

/// The current-project service and the solution helper, as the class it was
/// made for.
class Service final : public Dpm::ICurrentProject,
                      public Dpm::IPRSolutionHelper,
                      public HeapCounted {
 public:
  explicit Service(bool isHelper) : m_isHelper(isHelper) {}
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    if (m_isHelper) return ZoreTest::AnswerAs<Dpm::IPRSolutionHelper>(this, iid);
    if (!Settings().currentProjectAnswers && iid == Dpm::ICurrentProject::kIID) return nullptr;
    return ZoreTest::AnswerAs<Dpm::ICurrentProject>(this, iid);
  }
  CitI::Status GetCurrentProject(Dpm::IHDProject*& out, const Port::StringBase&) override {
    ++Settings().currentProjectCalls;
    return HandOut(out, Settings().current);
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
class Factory final : public CitI::IFactory, public ZoreTest::SelfCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return ZoreTest::AnswerAs<CitI::IFactory>(this, iid);
  }
  CitI::IInterface* CreateInstance(const Port::XUID& classXuid) override {
    ServiceSettings& s = Settings();
    if (classXuid == Port::XUID(Xuids::Class_CurrentProject) && s.currentProjectCreatable) {
      return static_cast<Dpm::ICurrentProject*>(new Service(false));
    }
    if (classXuid == Port::XUID(Xuids::Class_PRSolutionHelper) && s.helperCreatable) {
      ++s.helpersCreated;
      return static_cast<Dpm::IPRSolutionHelper*>(new Service(true));
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

CitI::IInterface* Project::QueryInterface(const Port::XUID& iid) {
  if (iid == Dpm::IPRProject::kIID) {
    return answersPR ? static_cast<Dpm::IPRProject*>(this) : nullptr;
  }
  return ZoreTest::AnswerAs<Dpm::IHDProject>(this, iid);
}

}  // namespace FakeServices
