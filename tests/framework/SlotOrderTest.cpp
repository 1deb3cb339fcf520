// The host calls every operation by its slot, so an operation that moves
// breaks every host. Each run below lists operations in declaration order
// with the slot of the first: the table index of each, read from the Itanium
// C++ ABI's pointer to a virtual member function (1 + byte offset into the
// table), must follow on. The virtual destructor (slot 1) fills two table
// entries, so slot n >= 2 of an interface sits at index n + 1; the
// components' own tables have no destructor, so there slot n is index n.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <initializer_list>

#include "Dpm/IHDProject.h"
#include "Partition/Partition.h"
#include "PartitionPin/PartitionPin.h"
#include "Prjrep/IPersist.h"
#include "UtilI/ITclCollectable.h"
#include "ZavU/IPartitionHierarchy.h"
#include "ZavU/IPartitionTracking.h"
#include "ZavU/IReconfigAssocInfo.h"
#include "ZavU/IXPartition.h"

namespace {

template <class PMF>
long Index(PMF pmf) {
  static_assert(sizeof(PMF) == 2 * sizeof(void*), "Itanium pointer to member function");
  std::uintptr_t words[2];
  std::memcpy(words, &pmf, sizeof words);
  return (words[0] & 1u) ? static_cast<long>((words[0] - 1) / sizeof(void*)) : -1;
}

/// Operations declared one after the other from `slot` on (slot 0 of an
/// interface, or the start of a component's own table).
void ExpectRun(const char* what, int slot, std::initializer_list<long> indexes) {
  long expected = slot == 0 ? 0 : slot + 1;
  for (long index : indexes) EXPECT_EQ(index, expected++) << what << ", from slot " << slot;
}

#define I(Class, Op) Index(&Class::Op)

TEST(SlotOrder, InterfacesTheLibraryImplements) {
  using P = ZavU::IPartition;
  ExpectRun("IInterface", 0, {I(CitI::IInterface, QueryInterface)});
  ExpectRun("IFactory", 2, {I(CitI::IFactory, CreateInstance)});
  ExpectRun("CommonI::IRefCount", 2,
            {I(CommonI::IRefCount, AddRef), I(CommonI::IRefCount, Release),
             I(CommonI::IRefCount, GetRefCount)});
  ExpectRun("Prjrep::IRefCount", 2, {I(Prjrep::IRefCount, AddRef), I(Prjrep::IRefCount, Release)});
  ExpectRun("IPartition", 2,
            {I(P, SetRoot),
             I(P, IsRoot),
             I(P, GetName),
             I(P, GetHierarchicalName),
             I(P, SetHierarchicalName),
             I(P, SetTrait),
             I(P, GetTrait),
             I(P, GetTraitNames),
             I(P, GetTraitDefault),
             I(P, GetTraitValues),
             I(P, SetTimestamp),
             I(P, GetTimestamp),
             I(P, ForceTask),
             I(P, GetForceTask),
             I(P, SetChildModifiedTimestamp),
             I(P, GetChildModifiedTimestamp),
             I(P, ClearChildModifiedTimestamp),
             I(P, SetQnlFile),
             I(P, GetQnlFile),
             I(P, AddIPFileName),
             I(P, GetIPFileNames),
             I(P, ClearIPFileNames),
             I(P, Dump),
             I(P, SetReconfigurable),
             I(P, IsReconfigurable),
             I(P, GetProxyName),
             I(P, AddPartitionPin),
             I(P, GetPartitionPin),
             I(P, FindPartitionPin),
             I(P, GetPartitionPinByProxyName),
             I(P, FindPartitionPinByProxyName),
             I(P, GetPartitionPins),
             I(P, SetIsolated),
             I(P, IsIsolated)});
  using X = ZavU::IXPartition;
  ExpectRun("IXPartition", 2,
            {I(X, SetXmlDefined), I(X, IsXmlDefined), I(X, ReadXmlElement), I(X, IsImport),
             I(X, GetImportLocation), I(X, ImportPreviousImplementation), I(X, ImportPartitionPins),
             I(X, WriteXmlAttributes), I(X, GetBoundaryOpt), I(X, GetImportTag)});
  using H = ZavU::IPartitionHierarchySettable;
  ExpectRun("IPartitionHierarchy", 2,
            {I(ZavU::IPartitionHierarchy, GetParentPartition),
             I(ZavU::IPartitionHierarchy, GetChildPartitions)});
  ExpectRun("IPartitionHierarchySettable", 2,
            {I(H, SetParent), I(H, SetHDProject), I(H, ReservedSlot4)});
  using T = ZavU::IPartitionTimeTracking;
  ExpectRun(
      "IPartitionTimeTracking", 2,
      {I(T, SetTimestamp), I(T, GetTimestamp), I(T, SetProcessedTimestamp),
       I(T, GetProcessedTimestamp), I(T, SetInterfaceTimestamp), I(T, GetInterfaceTimestamp)});
  ExpectRun("IPartitionFileTracking", 2,
            {I(ZavU::IPartitionFileTracking, SetPreviousDesignFile),
             I(ZavU::IPartitionFileTracking, GetPreviousDesignFile)});
  using S = Prjrep::IPersist;
  ExpectRun(
      "IPersist", 2,
      {I(S, PersistLoad), I(S, PersistSave), I(S, GetClassXUID), I(S, GetXUID), I(S, SetXUID)});
  using R = ZavU::IReconfigAssocInfo;
  ExpectRun("IReconfigAssocInfo", 2,
            {I(R, IsStaticLogic), I(R, IsReconfigurableLogic), I(R, GetReconfigAssociation),
             I(R, GetReconfigModuleName), I(R, GetReconfigModuleProjectLocation)});
  using C = UtilI::ITclCollectable;
  ExpectRun(
      "ITclCollectable", 2,
      {I(C, GetName), I(C, GetType), I(C, GetIdentifier), I(C, IsReserved5), I(C, IsReserved6),
       I(C, GetPropertyValue), I(C, QueryProperties), I(C, GetReserved9), I(C, GetReserved10)});
  using Pin = ZavU::IPartitionPin;
  ExpectRun("IPartitionPin", 2,
            {I(Pin, SetName), I(Pin, GetName), I(Pin, Dump), I(Pin, SetPartitionPinBel),
             I(Pin, GetPartitionPinBel), I(Pin, SetPartitionPinSite), I(Pin, GetPartitionPinSite),
             I(Pin, ClearPartitionPinBelAndSite), I(Pin, GetVersion)});
  ExpectRun("IPPXPartition", 2,
            {I(ZavU::IPPXPartition, ReadXmlAttributes), I(ZavU::IPPXPartition, NoOperation)});
  ExpectRun("IString", 2, {I(Dpm::IString, SetText), I(Dpm::IString, GetText)});
  using L = Dpm::IStringIterator;
  ExpectRun("IStringIterator", 2, {I(L, CurrentItem), I(L, First), I(L, Next), I(L, IsDone)});
  using N = ZavU::IPartitionPinIterator;
  ExpectRun("IPartitionPinIterator", 2, {I(N, CurrentItem), I(N, First), I(N, Next), I(N, IsDone)});
}

TEST(SlotOrder, HostServicesTheLibraryCalls) {
  using S = Prjrep::IPersistStream;
  ExpectRun("IPersistStream", 16,
            {I(S, ReadInt), I(S, WriteInt), I(S, ReadTime), I(S, WriteTime), I(S, ReadBool),
             I(S, WriteBool)});
  ExpectRun("IPersistStream", 24, {I(S, ReadUInt), I(S, WriteUInt)});
  ExpectRun("IPersistStream", 28, {I(S, ReadByte), I(S, WriteByte)});
  ExpectRun("IPersistStream", 32,
            {I(S, ReadString), I(S, WriteString), I(S, ReadXUID), I(S, WriteXUID),
             I(S, ReadFileName), I(S, WriteFileName)});
  using H = Dpm::IHDProject;
  ExpectRun("IHDProject", 2, {I(H, GetLocation), I(H, GetHelper)});
  ExpectRun("IHDProject", 16, {I(H, GetPartitionEntry)});
  ExpectRun("IHDProject", 20, {I(H, GetPartitions)});
  ExpectRun("IHDProject", 24, {I(H, GetParentPartition)});
  ExpectRun("IHDProject", 27, {I(H, GetChildPartitions)});
}

TEST(SlotOrder, ComponentsOwnTables) {
  using P = ZorE::Partition;
  ExpectRun("Partition", 0,
            {I(P, SetRoot),
             I(P, IsRoot),
             I(P, SetReconfigurable),
             I(P, IsReconfigurable),
             I(P, SetIsolated),
             I(P, IsIsolated),
             I(P, SetXmlDefined),
             I(P, IsXmlDefined),
             I(P, GetBoundaryOpt),
             I(P, GetImportTag),
             I(P, ReadXmlElement),
             I(P, IsImport),
             I(P, ImportPreviousImplementation),
             I(P, ImportPartitionPins),
             I(P, WriteXmlAttributes),
             I(P, GetProxyName),
             I(P, GetNameFromProxyName),
             I(P, AddPartitionPin),
             I(P, FindPartitionPinInterface),
             I(P, FindPartitionPin),
             I(P, FindPartitionPinInterfaceByProxyName),
             I(P, FindPartitionPinByProxyName),
             I(P, GetPartitionPins),
             I(P, SetName),
             I(P, SetHierarchicalName),
             I(P, SetChildModifiedTimestamp),
             I(P, GetChildModifiedTimestamp),
             I(P, ClearChildModifiedTimestamp)});
  using Pin = ZorE::PartitionPin;
  ExpectRun("PartitionPin", 0,
            {I(Pin, SetPartitionPinBel), I(Pin, GetPartitionPinBel), I(Pin, SetPartitionPinSite),
             I(Pin, GetPartitionPinSite), I(Pin, ClearPartitionPinBelAndSite), I(Pin, SetName),
             I(Pin, ReadXmlAttributes), I(Pin, NoOperation)});
}

}  // namespace
