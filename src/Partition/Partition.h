// ZorE::Partition, the partition component.
//
// A partition is one named instance of the design hierarchy with its
// implementation settings (implement afresh, or import from an exported
// implementation), its traits, per-view timestamps and forced tasks, previous
// design files, IP file names and pins. It belongs to a hierarchical-design
// project and has a parent, both held as plain pointers its creator sets.
//
// The host reaches it only through its nested interface objects
// (PartitionInterfaces.h); they forward to the partition's own table of
// virtual operations (slots 0 to 27, in declaration order below) or to its
// plain operations. The operations live in source units by concern: naming
// and flags here, hierarchy and pins, traits, timestamps, record, XML
// description, import, reconfigurable modules, Tcl view and dump.
#pragma once

#include <array>
#include <map>
#include <set>
#include <vector>

#include "CommonI/IRefCount.h"
#include "CommonI/TRefCountHelper.h"
#include "Dpm/IHDProject.h"
#include "Partition/PartitionInterfaces.h"
#include "Partition/PinNameIndex.h"
#include "Port/StringBase.h"
#include "Port/UtTime.h"
#include "Port/XUID.h"
#include "Prjrep/IRefCount.h"
#include "Tcltask/ITclHelpers.h"

namespace ZoreTest {
struct PartitionProbe;
}

namespace ZorE {

class PartitionStringList;
class PartitionPinList;

/// A Tcl property of the partition: how its value is produced, and the value
/// object (one reference) it is handed out in.
struct TclPropertyEntry {
  using Getter = CitI::Status (*)(class Partition&, Tcltask::ITclPropertyValue&);
  Getter getter = nullptr;
  CommonI::RefCountPtr<Tcltask::ITclPropertyValue> value;
};

class Partition final {
 public:
  Partition();
  Partition(const Partition&) = delete;
  Partition& operator=(const Partition&) = delete;

  static Port::XUID ClassXuid() { return Port::XUID(Xuids::ZorE_Partition); }

  /// Interface lookup: the embedded object answering `iid`, or null.
  CitI::IInterface* Lookup(const Port::XUID& iid);

  // ---- own table of virtual operations, in slot order ----
  virtual CitI::Status SetRoot(bool isRoot);                    // 0
  virtual bool IsRoot();                                        // 1
  virtual CitI::Status SetReconfigurable(bool reconfigurable);  // 2
  virtual bool IsReconfigurable();                              // 3
  virtual CitI::Status SetIsolated(bool isolated);              // 4
  virtual bool IsIsolated();                                    // 5
  virtual CitI::Status SetXmlDefined(bool defined);             // 6
  virtual bool IsXmlDefined();                                  // 7
  virtual Port::StringBase GetBoundaryOpt();                    // 8
  virtual Port::StringBase GetImportTag();                      // 9
  virtual CitI::Status ReadXmlElement(const XERCES_CPP_NAMESPACE::DOMElement* element,
                                      std::uint32_t checkFlag,
                                      std::uint32_t formatVersion);                         // 10
  virtual bool IsImport();                                                                  // 11
  virtual bool ImportPreviousImplementation(ZavU::IPartition* source, bool qhvOnly);        // 12
  virtual bool ImportPartitionPins(ZavU::IPartition* source);                               // 13
  virtual CitI::Status WriteXmlAttributes(Port::StringBase& text);                          // 14
  virtual Port::StringBase GetProxyName(const Port::StringBase& name);                      // 15
  virtual Port::StringBase GetNameFromProxyName(const Port::StringBase& name);              // 16
  virtual CitI::Status AddPartitionPin(const Port::StringBase& name);                       // 17
  virtual ZavU::PinRef FindPartitionPinInterface(const Port::StringBase& name);             // 18
  virtual ZavU::PinRef FindPartitionPin(const Port::StringBase& name);                      // 19
  virtual ZavU::PinRef FindPartitionPinInterfaceByProxyName(const Port::StringBase& name);  // 20
  virtual ZavU::PinRef FindPartitionPinByProxyName(const Port::StringBase& name);           // 21
  virtual CommonI::RefCountPtr<ZavU::IPartitionPinIterator> GetPartitionPins();             // 22
  virtual CitI::Status SetName(const Port::StringBase& name);                               // 23
  virtual CitI::Status SetHierarchicalName(const Port::StringBase& name);                   // 24
  virtual CitI::Status SetChildModifiedTimestamp(Port::Time time);                          // 25
  virtual Port::Time GetChildModifiedTimestamp();                                           // 26
  virtual CitI::Status ClearChildModifiedTimestamp();                                       // 27

