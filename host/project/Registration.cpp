// The factories of the host's service classes and their registration.
#include "project/Registration.h"

#include "CitP/Factory.h"
#include "project/CurrentProject.h"
#include "project/PRSolution.h"

namespace HostProject {

namespace {

/// Makes objects of class T (registered under T::kClass). Factories live in
/// the registry and are not counted as live objects.
template <class T>
class THostFactory final : public CitI::IFactory, public THostRefCount<THostFactory<T>, false> {
 public:
  CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
    return AnswerFirst<CitI::IFactory, CommonI::IRefCount>(this, iid);
  }
  CitI::IInterface* CreateInstance(const Port::XUID& classXuid) override {
    if (classXuid != Port::XUID(T::kClass)) return nullptr;
    return (new T())->QueryInterface(Port::XUID(CitI::IInterface::kIID));
  }
};

template <class T>
bool Register() {
  HostRef<THostFactory<T>> factory = HostRef<THostFactory<T>>::Adopt(new THostFactory<T>());
  const Port::XUID classXuid(T::kClass);
  CitP::Factory::RegisterFactory(classXuid, factory.get());  // takes its own reference
  return CitP::Factory::IsRegistered(classXuid);
}

}  // namespace

bool RegisterClasses() {
  bool known = Register<CurrentProjectService>();
  known = Register<PRSolutionHelper>() && known;
  return known;
}

}  // namespace HostProject
