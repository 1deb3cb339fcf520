// What every object of the host's project services stands on: one reference
// counter answered through both CommonI::IRefCount and Prjrep::IRefCount (the
// library drops project objects through the latter), a count of live objects
// that tests read to prove nothing leaked, interface lookup as a list of
// interfaces, and a holder for the host's own references.
//
//   class PRModule final : public Dpm::IPRModule, public THostRefCount<PRModule> {
//     CitI::IInterface* QueryInterface(const Port::XUID& iid) override {
//       return AnswerFirst<Dpm::IPRModule, CommonI::IRefCount, Prjrep::IRefCount>(this, iid);
//     }
//   };
#pragma once

#include <tuple>
#include <utility>

#include "CommonI/IRefCount.h"
#include "Port/SafeCount.h"
#include "Prjrep/IRefCount.h"

namespace HostProject {

/// Objects of the project services alive now (factories not counted).
int LiveObjects();

namespace detail {
void NoteConstructed();
void NoteDestroyed();
}  // namespace detail

/// The one reference counter of a host object of type Derived, which starts
/// with the creator's reference. `Counted` objects show in LiveObjects.
template <class Derived, bool Counted = true>
class THostRefCount : public CommonI::IRefCount, public Prjrep::IRefCount {
 public:
  // One operation answers the same slot of both counting interfaces.
  CitI::Status AddRef() override {
    Port::SafeIncr(m_count);
    return 1;
  }
  CitI::Status Release() override {
    if (Port::SafeDecr(m_count) == 0) {
      m_count = 1;  // stable while the destructor runs
      delete static_cast<Derived*>(this);
    }
    return 1;
  }
  CitI::Status GetRefCount(int& out) override {
    out = m_count;
    return 1;
  }

 protected:
  THostRefCount() {
    if (Counted) detail::NoteConstructed();
  }
  ~THostRefCount() override {
    if (Counted) detail::NoteDestroyed();
  }

 private:
  int m_count = 1;
};

/// The first of `Interfaces` whose identity is `iid`, on `self`; the
/// CitI::IInterface identity is answered by the first of them. Adds no
/// reference.
template <class... Interfaces, class Self>
CitI::IInterface* AnswerFirst(Self* self, const Port::XUID& iid) {
  using First = std::tuple_element_t<0, std::tuple<Interfaces...>>;
  CitI::IInterface* found = nullptr;
  ((found = (!found && iid == Interfaces::kIID) ? static_cast<Interfaces*>(self) : found), ...);
  if (!found && iid == CitI::IInterface::kIID) found = static_cast<First*>(self);
  return found;
}

/// Owns one reference on a host object of class T, seen as itself.
template <class T>
class HostRef {
 public:
  HostRef() = default;
  HostRef(const HostRef& other) : m_ptr(other.m_ptr) {
    if (m_ptr) m_ptr->AddRef();
  }
  HostRef(HostRef&& other) noexcept : m_ptr(std::exchange(other.m_ptr, nullptr)) {}
  ~HostRef() {
    if (m_ptr) m_ptr->Release();
  }
  HostRef& operator=(HostRef other) noexcept {
    std::swap(m_ptr, other.m_ptr);
    return *this;
  }

  /// Takes over the reference a new object starts with.
  static HostRef Adopt(T* p) {
    HostRef r;
    r.m_ptr = p;
    return r;
  }

  T* get() const { return m_ptr; }
  T* operator->() const { return m_ptr; }
  T& operator*() const { return *m_ptr; }
  explicit operator bool() const { return m_ptr != nullptr; }

 private:
  T* m_ptr = nullptr;
};

}  // namespace HostProject
