// Persistence of components in the host's project repository: the stream of
// typed items a record is written to and read from, and the IPersist
// interface of every stored component.
//
// A stream operation takes one item and returns status 1 on success. A read
// replaces its target; a failed read leaves the target as it was.
//
// The host implements the stream; the library's partitions and pins
// implement IPersist. A component uses the stream only during the call it is
// lent for and takes no reference on it; the reserved slots are never
// called. A record stops at the first item the stream refuses, but for a
// partition's pin records: a pin that fails to load is reported and left
// out, and the load goes on until several fail in a row. A failed read must
// leave its target as it was: the library relies on it. Nothing here throws,
// and the library catches nothing a stream throws.
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
  /// Reads a record of the current format or any older one into a component
  /// just created by GetClassXUID's class. A partition makes its pins through
  /// the registry, so the pin class must be registered. A failed item is
  /// reported; the answer is then 0 and what was read before stays stored:
  /// drop the component. A pin left out alone does not make it 0. A null
  /// stream: 0.
  virtual CitI::Status PersistLoad(IPersistStream* stream) = 0;  // 2
  /// Writes the current format; a partition writes its pins' records inside
  /// its own. At the first item the stream refuses it reports it and answers
  /// 0; what was written before stays in the stream. A null stream: 0.
  virtual CitI::Status PersistSave(IPersistStream* stream) = 0;  // 3
  /// The class to create through the registry to load the record again.
  virtual CitI::Status GetClassXUID(Port::XUID& out) = 0;        // 4
  virtual CitI::Status GetXUID(Port::XUID& out) = 0;             // 5
  /// The component's identity in the repository, kept in its record.
  virtual CitI::Status SetXUID(const Port::XUID& xuid) = 0;      // 6
};

}  // namespace Prjrep
