// Root interfaces of every component. The host calls operations by slot, so
// the order of declaration is binding. Slot 1 is the virtual destructor; in
// the Itanium C++ ABI it fills two table entries, so an operation of slot
// n >= 2 sits at table index n + 1.
#pragma once

#include <cstdint>

#include "Port/XUID.h"
#include "Xuids.h"

/// Declares the Xuids-table entry of an interface: QueryAs<T> and the holders
/// ask T for it, so a type without one cannot be asked for.
#define ZORE_INTERFACE_XUID(entry) static constexpr Port::XuidWords kIID = Xuids::entry;

/// A slot the host numbers but this library never calls: it keeps the
/// operations after it at their numbers.
#define ZORE_RESERVED_SLOT(n) \
  virtual CitI::Status ReservedSlot##n() { return 0; }

namespace CitI {

/// Status of an interface operation: 1 success, 0 failure; callers test for 1.
using Status = std::int64_t;

class IInterface {
 public:
  ZORE_INTERFACE_XUID(CitI_IInterface)
  /// Slot 0: the object implementing `iid` for this component, or null.
  /// Never adds a reference.
  virtual IInterface* QueryInterface(const Port::XUID& iid) = 0;
  /// Slot 1.
  virtual ~IInterface() = default;
};

class IFactory : public IInterface {
 public:
  ZORE_INTERFACE_XUID(CitI_IFactory)
  /// Slot 2: a new object of `classXuid` holding one reference for the
  /// caller, or null when this factory does not make that class.
  virtual IInterface* CreateInstance(const Port::XUID& classXuid) = 0;
};

/// Asks `object` (any interface, or an object implementing several) for
/// interface T; null stays null. Adds no reference.
template <class T, class Object>
T* QueryAs(Object* object) {
  return object ? static_cast<T*>(object->QueryInterface(Port::XUID(T::kIID))) : nullptr;
}

}  // namespace CitI
