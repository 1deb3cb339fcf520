// Reference counting of the project-repository and design-project objects,
// and the holders the library keeps them in.
//
// Such an object is dropped by asking it for Prjrep::IRefCount and calling
// Release; only an object that does not answer it is dropped through
// CommonI::IRefCount.
//
// The library drops by this rule the service objects it creates through the
// registry (current project, solution helper, autonyms and their lookup, the
// autonym saver), the design project it looks up, and what those hand out
// (Dpm/IHDProject.h, Dpm/IPRSolution.h, Dpm/IConfiguration.h,
// Prjrep/IAutonym.h), except the partitions a project hands out
// (IPartitionIterator, GetParentPartition), which it drops through
// CommonI::IRefCount. The reference an object is created with may be dropped
// either way: an object answering both interfaces counts them on one
// counter. Nothing here throws.
#pragma once

#include <utility>

#include "CitI/IInterface.h"
#include "CommonI/IRefCount.h"

namespace Prjrep {

class IRefCount : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Prjrep_IRefCount)
  virtual CitI::Status AddRef() = 0;   // slot 2
  virtual CitI::Status Release() = 0;  // slot 3
};

/// Adds a reference by the project services' rule; null is skipped.
template <class Object>
void AddRefTo(Object* object) {
  if (!object) return;
  if (IRefCount* rc = CitI::QueryAs<IRefCount>(object)) {
    rc->AddRef();
  } else {
    CommonI::AddRefTo(object);
  }
}

/// Drops a reference by the project services' rule; null is skipped.
template <class Object>
void ReleaseFrom(Object* object) {
  if (!object) return;
  if (IRefCount* rc = CitI::QueryAs<IRefCount>(object)) {
    rc->Release();
  } else {
    CommonI::ReleaseFrom(object);
  }
}

/// A pointer obtained by QueryInterface, held without a reference.
template <class T>
class AutoCast {
 public:
  explicit AutoCast(CitI::IInterface* object) : m_ptr(CitI::QueryAs<T>(object)) {}
  T* get() const { return m_ptr; }
  T* operator->() const { return m_ptr; }
  explicit operator bool() const { return m_ptr != nullptr; }

 private:
  T* m_ptr;
};

/// Owns one reference on a project-service object, seen as T.
template <class T>
class AutoRelease {
 public:
  AutoRelease() = default;
  AutoRelease(const AutoRelease&) = delete;
  AutoRelease& operator=(const AutoRelease&) = delete;
  AutoRelease(AutoRelease&& other) noexcept : m_ptr(std::exchange(other.m_ptr, nullptr)) {}
  AutoRelease& operator=(AutoRelease&& other) noexcept {
    if (this != &other) Adopt(std::exchange(other.m_ptr, nullptr));
    return *this;
  }
  ~AutoRelease() { Prjrep::ReleaseFrom(m_ptr); }

  /// A holder taking over the reference a new object starts with.
  static AutoRelease Adopting(T* p) {
    AutoRelease held;
    held.m_ptr = p;
    return held;
  }

  /// Takes over a reference the caller owns (an out argument's result).
  void Adopt(T* p) {
    T* old = std::exchange(m_ptr, p);
    Prjrep::ReleaseFrom(old);
  }
  /// Holds `p` with a reference of its own.
  void Share(T* p) {
    Prjrep::AddRefTo(p);
    Adopt(p);
  }
  /// Gives the reference to the caller.
  T* Detach() { return std::exchange(m_ptr, nullptr); }
  void Reset() { Adopt(nullptr); }

  /// An out argument: whatever the callee stores is adopted. The previous
  /// object is dropped first.
  T*& Out() {
    Reset();
    return m_ptr;
  }

  T* get() const { return m_ptr; }
  T* operator->() const { return m_ptr; }
  explicit operator bool() const { return m_ptr != nullptr; }

 private:
  T* m_ptr = nullptr;
};

}  // namespace Prjrep
