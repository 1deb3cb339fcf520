// Objects of the host's Tcl helper library that carry a collectable
// object's property names and values.
//
// The host implements them, in libTcltask_Helpers, whose InstFactoryEntry
// registers Xuids::Class_TclPropertyRegistry, Class_TclPropertyValue and
// Class_TclCollection. The first time its properties are asked for
// (UtilI::ITclCollectable) a partition creates its registry and one value
// object per property, loading the library by name when a class is missing,
// and keeps them, one reference each, for its life. A collection is created
// for each request of a collection property (parent, children), and its
// library is not loaded for it. References are taken and dropped through
// CommonI::IRefCount. Statuses are not looked at but for Query's, which
// QueryProperties answers, and GetResult's; the library catches nothing
// these objects throw.
#pragma once

#include "CitI/IInterface.h"
#include "Port/StringBase.h"
#include "UtilI/ITclCollectable.h"

namespace Tcltask {

class ITclPropertyRegistry : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Tcltask_ITclPropertyRegistry)
  /// Called once per property when the registry is made, in the order the
  /// partition lists them.
  virtual CitI::Status RegisterProperty(const Port::StringBase& name) = 0;  // 2
  ZORE_RESERVED_SLOT(3)
  /// Receives, unchanged, what UtilI::ITclCollectable::QueryProperties is
  /// handed.
  virtual CitI::Status Query(CitI::IInterface* query) = 0;  // 4
};

/// One property's value, set anew by each successful request and handed to
/// the caller of UtilI::ITclCollectable::GetPropertyValue: the same object
/// every time.
class ITclPropertyValue : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Tcltask_ITclPropertyValue)
  ZORE_RESERVED_SLOT(2)
  ZORE_RESERVED_SLOT(3)
  ZORE_RESERVED_SLOT(4)
  ZORE_RESERVED_SLOT(5)
  ZORE_RESERVED_SLOT(6)
  ZORE_RESERVED_SLOT(7)
  ZORE_RESERVED_SLOT(8)
  ZORE_RESERVED_SLOT(9)
  virtual CitI::Status SetString(const Port::StringBase& value) = 0;  // 10
  ZORE_RESERVED_SLOT(11)
  virtual CitI::Status SetBool(bool value) = 0;  // 12
  ZORE_RESERVED_SLOT(13)
  ZORE_RESERVED_SLOT(14)
  ZORE_RESERVED_SLOT(15)
  ZORE_RESERVED_SLOT(16)
  ZORE_RESERVED_SLOT(17)
  ZORE_RESERVED_SLOT(18)
  ZORE_RESERVED_SLOT(19)
  /// `result` (a collection's GetResult) is lent for the call: keep a
  /// reference or a copy of what it holds.
  virtual CitI::Status SetCollection(CitI::IInterface* result) = 0;  // 20
};

class ITclCollection : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Tcltask_ITclCollection)
  ZORE_RESERVED_SLOT(2)
  /// `member` (a partition's collectable view) is lent for the call.
  virtual CitI::Status Add(UtilI::ITclCollectable* member) = 0;  // 3
  ZORE_RESERVED_SLOT(4)
  ZORE_RESERVED_SLOT(5)
  ZORE_RESERVED_SLOT(6)
  /// Status 1 and an object answering ITclCollectionResult with one
  /// reference, which the library drops after SetCollection; `out` is null
  /// when called.
  virtual CitI::Status GetResult(CitI::IInterface*& out) = 0;  // 7
};

class ITclCollectionResult : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Tcltask_ITclCollectionResult)
};

}  // namespace Tcltask
