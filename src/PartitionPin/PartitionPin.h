// ZorE::PartitionPin, a named port on a partition's boundary.
//
// A pin holds its name, two location strings (Bel and Site, kept and stored
// but no longer accepted from the XML description; every access through
// their accessors is reported as internal) and its identity in the project
// repository. Partitions create pins through the registry and hold one
// reference on each.
#pragma once

#include <cstdint>
#include <memory>

#include "CommonI/TRefCountHelper.h"
#include "PartitionPin/PartitionPinInterfaces.h"
#include "Port/StringBase.h"
#include "Port/XUID.h"

namespace ZoreTest {
struct PinProbe;
}

namespace ZorE {

class PartitionPin final {
 public:
  /// Version and revision of the pin's stored record.
  static constexpr std::uint32_t kVersion = 2;
  static constexpr std::uint32_t kRevision = 0;

  PartitionPin();
  PartitionPin(const PartitionPin&) = delete;
  PartitionPin& operator=(const PartitionPin&) = delete;

  static Port::XUID ClassXuid() { return Port::XUID(Xuids::ZorE_PartitionPin); }
  CitI::IInterface* Lookup(const Port::XUID& iid);

  // ---- own table of virtual operations, in slot order ----
  virtual CitI::Status SetPartitionPinBel(const Port::StringBase& bel);    // 0
  virtual Port::StringBase GetPartitionPinBel();                           // 1
  virtual CitI::Status SetPartitionPinSite(const Port::StringBase& site);  // 2
  virtual Port::StringBase GetPartitionPinSite();                          // 3
  virtual CitI::Status ClearPartitionPinBelAndSite();                      // 4
  virtual CitI::Status SetName(const Port::StringBase& name);              // 5
  virtual CitI::Status ReadXmlAttributes(const XERCES_CPP_NAMESPACE::DOMElement* pin,
                                         std::uint32_t checkFlag,
                                         std::uint32_t formatVersion);  // 6
  virtual CitI::Status NoOperation();                                   // 7

  const Port::StringBase& GetName() const { return m_name; }
  /// The pin's IPartitionPin, as partitions list it; found without reading
  /// the pin.
  ZavU::IPartitionPin* PinInterface() { return &m_iPartitionPin; }
  /// Starts fetching what handing the pin out touches (its interface and its
  /// counter) without waiting for it: a partition finding the pin among
  /// many calls this before it compares the name.
  void PrepareToHandOut() const {
    __builtin_prefetch(&m_iPartitionPin);
    __builtin_prefetch(&m_refCount, 1);
  }

  /// The pin behind an IPartitionPin of this library; null for a pin of
  /// another implementation.
  static PartitionPin* FromInterface(ZavU::IPartitionPin* pin);
  /// The pin behind the object the pin factory hands out (its IInterface);
  /// null for any other object.
  static PartitionPin* FromCreated(CitI::IInterface* object);
  /// How often a watched pin has been renamed in this process. A partition
  /// indexes its pins by name and rebuilds its index when this moves on.
  static std::uint64_t NameGeneration();
  /// From now on a change of name advances NameGeneration.
  void WatchName() { m_nameWatched = true; }
  CitI::Status Dump();
  CitI::Status PersistLoad(Prjrep::IPersistStream* stream);
  CitI::Status PersistSave(Prjrep::IPersistStream* stream);

 private:
  friend class CommonI::TRefCountHelper<PartitionPin>;
  friend class PartitionPin_IPersist;
  friend struct ::ZoreTest::PinProbe;  // the tests' read-only view of the fields

  /// What almost no pin sets: Bel and Site (no longer read from the
  /// description) and an identity in the repository (the host leaves it at
  /// zero). They live apart from the pin, allocated only once one of them is
  /// set: a project of a million pins carries a null pointer for them.
  struct Seldom {
    Port::StringBase bel;
    Port::StringBase site;
    Port::XuidWords xuid{};
  };

  // ---- fields, in declaration order ----
  std::unique_ptr<Seldom> m_seldom;  // null while Bel, Site and identity are all unset
  Port::StringBase
      m_name;  // changed through SetName or a record load, which tell watching partitions

  // ---- nested interface objects and the reference counter ----
  PartitionPin_IPartitionPin m_iPartitionPin{this};
  PartitionPin_IPPXPartition m_iPPXPartition{this};
  CommonI::TRefCountHelper<PartitionPin> m_refCount{this};
  PartitionPin_IPersist m_iPersist{this};

  // Only the last Release destroys a pin.
  ~PartitionPin();

  const Port::StringBase& Bel() const { return m_seldom ? m_seldom->bel : kNoLocation; }
  const Port::StringBase& Site() const { return m_seldom ? m_seldom->site : kNoLocation; }
  Port::XuidWords Identity() const { return m_seldom ? m_seldom->xuid : Port::XuidWords{}; }
  /// The empty Bel and Site of a pin that has neither.
  static inline const Port::StringBase kNoLocation{};
  /// Stores Bel, Site or the identity (`which`); all of them unset again
  /// frees their storage.
  template <class Value>
  void SetSeldom(Value Seldom::*which, const Value& value) {
    if (m_seldom || !IsUnset(value)) StoreSeldom(which, value);
  }
  template <class Value>
  void StoreSeldom(Value Seldom::*which, const Value& value);
  static bool IsUnset(const Port::StringBase& value) { return value.IsEmpty(); }
  static bool IsUnset(const Port::XuidWords& value) { return value == Port::XuidWords{}; }

  /// Advances NameGeneration when a watched pin's name differs from `before`.
  void NoteNameChangedFrom(const Port::StringBase& before);
  /// Advances NameGeneration: a watched pin changed its name.
  static void NoteRename();

  bool m_nameWatched = false;  // some partition has indexed this pin by name
};

}  // namespace ZorE
