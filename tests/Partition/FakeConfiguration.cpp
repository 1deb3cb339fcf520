// The fake configuration objects and autonym services (see FakeConfiguration.h).
#include "Partition/FakeConfiguration.h"

#include "CitP/Factory.h"
#include "support/FakeAnswer.h"
#include "support/SelfCounted.h"

namespace FakeConfiguration {

namespace {

using ZoreTest::AnswerAs;

class RepositoryObject final : public Prjrep::IProjectRepository, public StackCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return AnswerAs<Prjrep::IProjectRepository>(this, iid);
  }
};

/// One of the three autonym services, as the class it was made for: an
/// autonym (named by the lookup's caller), the repository lookup, or the
/// saver that reads a repository's configuration.
class AutonymService final : public Prjrep::IAutonym,
                             public Prjrep::IName,
                             public Prjrep::IAutonymLookup,
                             public Prjrep::ISaveAutonym,
                             public ZoreTest::SelfCounted {
 public:
  explicit AutonymService(const Port::XUID& role) : m_role(role) {}
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    if (m_role == Port::XUID(Xuids::Class_AutonymLookup)) {
      return AnswerAs<Prjrep::IAutonymLookup>(this, iid);
    }
    if (m_role == Port::XUID(Xuids::Class_AutonymSaver)) {
      return AnswerAs<Prjrep::ISaveAutonym>(this, iid);
    }
    if (iid == Prjrep::IName::kIID) return static_cast<Prjrep::IName*>(this);
    return AnswerAs<Prjrep::IAutonym>(this, iid);
  }
  CitI::Status SetName(const Port::StringBase& name) override {
    Repository().autonymNames.push_back(name.str());
    return 1;
  }
  CitI::Status GetName(Port::StringBase&) override { return 0; }
  CitI::Status Find(Prjrep::IAutonym*, CitI::IInterface*& out) override {
    return HandOut(out, Repository().repositoryExists ? TheRepository() : nullptr);
  }
  CitI::Status Create(Prjrep::IAutonym*, CitI::IInterface*, CitI::IInterface*& out) override {
    ++Repository().creates;
    return HandOut(out, TheRepository());
  }
  CitI::Status GetConfiguration(CitI::IInterface* repository, CitI::IInterface*& out) override {
    Repository().savedFrom.push_back(repository);
    return HandOut(out, Repository().configuration);
  }

 private:
  Port::XUID m_role;
};

class Factory final : public CitI::IFactory, public ZoreTest::SelfCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return AnswerAs<CitI::IFactory>(this, iid);
  }
  CitI::IInterface* CreateInstance(const Port::XUID& role) override {
    const bool creatable =
        role == Port::XUID(Xuids::Class_Autonym) ||
        (role == Port::XUID(Xuids::Class_AutonymLookup) && Repository().lookupCreatable) ||
        (role == Port::XUID(Xuids::Class_AutonymSaver) && Repository().saverCreatable);
    return creatable ? static_cast<Prjrep::IAutonym*>(new AutonymService(role)) : nullptr;
  }
};

}  // namespace

CitI::IInterface* ModuleObject::QueryInterface(const Port::XUID& iid) {
  if (iid == Dpm::IProject::kIID && kind == kProject) return static_cast<Dpm::IProject*>(this);
  if (iid == Dpm::IProjectCompReference::kIID && kind == kReference) {
    return static_cast<Dpm::IProjectCompReference*>(this);
  }
  return AnswerAs<Prjrep::IName>(this, iid);
}

CitI::IInterface* Element::QueryInterface(const Port::XUID& iid) {
  return AnswerAs<Dpm::IConfigurationElement>(this, iid);
}

CitI::IInterface* Configuration::QueryInterface(const Port::XUID& iid) {
  if (iid == Dpm::IConfigurationElementIterator::kIID) {
    return static_cast<Dpm::IConfigurationElementIterator*>(this);
  }
  return AnswerAs<Dpm::IConfiguration>(this, iid);
}

CitI::Status Configuration::GetElements(Dpm::IConfigurationElementIterator*& out) {
  Prjrep::AddRefTo(static_cast<Dpm::IConfiguration*>(this));
  return Answer(out, static_cast<Dpm::IConfigurationElementIterator*>(this));
}

CitI::IInterface* Helper::QueryInterface(const Port::XUID& iid) {
  if (iid == IDesignDataLookup::kIID) return static_cast<IDesignDataLookup*>(this);
  return AnswerAs<Dpm::IProjectHelper>(this, iid);
}

CitI::Status Helper::GetDesignData(CitI::IInterface*& out) {
  return HandOut(out, static_cast<IDesignDataLookup*>(this));
}

CitI::Status Helper::Lookup(const Port::StringBase& name, CitI::IInterface*& out) {
  looked.push_back(name.str());
  return HandOut(out, name.str() == "Configuration" ? configuration : nullptr);
}

RepositorySettings& Repository() {
  static RepositorySettings settings;
  return settings;
}

CitI::IInterface* TheRepository() {
  static auto* repository = new RepositoryObject();  // lives for the process
  return static_cast<Prjrep::IProjectRepository*>(repository);
}

void Install() {
  if (!CitP::Factory::IsRegistered(Port::XUID(Xuids::Class_Autonym))) {
    auto* factory = new Factory();
    for (Port::XuidWords cls :
         {Xuids::Class_Autonym, Xuids::Class_AutonymLookup, Xuids::Class_AutonymSaver}) {
      CitP::Factory::RegisterFactory(Port::XUID(cls), factory);
    }
    factory->Release();  // the registry holds it now
  }
  Repository() = RepositorySettings();
}

}  // namespace FakeConfiguration
