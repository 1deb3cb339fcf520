// Persistence of components in the host's project repository: the stream of
// typed items a record is written to and read from, and the IPersist
// interface of every stored component.
//
// A stream operation takes one item and returns status 1 on success. A read
// replaces its target; a failed read leaves the target as it was.
#pragma once

#include <cstdint>

#include "CitI/IInterface.h"
#include "Port/StringBase.h"
#include "Port/UtTime.h"
#include "Port/XUID.h"

namespace Prjrep {

class IPersistStream : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Prjrep_IPersistStream)
  ZORE_RESERVED_SLOT(2)
  ZORE_RESERVED_SLOT(3)
  ZORE_RESERVED_SLOT(4)
  ZORE_RESERVED_SLOT(5)
  ZORE_RESERVED_SLOT(6)
  ZORE_RESERVED_SLOT(7)
  ZORE_RESERVED_SLOT(8)
  ZORE_RESERVED_SLOT(9)
  ZORE_RESERVED_SLOT(10)
  ZORE_RESERVED_SLOT(11)
  ZORE_RESERVED_SLOT(12)
  ZORE_RESERVED_SLOT(13)
  ZORE_RESERVED_SLOT(14)
  ZORE_RESERVED_SLOT(15)
  virtual CitI::Status ReadInt(std::int32_t& value) = 0;  // 16
  virtual CitI::Status WriteInt(std::int32_t value) = 0;  // 17
  virtual CitI::Status ReadTime(Port::Time& value) = 0;   // 18
  virtual CitI::Status WriteTime(Port::Time value) = 0;   // 19
  virtual CitI::Status ReadBool(bool& value) = 0;         // 20
  virtual CitI::Status WriteBool(bool value) = 0;         // 21
  ZORE_RESERVED_SLOT(22)
  ZORE_RESERVED_SLOT(23)
  virtual CitI::Status ReadUInt(std::uint32_t& value) = 0;  // 24
  virtual CitI::Status WriteUInt(std::uint32_t value) = 0;  // 25
  ZORE_RESERVED_SLOT(26)
  ZORE_RESERVED_SLOT(27)
  virtual CitI::Status ReadByte(std::uint8_t& value) = 0;  // 28
  virtual CitI::Status WriteByte(std::uint8_t value) = 0;  // 29
  ZORE_RESERVED_SLOT(30)
  ZORE_RESERVED_SLOT(31)
  virtual CitI::Status ReadString(Port::StringBase& value) = 0;           // 32
  virtual CitI::Status WriteString(const Port::StringBase& value) = 0;    // 33
  virtual CitI::Status ReadXUID(Port::XUID& value) = 0;                   // 34
  virtual CitI::Status WriteXUID(const Port::XUID& value) = 0;            // 35
  virtual CitI::Status ReadFileName(Port::StringBase& value) = 0;         // 36
  virtual CitI::Status WriteFileName(const Port::StringBase& value) = 0;  // 37
};

class IPersist : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(Prjrep_IPersist)
  virtual CitI::Status PersistLoad(IPersistStream* stream) = 0;  // 2
  virtual CitI::Status PersistSave(IPersistStream* stream) = 0;  // 3
  virtual CitI::Status GetClassXUID(Port::XUID& out) = 0;        // 4
  virtual CitI::Status GetXUID(Port::XUID& out) = 0;             // 5
  virtual CitI::Status SetXUID(const Port::XUID& xuid) = 0;      // 6
};

}  // namespace Prjrep