  // ---- naming, QNL file, IP file names ----
  Port::StringBase GetName() const { return m_name; }
  Port::StringBase GetHierarchicalName() const { return m_hierarchicalName; }
  CitI::Status GetImportLocation(Port::StringBase& out) const;
  CitI::Status SetQnlFile(const Port::StringBase& path);
  Port::StringBase GetQnlFile() const;
  CitI::Status AddIPFileName(const Port::StringBase& name);
  Dpm::IStringIterator* GetIPFileNames();
  CitI::Status ClearIPFileNames();

  // ---- hierarchy and project ----
  CitI::Status SetParent(ZavU::IPartition* parent);
  CitI::Status SetHDProject(Dpm::IHDProject* project);
  /// The partition's design project: its own link, else the host's current
  /// project. Status 1 when the project was obtained.
  CitI::Status LookupHDProject(Prjrep::AutoRelease<Dpm::IHDProject>& out);
  /// The parent: the stored link, else through the design project.
  CommonI::RefCountPtr<ZavU::IPartition> LookupParent();
  CommonI::RefCountPtr<ZavU::IPartition> GetParentPartition();
  /// Called after m_pins was replaced wholesale (a record load): whatever was
  /// derived from the pin list is rebuilt from it. Appending to m_pins needs
  /// no call.
  void OnPinsReplaced();
  /// Appends a pin to the list (the partition takes the reference).
  void AppendPin(ZavU::PinRef pin) { m_pins.push_back(std::move(pin)); }
  /// The partition's own IPartition, to hand itself to others (no reference
  /// is taken).
  ZavU::IPartition* Self() { return &m_iPartition; }

  // ---- traits ----
  CitI::Status SetTrait(const Port::StringBase& name, const Port::StringBase& value,
                        bool overwrite);
  Port::StringBase GetTrait(const Port::StringBase& name);
  Dpm::IStringIterator* GetTraitNames();
  Port::StringBase GetTraitDefault(const Port::StringBase& name);
  Dpm::IStringIterator* GetTraitValues(const Port::StringBase& name);

  // ---- timestamps, forced tasks, previous design files ----
  CitI::Status SetTimestamp(ZavU::AppView view, Port::Time time);
  Port::Time GetTimestamp(ZavU::AppView view);
  CitI::Status ForceTask(ZavU::TaskID task, bool force);
  bool GetForceTask(ZavU::TaskID task);
  CitI::Status SetProcessedTimestamp(std::int32_t view, Port::Time time);
  Port::Time GetProcessedTimestamp(std::int32_t view);
  CitI::Status SetInterfaceTimestamp(std::int32_t view, Port::Time time);
  Port::Time GetInterfaceTimestamp(std::int32_t view);
  CitI::Status SetPreviousDesignFile(std::int32_t state, const Port::StringBase& path);
  Port::StringBase GetPreviousDesignFile(std::int32_t state);

  // ---- project-file record ----
  CitI::Status PersistLoad(Prjrep::IPersistStream* stream);
  CitI::Status PersistSave(Prjrep::IPersistStream* stream);
  CitI::Status GetXUID(Port::XUID& out) const;
  CitI::Status SetXUID(const Port::XUID& xuid);

  // ---- reconfigurable-module association ----
  bool IsReconfigurableLogic();
  bool GetReconfigAssociation(CitI::IInterface*& assoc);
  bool GetReconfigModuleName(Port::StringBase* out);
  bool GetReconfigModuleProjectLocation(Port::StringBase* out);

