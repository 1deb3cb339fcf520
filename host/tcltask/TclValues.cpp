// Tcl objects held by the helper objects: property values and collections.
#include <tcl.h>

#include "tcltask/TclHelpers.h"

namespace Tcltask {

HeldObj::~HeldObj() {
  if (m_obj) Tcl_DecrRefCount(m_obj);
}

void HeldObj::Set(Tcl_Obj* obj, const char* kind) {
  // The new value first: `obj` may be the one held now.
  if (obj) Tcl_IncrRefCount(obj);
  if (m_obj) Tcl_DecrRefCount(m_obj);
  m_obj = obj;
  m_kind = obj ? kind : kKindNone;
}

Tcl_Obj* NewStringList(const std::vector<std::string>& items) {
  Tcl_Obj* list = Tcl_NewListObj(0, nullptr);
  for (const std::string& item : items) {
    Tcl_ListObjAppendElement(nullptr, list,
                             Tcl_NewStringObj(item.data(), static_cast<int>(item.size())));
  }
  return list;
}

CitI::Status PropertyValue::SetString(const Port::StringBase& value) {
  m_value.Set(Tcl_NewStringObj(value.c_str(), static_cast<int>(value.Length())), kKindString);
  return 1;
}

CitI::Status PropertyValue::SetBool(bool value) {
  m_value.Set(Tcl_NewBooleanObj(value), kKindBool);
  return 1;
}

CitI::Status PropertyValue::SetCollection(CitI::IInterface* result) {
  auto* list = CitI::QueryAs<ITclObjValue>(result);
  if (!list || !list->GetObj()) return 0;
  m_value.Set(list->GetObj(), kKindCollection);
  return 1;
}

CitI::Status Collection::Add(UtilI::ITclCollectable* member) {
  if (!member) return 0;
  m_identifiers.push_back(member->GetIdentifier().str());
  return 1;
}

CitI::Status Collection::GetResult(CitI::IInterface*& out) {
  auto* result = new CollectionResult();
  result->SetObj(NewStringList(m_identifiers), kKindCollection);
  out = static_cast<ITclCollectionResult*>(result);
  return 1;
}

CitI::Status PropertyRegistry::RegisterProperty(const Port::StringBase& name) {
  if (m_known.insert(name.str()).second) m_names.push_back(name.str());
  return 1;
}

CitI::Status PropertyRegistry::Query(CitI::IInterface* query) {
  auto* value = CitI::QueryAs<ITclObjValue>(query);
  if (!value) return 0;
  value->SetObj(NewStringList(m_names), kKindList);
  return 1;
}

}  // namespace Tcltask
