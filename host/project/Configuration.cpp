// The configuration's elements and module objects, and the design data that
// hands the configuration out.
#include "project/Configuration.h"

#include <vector>

#include "CitI/TCursor.h"
#include "Prjrep/IAutonym.h"
#include "project/PRSolution.h"
#include "project/ProjectTexts.h"

namespace HostProject {

namespace {

/// The project implementing a module elsewhere, known by its location.
class ModuleProject final : public HostModel::TServiceObject<Dpm::IProject> {
 public:
  explicit ModuleProject(const Port::StringBase& location) : m_location(location) {}
  CitI::Status GetLocation(Port::StringBase& out) override {
    out = m_location;
    return 1;
  }

 private:
  ~ModuleProject() override = default;
  Port::StringBase m_location;
};

/// What every module object answers: its name, which is fixed.
template <class Project>
class TModuleObject : public HostModel::TServiceObject<Prjrep::IName, Project> {
 public:
  TModuleObject(const Port::StringBase& name, const Port::StringBase& location)
      : m_name(name), m_location(location) {}
  CitI::Status SetName(const Port::StringBase&) override { return 0; }
  CitI::Status GetName(Port::StringBase& out) override {
    out = m_name;
    return 1;
  }

 protected:
  ~TModuleObject() override = default;
  Port::StringBase m_name;
  Port::StringBase m_location;
};

/// A module this project implements: the object is the project.
class OwnModule final : public TModuleObject<Dpm::IProject> {
 public:
  using TModuleObject::TModuleObject;
  CitI::Status GetLocation(Port::StringBase& out) override {
    out = m_location;
    return 1;
  }
};

/// A module another project implements: the object refers to it.
class ReferencedModule final : public TModuleObject<Dpm::IProjectCompReference> {
 public:
  using TModuleObject::TModuleObject;
  CitI::Status GetProject(Dpm::IProject*& out) override {
    out = new ModuleProject(m_location);  // the caller's reference
    return 1;
  }
};

class Element final : public HostModel::TServiceObject<Dpm::IConfigurationElement> {
 public:
  /// The static-logic element, without PR module, implemented by this project.
  static Prjrep::AutoRelease<Element> StaticLogic(const Port::StringBase& location) {
    return Prjrep::AutoRelease<Element>::Adopting(
        new Element(true, {}, static_cast<Prjrep::IName*>(new OwnModule({}, location))));
  }
  /// The element of a reconfigurable module of the project at `location`.
  static Prjrep::AutoRelease<Element> Of(const HostModel::ModuleAssignment& module,
                                         const Port::StringBase& location) {
    CitI::IInterface* object =
        module.location.IsEmpty()
            ? static_cast<Prjrep::IName*>(new OwnModule(module.moduleName, location))
            : static_cast<Prjrep::IName*>(new ReferencedModule(module.moduleName, module.location));
    return Prjrep::AutoRelease<Element>::Adopting(
        new Element(false, PRModule::Create(module.partition), object));
  }

  CitI::Status GetStaticLogic(bool& out) override {
    out = m_isStatic;
    return 1;
  }
  CitI::Status GetPRModule(Dpm::IPRModule*& out) override {
    out = m_prModule.get();
    Prjrep::AddRefTo(out);  // the caller's reference
    return out ? 1 : 0;
  }
  CitI::Status GetModule(CitI::IInterface*& out) override {
    out = m_module.get();
    Prjrep::AddRefTo(out);  // the caller's reference
    return 1;
  }

 private:
  Element(bool isStatic, Prjrep::AutoRelease<PRModule> prModule, CitI::IInterface* module)
      : m_isStatic(isStatic), m_prModule(std::move(prModule)) {
    m_module.Adopt(module);
  }
  ~Element() override = default;

  bool m_isStatic;
  Prjrep::AutoRelease<PRModule> m_prModule;
  Prjrep::AutoRelease<CitI::IInterface> m_module;
};

class ElementIterator final
    : public CitI::TCursor<HostModel::TServiceObject<Dpm::IConfigurationElementIterator>,
                           Prjrep::AutoRelease<Element>> {
 public:
  explicit ElementIterator(std::vector<Prjrep::AutoRelease<Element>> elements) {
    items = std::move(elements);
  }

  Dpm::IConfigurationElement* GetCurrent() override {
    const Prjrep::AutoRelease<Element>* element = Current();
    return element ? element->get() : nullptr;
  }

 private:
  ~ElementIterator() override = default;
};

}  // namespace

Prjrep::AutoRelease<Configuration> Configuration::Create(const Port::StringBase& location,
                                                         HostModel::Configuration modules) {
  return Prjrep::AutoRelease<Configuration>::Adopting(
      new Configuration(location, std::move(modules)));
}

CitI::Status Configuration::GetElements(Dpm::IConfigurationElementIterator*& out) {
  std::vector<Prjrep::AutoRelease<Element>> elements;
  elements.push_back(Element::StaticLogic(m_location));
  for (const HostModel::ModuleAssignment& module : m_modules) {
    elements.push_back(Element::Of(module, m_location));
  }
  out = new ElementIterator(std::move(elements));  // the caller's reference
  return 1;
}

Prjrep::AutoRelease<DesignData> DesignData::Create(const Port::StringBase& location,
                                                   const HostModel::Configuration& modules) {
  return Prjrep::AutoRelease<DesignData>::Adopting(new DesignData(location, modules));
}

CitI::Status DesignData::GetDesignData(CitI::IInterface*& out) {
  out = static_cast<IDesignDataLookup*>(this);
  Prjrep::AddRefTo(out);  // the caller's reference
  return 1;
}

CitI::Status DesignData::Lookup(const Port::StringBase& name, CitI::IInterface*& out) {
  out = nullptr;
  if (name.Compare(kConfigurationName) != 0) return 0;
  out = static_cast<Dpm::IConfiguration*>(Configuration::Create(m_location, m_modules).Detach());
  return 1;
}

}  // namespace HostProject
