// Light stand-ins for a design project's partial-reconfiguration
// configuration: module objects, configuration elements, the configuration
// with its element iterator, the design data and project helper that lead to
// it, and the autonym services of the repository route.
//
// All are owned by the test and count the references others take
// (FakeServices::StackCounted checks at their end that every one was
// dropped). The three autonym classes are registered once; RepositorySettings
// says what they hand out.
#pragma once

#include <string>
#include <vector>

#include "Dpm/IConfiguration.h"
#include "Partition/FakeServices.h"
#include "Prjrep/IAutonym.h"

namespace FakeConfiguration {

using FakeServices::StackCounted;

/// A module object: always named; optionally a project itself, or a
/// reference to another project.
class ModuleObject final : public Prjrep::IName,
                           public Dpm::IProject,
                           public Dpm::IProjectCompReference,
                           public StackCounted {
 public:
  enum Kind { kNameOnly, kProject, kReference };
  ModuleObject(std::string name, Kind kind) : name(std::move(name)), kind(kind) {}
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override;
  CitI::Status SetName(const Port::StringBase& n) override {
    name = n.str();
    return 1;
  }
  CitI::Status GetName(Port::StringBase& out) override {
    out = name.c_str();
    return 1;
  }
  CitI::Status GetLocation(Port::StringBase& out) override {
    out = location.c_str();
    return 1;
  }
  CitI::Status GetProject(Dpm::IProject*& out) override {
    out = referenced;
    Prjrep::AddRefTo(out);
    return out ? 1 : 0;
  }

  std::string name;
  Kind kind;
  std::string location;                 // as a project
  Dpm::IProject* referenced = nullptr;  // as a reference
};

class Element final : public Dpm::IConfigurationElement, public StackCounted {
 public:
  Element(bool isStatic, FakeServices::Module* prModule, CitI::IInterface* module)
      : isStatic(isStatic), prModule(prModule), module(module) {}
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override;
  CitI::Status GetStaticLogic(bool& out) override {
    out = isStatic;
    return 1;
  }
  CitI::Status GetPRModule(Dpm::IPRModule*& out) override;
  CitI::Status GetModule(CitI::IInterface*& out) override {
    out = module;
    Prjrep::AddRefTo(out);
    return 1;
  }
  bool isStatic;
  FakeServices::Module* prModule;
  CitI::IInterface* module;
};

/// The configuration and its one element iterator.
class Configuration final : public Dpm::IConfiguration,
                            public Dpm::IConfigurationElementIterator,
                            public StackCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override;
  CitI::Status GetElements(Dpm::IConfigurationElementIterator*& out) override {
    out = this;
    Prjrep::AddRefTo(static_cast<Dpm::IConfiguration*>(this));
    return 1;
  }
  Dpm::IConfigurationElement* GetCurrent() override { return elements.at(at); }
  CitI::Status First() override {
    at = 0;
    return 1;
  }
  CitI::Status Next() override {
    ++at;
    return 1;
  }
  bool IsDone() override { return at >= elements.size(); }

  std::vector<Element*> elements;
  std::size_t at = 0;
};

/// The project helper, which is also its own design data.
class Helper final : public Dpm::IProjectHelper, public IDesignDataLookup, public StackCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override;
  CitI::Status GetDesignData(CitI::IInterface*& out) override;
  CitI::Status Lookup(const Port::StringBase& name, CitI::IInterface*& out) override;

  CitI::IInterface* configuration = nullptr;
  std::vector<std::string> looked;  // names asked of the design data
};

/// What the registered autonym services do; reset by Install().
struct RepositorySettings {
  bool lookupCreatable = false;
  bool saverCreatable = false;
  bool repositoryExists = false;              // the lookup finds it; else only Create yields it
  CitI::IInterface* configuration = nullptr;  // what the saver yields
  std::vector<std::string> autonymNames;      // names given to autonyms
  int creates = 0;                            // lookup operation 6 calls
  std::vector<CitI::IInterface*> savedFrom;   // repositories passed to the saver
};
RepositorySettings& Repository();
/// The one repository object the lookup hands out.
CitI::IInterface* TheRepository();
/// Registers the autonym service classes (once) and resets the settings.
void Install();

}  // namespace FakeConfiguration
