// The fake configuration objects and autonym services (see FakeConfiguration.h).
#include "Partition/FakeConfiguration.h"

#include "CitP/Factory.h"
#include "support/FakeAnswer.h"
#include "support/SelfCounted.h"

namespace FakeConfiguration {

namespace {

/// `self` seen as I, answering the root and both reference-count interfaces.
template <class I, class Self>
CitI::IInterface* Root(Self* self, const Port::XUID& iid) {
  if (iid == CitI::IInterface::kIID) return static_cast<I*>(self);
  if (iid == CommonI::IRefCount::kIID) return static_cast<CommonI::IRefCount*>(self);
  if (iid == Prjrep::IRefCount::kIID) return static_cast<Prjrep::IRefCount*>(self);
  return nullptr;
}

class RepositoryObject final : public Prjrep::IProjectRepository, public StackCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    if (iid == Prjrep::IProjectRepository::kIID)
      return static_cast<Prjrep::IProjectRepository*>(this);
    return Root<Prjrep::IProjectRepository>(this, iid);
  }
};

class Autonym final : public Prjrep::IAutonym, public Prjrep::IName, public ZoreTest::SelfCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    if (iid == Prjrep::IAutonym::kIID || iid == CitI::IInterface::kIID) {
      return static_cast<Prjrep::IAutonym*>(this);
    }
    if (iid == Prjrep::IName::kIID) return static_cast<Prjrep::IName*>(this);
    if (iid == CommonI::IRefCount::kIID) return static_cast<CommonI::IRefCount*>(this);
    return nullptr;
  }
  CitI::Status SetName(const Port::StringBase& name) override {
    Repository().autonymNames.push_back(name.str());
    return 1;
  }
  CitI::Status GetName(Port::StringBase&) override { return 0; }
};

class AutonymLookup final : public Prjrep::IAutonymLookup, public ZoreTest::SelfCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    if (iid == Prjrep::IAutonymLookup::kIID || iid == CitI::IInterface::kIID) {
      return static_cast<Prjrep::IAutonymLookup*>(this);
    }
    if (iid == CommonI::IRefCount::kIID) return static_cast<CommonI::IRefCount*>(this);
    return nullptr;
  }
  CitI::Status Find(Prjrep::IAutonym*, CitI::IInterface*& out) override {
    out = Repository().repositoryExists ? TheRepository() : nullptr;
    Prjrep::AddRefTo(out);
    return out ? 1 : 0;
  }
  CitI::Status Create(Prjrep::IAutonym*, CitI::IInterface*, CitI::IInterface*& out) override {
    ++Repository().creates;
    out = TheRepository();
    Prjrep::AddRefTo(out);
    return 1;
  }
};

class Saver final : public Prjrep::ISaveAutonym, public ZoreTest::SelfCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    if (iid == Prjrep::ISaveAutonym::kIID || iid == CitI::IInterface::kIID) {
      return static_cast<Prjrep::ISaveAutonym*>(this);
    }
    if (iid == CommonI::IRefCount::kIID) return static_cast<CommonI::IRefCount*>(this);
    return nullptr;
  }
  CitI::Status GetConfiguration(CitI::IInterface* repository, CitI::IInterface*& out) override {
    Repository().savedFrom.push_back(repository);
    out = Repository().configuration;
    Prjrep::AddRefTo(out);
    return out ? 1 : 0;
  }
};

class Factory final : public CitI::IFactory, public ZoreTest::SelfCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return ZoreTest::AnswerAs<CitI::IFactory>(this, iid);
  }
  CitI::IInterface* CreateInstance(const Port::XUID& classXuid) override {
    const RepositorySettings& s = Repository();
    if (classXuid == Port::XUID(Xuids::Class_Autonym)) {
      return static_cast<Prjrep::IAutonym*>(new Autonym());
    }
    if (classXuid == Port::XUID(Xuids::Class_AutonymLookup) && s.lookupCreatable) {
      return static_cast<Prjrep::IAutonymLookup*>(new AutonymLookup());
    }
    if (classXuid == Port::XUID(Xuids::Class_AutonymSaver) && s.saverCreatable)
      return static_cast<Prjrep::ISaveAutonym*>(new Saver());
    return nullptr;
  }
};

}  // namespace

CitI::IInterface* ModuleObject::QueryInterface(const Port::XUID& iid) {
  if (iid == Prjrep::IName::kIID) return static_cast<Prjrep::IName*>(this);
  if (iid == Dpm::IProject::kIID && kind == kProject) return static_cast<Dpm::IProject*>(this);
  if (iid == Dpm::IProjectCompReference::kIID && kind == kReference) {
    return static_cast<Dpm::IProjectCompReference*>(this);
  }
  return Root<Prjrep::IName>(this, iid);
}

CitI::IInterface* Element::QueryInterface(const Port::XUID& iid) {
  if (iid == Dpm::IConfigurationElement::kIID)
    return static_cast<Dpm::IConfigurationElement*>(this);
  return Root<Dpm::IConfigurationElement>(this, iid);
}

CitI::Status Element::GetPRModule(Dpm::IPRModule*& out) {
  out = prModule;
  Prjrep::AddRefTo(out);
  return out ? 1 : 0;
}

CitI::IInterface* Configuration::QueryInterface(const Port::XUID& iid) {
  if (iid == Dpm::IConfiguration::kIID) return static_cast<Dpm::IConfiguration*>(this);
  if (iid == Dpm::IConfigurationElementIterator::kIID) {
    return static_cast<Dpm::IConfigurationElementIterator*>(this);
  }
  return Root<Dpm::IConfiguration>(this, iid);
}

CitI::IInterface* Helper::QueryInterface(const Port::XUID& iid) {
  if (iid == Dpm::IProjectHelper::kIID) return static_cast<Dpm::IProjectHelper*>(this);
  if (iid == IDesignDataLookup::kIID) return static_cast<IDesignDataLookup*>(this);
  return Root<Dpm::IProjectHelper>(this, iid);
}

CitI::Status Helper::GetDesignData(CitI::IInterface*& out) {
  out = static_cast<IDesignDataLookup*>(this);
  Prjrep::AddRefTo(out);
  return 1;
}

CitI::Status Helper::Lookup(const Port::StringBase& name, CitI::IInterface*& out) {
  looked.push_back(name.str());
  out = name.str() == "Configuration" ? configuration : nullptr;
  Prjrep::AddRefTo(out);
  return out ? 1 : 0;
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
