// The objects of our host's Tcl helper library, "libTcltask_Helpers", which
// the partition library creates through the registry to carry a collectable
// object's properties:
//
//  - PropertyRegistry: the property names a collectable object registered,
//    in order; its query (operation 4) fills a value object with them.
//  - PropertyValue: one property's value as a Tcl object: a string, a
//    boolean or a list of object handles.
//  - Collection: collectable objects gathered one by one; its result is a
//    CollectionResult holding the list of their identifiers.
//
// Every object counts in HostModel::LiveObjects while it lives. A Tcl
// object is held with a reference of its own and dropped with the holder.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "Tcltask/ITclHelpers.h"
#include "model/ServiceObject.h"
#include "tcltask/TclObjValue.h"

namespace Tcltask {

/// One counted reference on a Tcl object, and the kind of value it is.
class HeldObj {
 public:
  HeldObj() = default;
  ~HeldObj();
  HeldObj(const HeldObj&) = delete;
  HeldObj& operator=(const HeldObj&) = delete;
  void Set(Tcl_Obj* obj, const char* kind);
  Tcl_Obj* Get() const { return m_obj; }
  const char* Kind() const { return m_kind; }

 private:
  Tcl_Obj* m_obj = nullptr;
  const char* m_kind = kKindNone;
};

class PropertyValue final : public HostModel::TServiceObject<ITclPropertyValue, ITclObjValue> {
 public:
  static Port::XUID ClassXuid() { return Port::XUID(Xuids::Class_TclPropertyValue); }
  PropertyValue() = default;

  CitI::Status SetString(const Port::StringBase& value) override;
  CitI::Status SetBool(bool value) override;
  /// Takes the list a collection result holds; 0 for another object.
  CitI::Status SetCollection(CitI::IInterface* result) override;

  Tcl_Obj* GetObj() override { return m_value.Get(); }
  void SetObj(Tcl_Obj* obj, const char* kind) override { m_value.Set(obj, kind); }
  const char* GetKind() override { return m_value.Kind(); }

 private:
  ~PropertyValue() override = default;
  HeldObj m_value;
};

class CollectionResult final
    : public HostModel::TServiceObject<ITclCollectionResult, ITclObjValue> {
 public:
  CollectionResult() = default;
  Tcl_Obj* GetObj() override { return m_list.Get(); }
  void SetObj(Tcl_Obj* obj, const char* kind) override { m_list.Set(obj, kind); }
  const char* GetKind() override { return m_list.Kind(); }

 private:
  ~CollectionResult() override = default;
  HeldObj m_list;
};

class Collection final : public HostModel::TServiceObject<ITclCollection> {
 public:
  static Port::XUID ClassXuid() { return Port::XUID(Xuids::Class_TclCollection); }
  Collection() = default;

  /// Adds the member's identifier ("partition:/top/u1"); 0 for null.
  CitI::Status Add(UtilI::ITclCollectable* member) override;
  /// A new CollectionResult holding the identifiers in the order added.
  CitI::Status GetResult(CitI::IInterface*& out) override;

 private:
  ~Collection() override = default;
  std::vector<std::string> m_identifiers;
};

class PropertyRegistry final : public HostModel::TServiceObject<ITclPropertyRegistry> {
 public:
  static Port::XUID ClassXuid() { return Port::XUID(Xuids::Class_TclPropertyRegistry); }
  PropertyRegistry() = default;

  /// Registers a name once; a name registered again keeps its first place.
  CitI::Status RegisterProperty(const Port::StringBase& name) override;
  /// `query` is an object answering ITclObjValue (a property value object):
  /// it receives the list of the names registered, in order. 0 for another.
  CitI::Status Query(CitI::IInterface* query) override;

 private:
  ~PropertyRegistry() override = default;
  std::vector<std::string> m_names;
  std::unordered_set<std::string> m_known;
};

/// A Tcl list of `items`, each a string element.
Tcl_Obj* NewStringList(const std::vector<std::string>& items);

}  // namespace Tcltask
