// Reference counting of components and the holder that does it.
//
// QueryInterface never adds a reference. To keep a pointer, ask it for
// IRefCount and AddRef; to drop it, ask again and Release. RefCountPtr<T>
// does exactly that on copy, assignment and destruction:
//
//   CommonI::RefCountPtr<ZavU::IPartition> part(CitI::QueryAs<ZavU::IPartition>(obj));
//   // part holds its own reference; it drops it when it goes out of use.
#pragma once

#include <utility>

#include "CitI/IInterface.h"

namespace CommonI {

class IRefCount : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(CommonI_IRefCount)
  virtual CitI::Status AddRef() = 0;                 // slot 2
  virtual CitI::Status Release() = 0;                // slot 3
  virtual CitI::Status GetRefCount(int& count) = 0;  // slot 4
};

/// Adds one reference to the component behind `object`; null is skipped.
template <class Object>
void AddRefTo(Object* object) {
  if (IRefCount* rc = CitI::QueryAs<IRefCount>(object)) rc->AddRef();
}
/// Drops one reference from the component behind `object`; null is skipped.
template <class Object>
void ReleaseFrom(Object* object) {
  if (IRefCount* rc = CitI::QueryAs<IRefCount>(object)) rc->Release();
}

/// Owns one reference on a component, seen through interface T.
template <class T>
class RefCountPtr {
 public:
  RefCountPtr() = default;
  RefCountPtr(std::nullptr_t) {}  // NOLINT: implicit by design
  /// Takes a reference of its own on `p`.
  explicit RefCountPtr(T* p) : m_ptr(p) { CommonI::AddRefTo(m_ptr); }
  RefCountPtr(const RefCountPtr& other) : m_ptr(other.m_ptr) { CommonI::AddRefTo(m_ptr); }
  RefCountPtr(RefCountPtr&& other) noexcept : m_ptr(std::exchange(other.m_ptr, nullptr)) {}
  ~RefCountPtr() { CommonI::ReleaseFrom(m_ptr); }

  RefCountPtr& operator=(RefCountPtr other) noexcept {
    std::swap(m_ptr, other.m_ptr);
    return *this;
  }

  /// Takes over a reference the caller already owns (an out argument, the
  /// result of CreateInstance) without adding one.
  static RefCountPtr Adopt(T* p) {
    RefCountPtr r;
    r.m_ptr = p;
    return r;
  }
  /// Gives up the reference to the caller, who must drop it.
  T* Detach() { return std::exchange(m_ptr, nullptr); }
  void Reset() { RefCountPtr().swap(*this); }
  void swap(RefCountPtr& other) noexcept { std::swap(m_ptr, other.m_ptr); }

  T* get() const { return m_ptr; }
  T* operator->() const { return m_ptr; }
  explicit operator bool() const { return m_ptr != nullptr; }

  /// The same component seen through interface U, with a reference of its own.
  template <class U>
  RefCountPtr<U> As() const {
    return RefCountPtr<U>(CitI::QueryAs<U>(m_ptr));
  }

 private:
  T* m_ptr = nullptr;
};

}  // namespace CommonI
