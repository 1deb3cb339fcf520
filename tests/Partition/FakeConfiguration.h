// Light stand-ins for a design project's partial-reconfiguration
// configuration: module objects, configuration elements, the configuration
// with its element iterator, the project helper that is its own design data,
// and the autonym services of the repository route.
//
// All but the services are owned by the test and count the references others
// take (FakeServices::StackCounted checks at their end that every one was
// dropped). The autonym service classes are registered once; Repository()
// says what they hand out.
#pragma once

#include <string>
#include <vector>

#include "Dpm/IConfiguration.h"
#include "Partition/FakeServices.h"
#include "Prjrep/IAutonym.h"

namespace FakeConfiguration {

using FakeServices::Answer;
using FakeServices::HandOut;
using FakeServices::StackCounted;

/// A module object: always named; a project itself, or a reference to one.
class ModuleObject final : public Prjrep::IName,
                           public Dpm::IProject,
                           public Dpm::IProjectCompReference,
                           public StackCounted {
 public:
  enum Kind { kNameOnly, kProject, kReference };
  ModuleObject(std::string name, Kind kind) : name(std::move(name)), kind(kind) {}
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override;
  CitI::Status SetName(const Port::StringBase& n) override { return Answer(name, n.str()); }
  CitI::Status GetName(Port::StringBase& out) override { return Answer(out, name.c_str()); }
  CitI::Status GetLocation(Port::StringBase& out) override { return Answer(out, location.c_str()); }
  CitI::Status GetProject(Dpm::IProject*& out) override { return HandOut(out, referenced); }

  std::string name;
  Kind kind;
  std::string location;                 // as a project
  Dpm::IProject* referenced = nullptr;  // as a reference
};

class Element final : public Dpm::IConfigurationElement, public StackCounted {
 public:
  Element(bool isStatic, FakeServices::Module* prModule, ModuleObject* module)
      : isStatic(isStatic), prModule(prModule), module(module) {}
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override;
  CitI::Status GetStaticLogic(bool& out) override { return Answer(out, isStatic); }
  CitI::Status GetPRModule(Dpm::IPRModule*& out) override { return HandOut(out, prModule); }
  CitI::Status GetModule(CitI::IInterface*& out) override {
    return HandOut(out, static_cast<Prjrep::IName*>(module));
  }

  bool isStatic;
  FakeServices::Module* prModule;
  ModuleObject* module;
};

/// The configuration, which is its own element iterator.
class Configuration final : public Dpm::IConfiguration,
                            public Dpm::IConfigurationElementIterator,
                            public StackCounted {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override;
  CitI::Status GetElements(Dpm::IConfigurationElementIterator*& out) override;
  Dpm::IConfigurationElement* GetCurrent() override { return elements.at(at); }
  CitI::Status First() override { return Answer(at, 0u); }
  CitI::Status Next() override { return Answer(at, at + 1); }
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
  int creates = 0;                            // repositories created by the lookup
  std::vector<CitI::IInterface*> savedFrom;   // repositories passed to the saver
};
RepositorySettings& Repository();
/// The one repository object the lookup hands out.
CitI::IInterface* TheRepository();
/// Registers the autonym service classes (once) and resets the settings.
void Install();

}  // namespace FakeConfiguration
