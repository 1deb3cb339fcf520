// Objects of the host's Tcl helper library that carry a collectable
// object's property names and values.
#pragma once

#include "CitI/IInterface.h"
#include "Port/StringBase.h"
#include "UtilI/ITclCollectable.h"

namespace Tcltask {

class ITclPropertyRegistry : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Tcltask_ITclPropertyRegistry)
  virtual CitI::Status RegisterProperty(const Port::StringBase& name) = 0;  // 2
  ZORE_RESERVED_SLOT(3)
  virtual CitI::Status Query(CitI::IInterface* query) = 0;  // 4
};

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
  virtual CitI::Status SetCollection(CitI::IInterface* result) = 0;  // 20
};

class ITclCollection : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Tcltask_ITclCollection)
  ZORE_RESERVED_SLOT(2)
  virtual CitI::Status Add(UtilI::ITclCollectable* member) = 0;  // 3
  ZORE_RESERVED_SLOT(4)
  ZORE_RESERVED_SLOT(5)
  ZORE_RESERVED_SLOT(6)
  virtual CitI::Status GetResult(CitI::IInterface*& out) = 0;  // 7
};

class ITclCollectionResult : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Tcltask_ITclCollectionResult)
};

}  // namespace Tcltask