  // ---- Tcl view ----
  bool GetPropertyValue(const Port::StringBase& name, CitI::IInterface*& out);
  CitI::Status QueryProperties(CitI::IInterface* query);

  // ---- diagnostic dump ----
  CitI::Status Dump();

  // ---- lists handed out ----
  /// A list handed out by this partition is reclaimed when the partition is
  /// destroyed, unless its holder destroyed it first (then it is forgotten).
  void ForgetStringList(PartitionStringList* list) { m_stringLists.erase(list); }
  void ForgetPinList(PartitionPinList* list) { m_pinLists.erase(list); }
  /// A new string list of `texts`, handed out to the caller.
  template <class Range>
  Dpm::IStringIterator* HandOutStringList(const Range& texts);

 private:
  friend class Partition_IPartition;
  friend class Partition_IXPartition;
  friend class Partition_IPersist;
  friend class Partition_ITclCollectable;
  friend class Partition_ZavU_IPartitionFileTracking;
  friend class Partition_ZavU_IPartitionHierarchy;
  friend class Partition_ZavU_IPartitionHierarchySettable;
  friend class Partition_ZavU_IPartitionTimeTracking;
  friend class Partition_ZavU_IReconfigAssocInfo;
  friend class CommonI::TRefCountHelper<Partition>;
  // Source units whose helpers fill or read the fields directly.
  friend struct PartitionAssociation;
  friend struct PartitionRecordReader;
  friend struct PartitionTclProperties;
  friend struct ::ZoreTest::PartitionProbe;  // the tests' read-only view of the fields

  // Only the last Release destroys a partition.
  ~Partition();
  Dpm::IStringIterator* AdoptStringList(PartitionStringList* list);

  // ---- fields, in declaration order ----
  bool m_isRoot = false;
  bool m_isReconfigurable = false;
  bool m_isXmlDefined = false;
  bool m_isImport = false;
  bool m_isIsolated = false;
  Port::StringBase m_importLocation;
  Port::StringBase m_importTag;
  Port::StringBase m_boundaryOpt;
  Port::StringBase m_reconfigModuleName;
  std::vector<ZavU::PinRef> m_pins;
  Port::StringBase m_name;
  Port::StringBase m_hierarchicalName;
  std::map<Port::StringBase, Port::StringBase> m_traits;
  std::map<Port::StringBase, Port::Time> m_timestamps;
  std::array<Port::Time, ZavU::kAppViewCount> m_processedTimestamps;
  std::array<Port::Time, ZavU::kAppViewCount> m_interfaceChangeTimestamps;
  std::map<Port::StringBase, bool> m_forceFlags;
  std::array<Port::StringBase, ZavU::kFileStateCount> m_previousFiles;
  std::vector<Port::StringBase> m_ipFiles;
  Port::XUID m_xuid;
  Dpm::IHDProject* m_hdProject = nullptr;
  ZavU::IPartition* m_parent = nullptr;
  std::map<Port::StringBase, TclPropertyEntry> m_tclProperties;
  CommonI::RefCountPtr<Tcltask::ITclPropertyRegistry> m_tclHelper;

  // ---- nested interface objects and the reference counter ----
  Partition_IPartition m_iPartition{this};
  Partition_IXPartition m_iXPartition{this};
  CommonI::TRefCountHelper<Partition> m_refCount{this};
  Partition_ITclCollectable m_iTclCollectable{this};
  Partition_IPersist m_iPersist{this};
  Partition_ZavU_IPartitionFileTracking m_iFileTracking{this};
  Partition_ZavU_IPartitionHierarchy m_iHierarchy{this};
  Partition_ZavU_IPartitionHierarchySettable m_iHierarchySettable{this};
  Partition_ZavU_IPartitionTimeTracking m_iTimeTracking{this};
  Partition_ZavU_IReconfigAssocInfo m_iReconfigAssocInfo{this};

  std::set<PartitionStringList*> m_stringLists;
  std::set<PartitionPinList*> m_pinLists;
  PinNameIndex m_pinIndex;  // finds pins by name (PartitionHierarchy.cpp)
};

}  // namespace ZorE
