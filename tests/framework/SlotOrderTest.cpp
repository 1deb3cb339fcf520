// The host calls every operation by its slot, so an operation that moves
// breaks every host. These tests read each operation's table index from the
// Itanium C++ ABI's representation of a pointer to a virtual member function
// (1 + byte offset into the table) and compare it with the slot the
// interface promises. The virtual destructor (slot 1) fills two table
// entries, so slot n >= 2 sits at index n + 1 on an interface; the
// components' own tables have no destructor, so there slot n is index n.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "Dpm/IConfiguration.h"
#include "Dpm/IHDProject.h"
#include "Dpm/IPRSolution.h"
#include "Dpm/IString.h"
#include "Partition/Partition.h"
#include "PartitionPin/PartitionPin.h"
#include "Prjrep/IAutonym.h"
#include "Prjrep/IPersist.h"
#include "Prjrep/IRefCount.h"
#include "Tcltask/ITclHelpers.h"
#include "UtilI/ITclCollectable.h"
#include "ZavU/IPartition.h"
#include "ZavU/IPartitionHierarchy.h"
#include "ZavU/IPartitionTracking.h"
#include "ZavU/IReconfigAssocInfo.h"
#include "ZavU/IXPartition.h"

namespace {

template <class PMF>
long TableIndex(PMF pmf) {
  static_assert(sizeof(PMF) == 2 * sizeof(void*), "Itanium pointer to member function");
  std::uintptr_t words[2];
  std::memcpy(words, &pmf, sizeof words);
  if ((words[0] & 1u) == 0) return -1;  // not a virtual function
  return static_cast<long>((words[0] - 1) / sizeof(void*));
}

long InterfaceIndex(int slot) { return slot == 0 ? 0 : slot + 1; }

#define EXPECT_SLOT(Class, Op, slot) \
  EXPECT_EQ(TableIndex(&Class::Op), InterfaceIndex(slot)) << #Class "::" #Op " left slot " #slot
#define EXPECT_OWN_SLOT(Class, Op, slot) \
  EXPECT_EQ(TableIndex(&Class::Op), slot) << #Class "::" #Op " left own slot " #slot

TEST(SlotOrder, RootInterfacesAndReferenceCounts) {
  EXPECT_SLOT(CitI::IInterface, QueryInterface, 0);
  EXPECT_SLOT(CitI::IFactory, CreateInstance, 2);
  EXPECT_SLOT(CommonI::IRefCount, AddRef, 2);
  EXPECT_SLOT(CommonI::IRefCount, Release, 3);
  EXPECT_SLOT(CommonI::IRefCount, GetRefCount, 4);
  EXPECT_SLOT(Prjrep::IRefCount, AddRef, 2);
  EXPECT_SLOT(Prjrep::IRefCount, Release, 3);
}

TEST(SlotOrder, IPartition) {
  using I = ZavU::IPartition;
  EXPECT_SLOT(I, SetRoot, 2);
  EXPECT_SLOT(I, IsRoot, 3);
  EXPECT_SLOT(I, GetName, 4);
  EXPECT_SLOT(I, GetHierarchicalName, 5);
  EXPECT_SLOT(I, SetHierarchicalName, 6);
  EXPECT_SLOT(I, SetTrait, 7);
  EXPECT_SLOT(I, GetTrait, 8);
  EXPECT_SLOT(I, GetTraitNames, 9);
  EXPECT_SLOT(I, GetTraitDefault, 10);
  EXPECT_SLOT(I, GetTraitValues, 11);
  EXPECT_SLOT(I, SetTimestamp, 12);
  EXPECT_SLOT(I, GetTimestamp, 13);
  EXPECT_SLOT(I, ForceTask, 14);
  EXPECT_SLOT(I, GetForceTask, 15);
  EXPECT_SLOT(I, SetChildModifiedTimestamp, 16);
  EXPECT_SLOT(I, GetChildModifiedTimestamp, 17);
  EXPECT_SLOT(I, ClearChildModifiedTimestamp, 18);
  EXPECT_SLOT(I, SetQnlFile, 19);
  EXPECT_SLOT(I, GetQnlFile, 20);
  EXPECT_SLOT(I, AddIPFileName, 21);
  EXPECT_SLOT(I, GetIPFileNames, 22);
  EXPECT_SLOT(I, ClearIPFileNames, 23);
  EXPECT_SLOT(I, Dump, 24);
  EXPECT_SLOT(I, SetReconfigurable, 25);
  EXPECT_SLOT(I, IsReconfigurable, 26);
  EXPECT_SLOT(I, GetProxyName, 27);
  EXPECT_SLOT(I, AddPartitionPin, 28);
  EXPECT_SLOT(I, GetPartitionPin, 29);
  EXPECT_SLOT(I, FindPartitionPin, 30);
  EXPECT_SLOT(I, GetPartitionPinByProxyName, 31);
  EXPECT_SLOT(I, FindPartitionPinByProxyName, 32);
  EXPECT_SLOT(I, GetPartitionPins, 33);
  EXPECT_SLOT(I, SetIsolated, 34);
  EXPECT_SLOT(I, IsIsolated, 35);
}

TEST(SlotOrder, IXPartitionAndHierarchy) {
  using X = ZavU::IXPartition;
  EXPECT_SLOT(X, SetXmlDefined, 2);
  EXPECT_SLOT(X, IsXmlDefined, 3);
  EXPECT_SLOT(X, ReadXmlElement, 4);
  EXPECT_SLOT(X, IsImport, 5);
  EXPECT_SLOT(X, GetImportLocation, 6);
  EXPECT_SLOT(X, ImportPreviousImplementation, 7);
  EXPECT_SLOT(X, ImportPartitionPins, 8);
  EXPECT_SLOT(X, WriteXmlAttributes, 9);
  EXPECT_SLOT(X, GetBoundaryOpt, 10);
  EXPECT_SLOT(X, GetImportTag, 11);
  EXPECT_SLOT(ZavU::IPartitionHierarchy, GetParentPartition, 2);
  EXPECT_SLOT(ZavU::IPartitionHierarchy, GetChildPartitions, 3);
  EXPECT_SLOT(ZavU::IPartitionHierarchySettable, SetParent, 2);
  EXPECT_SLOT(ZavU::IPartitionHierarchySettable, SetHDProject, 3);
  EXPECT_SLOT(ZavU::IPartitionHierarchySettable, ReservedSlot4, 4);
  EXPECT_SLOT(ZavU::IPartitionPinIterator, CurrentItem, 2);
  EXPECT_SLOT(ZavU::IPartitionPinIterator, First, 3);
  EXPECT_SLOT(ZavU::IPartitionPinIterator, Next, 4);
  EXPECT_SLOT(ZavU::IPartitionPinIterator, IsDone, 5);
}

TEST(SlotOrder, TrackingPersistAndAssociation) {
  using T = ZavU::IPartitionTimeTracking;
  EXPECT_SLOT(T, SetTimestamp, 2);
  EXPECT_SLOT(T, GetTimestamp, 3);
  EXPECT_SLOT(T, SetProcessedTimestamp, 4);
  EXPECT_SLOT(T, GetProcessedTimestamp, 5);
  EXPECT_SLOT(T, SetInterfaceTimestamp, 6);
  EXPECT_SLOT(T, GetInterfaceTimestamp, 7);
  EXPECT_SLOT(ZavU::IPartitionFileTracking, SetPreviousDesignFile, 2);
  EXPECT_SLOT(ZavU::IPartitionFileTracking, GetPreviousDesignFile, 3);
  using P = Prjrep::IPersist;
  EXPECT_SLOT(P, PersistLoad, 2);
  EXPECT_SLOT(P, PersistSave, 3);
  EXPECT_SLOT(P, GetClassXUID, 4);
  EXPECT_SLOT(P, GetXUID, 5);
  EXPECT_SLOT(P, SetXUID, 6);
  using R = ZavU::IReconfigAssocInfo;
  EXPECT_SLOT(R, IsStaticLogic, 2);
  EXPECT_SLOT(R, IsReconfigurableLogic, 3);
  EXPECT_SLOT(R, GetReconfigAssociation, 4);
  EXPECT_SLOT(R, GetReconfigModuleName, 5);
  EXPECT_SLOT(R, GetReconfigModuleProjectLocation, 6);
  EXPECT_SLOT(ZavU::IPartitionHelper, GetEffectiveTraitValue, 2);
}

TEST(SlotOrder, PinStringsAndTcl) {
  using I = ZavU::IPartitionPin;
  EXPECT_SLOT(I, SetName, 2);
  EXPECT_SLOT(I, GetName, 3);
  EXPECT_SLOT(I, Dump, 4);
  EXPECT_SLOT(I, SetPartitionPinBel, 5);
  EXPECT_SLOT(I, GetPartitionPinBel, 6);
  EXPECT_SLOT(I, SetPartitionPinSite, 7);
  EXPECT_SLOT(I, GetPartitionPinSite, 8);
  EXPECT_SLOT(I, ClearPartitionPinBelAndSite, 9);
  EXPECT_SLOT(I, GetVersion, 10);
  EXPECT_SLOT(ZavU::IPPXPartition, ReadXmlAttributes, 2);
  EXPECT_SLOT(ZavU::IPPXPartition, NoOperation, 3);
  EXPECT_SLOT(Dpm::IString, SetText, 2);
  EXPECT_SLOT(Dpm::IString, GetText, 3);
  EXPECT_SLOT(Dpm::IStringIterator, CurrentItem, 2);
  EXPECT_SLOT(Dpm::IStringIterator, First, 3);
  EXPECT_SLOT(Dpm::IStringIterator, Next, 4);
  EXPECT_SLOT(Dpm::IStringIterator, IsDone, 5);
  using C = UtilI::ITclCollectable;
  EXPECT_SLOT(C, GetName, 2);
  EXPECT_SLOT(C, GetType, 3);
  EXPECT_SLOT(C, GetIdentifier, 4);
  EXPECT_SLOT(C, IsReserved5, 5);
  EXPECT_SLOT(C, IsReserved6, 6);
  EXPECT_SLOT(C, GetPropertyValue, 7);
  EXPECT_SLOT(C, QueryProperties, 8);
  EXPECT_SLOT(C, GetReserved9, 9);
  EXPECT_SLOT(C, GetReserved10, 10);
  EXPECT_SLOT(Tcltask::ITclPropertyRegistry, RegisterProperty, 2);
  EXPECT_SLOT(Tcltask::ITclPropertyRegistry, Query, 4);
  EXPECT_SLOT(Tcltask::ITclPropertyValue, SetString, 10);
  EXPECT_SLOT(Tcltask::ITclPropertyValue, SetBool, 12);
  EXPECT_SLOT(Tcltask::ITclPropertyValue, SetCollection, 20);
  EXPECT_SLOT(Tcltask::ITclCollection, Add, 3);
  EXPECT_SLOT(Tcltask::ITclCollection, GetResult, 7);
}

TEST(SlotOrder, HostPersistenceStream) {
  using S = Prjrep::IPersistStream;
  EXPECT_SLOT(S, ReadInt, 16);
  EXPECT_SLOT(S, WriteInt, 17);
  EXPECT_SLOT(S, ReadTime, 18);
  EXPECT_SLOT(S, WriteTime, 19);
  EXPECT_SLOT(S, ReadBool, 20);
  EXPECT_SLOT(S, WriteBool, 21);
  EXPECT_SLOT(S, ReadUInt, 24);
  EXPECT_SLOT(S, WriteUInt, 25);
  EXPECT_SLOT(S, ReadByte, 28);
  EXPECT_SLOT(S, WriteByte, 29);
  EXPECT_SLOT(S, ReadString, 32);
  EXPECT_SLOT(S, WriteString, 33);
  EXPECT_SLOT(S, ReadXUID, 34);
  EXPECT_SLOT(S, WriteXUID, 35);
  EXPECT_SLOT(S, ReadFileName, 36);
  EXPECT_SLOT(S, WriteFileName, 37);
}

TEST(SlotOrder, HostProjectServices) {
  using H = Dpm::IHDProject;
  EXPECT_SLOT(H, GetLocation, 2);
  EXPECT_SLOT(H, GetHelper, 3);
  EXPECT_SLOT(H, GetPartitionEntry, 16);
  EXPECT_SLOT(H, GetPartitions, 20);
  EXPECT_SLOT(H, GetParentPartition, 24);
  EXPECT_SLOT(H, GetChildPartitions, 27);
  EXPECT_SLOT(Dpm::IPartitionIterator, GetCurrent, 2);
  EXPECT_SLOT(Dpm::IPartitionIterator, First, 3);
  EXPECT_SLOT(Dpm::IPartitionIterator, Next, 4);
  EXPECT_SLOT(Dpm::IPartitionIterator, IsDone, 5);
  EXPECT_SLOT(Dpm::ICurrentProject, GetCurrentProject, 7);
  EXPECT_SLOT(Dpm::IPRProject, IsPartialReconfigFlow, 2);
  EXPECT_SLOT(Dpm::IUpToDate, IsUpToDate, 2);
  EXPECT_SLOT(Dpm::IProjectHelper, GetDesignData, 11);
  EXPECT_SLOT(IDesignDataLookup, Lookup, 2);
  EXPECT_SLOT(Dpm::IConfiguration, GetElements, 2);
  EXPECT_SLOT(Dpm::IConfigurationElementIterator, GetCurrent, 2);
  EXPECT_SLOT(Dpm::IConfigurationElementIterator, First, 3);
  EXPECT_SLOT(Dpm::IConfigurationElementIterator, Next, 4);
  EXPECT_SLOT(Dpm::IConfigurationElementIterator, IsDone, 5);
  EXPECT_SLOT(Dpm::IConfigurationElement, GetStaticLogic, 2);
  EXPECT_SLOT(Dpm::IConfigurationElement, GetPRModule, 3);
  EXPECT_SLOT(Dpm::IConfigurationElement, GetModule, 4);
  EXPECT_SLOT(Dpm::IPRModule, GetName, 2);
  EXPECT_SLOT(Dpm::IProject, GetLocation, 2);
  EXPECT_SLOT(Dpm::IProjectCompReference, GetProject, 3);
  EXPECT_SLOT(Dpm::IPRSolutionHelper, GetModuleManager, 3);
  EXPECT_SLOT(Dpm::IPRModuleManager, ReleaseModule, 4);
  EXPECT_SLOT(Dpm::IPRModuleManager, FindModule, 5);
  EXPECT_SLOT(Prjrep::IAutonymLookup, Find, 2);
  EXPECT_SLOT(Prjrep::IAutonymLookup, Create, 6);
  EXPECT_SLOT(Prjrep::IName, SetName, 2);
  EXPECT_SLOT(Prjrep::IName, GetName, 3);
  EXPECT_SLOT(Prjrep::ISaveAutonym, GetConfiguration, 2);
}

TEST(SlotOrder, ComponentsOwnTables) {
  using P = ZorE::Partition;
  EXPECT_OWN_SLOT(P, SetRoot, 0);
  EXPECT_OWN_SLOT(P, IsRoot, 1);
  EXPECT_OWN_SLOT(P, SetReconfigurable, 2);
  EXPECT_OWN_SLOT(P, IsReconfigurable, 3);
  EXPECT_OWN_SLOT(P, SetIsolated, 4);
  EXPECT_OWN_SLOT(P, IsIsolated, 5);
  EXPECT_OWN_SLOT(P, SetXmlDefined, 6);
  EXPECT_OWN_SLOT(P, IsXmlDefined, 7);
  EXPECT_OWN_SLOT(P, GetBoundaryOpt, 8);
  EXPECT_OWN_SLOT(P, GetImportTag, 9);
  EXPECT_OWN_SLOT(P, ReadXmlElement, 10);
  EXPECT_OWN_SLOT(P, IsImport, 11);
  EXPECT_OWN_SLOT(P, ImportPreviousImplementation, 12);
  EXPECT_OWN_SLOT(P, ImportPartitionPins, 13);
  EXPECT_OWN_SLOT(P, WriteXmlAttributes, 14);
  EXPECT_OWN_SLOT(P, GetProxyName, 15);
  EXPECT_OWN_SLOT(P, GetNameFromProxyName, 16);
  EXPECT_OWN_SLOT(P, AddPartitionPin, 17);
  EXPECT_OWN_SLOT(P, FindPartitionPinInterface, 18);
  EXPECT_OWN_SLOT(P, FindPartitionPin, 19);
  EXPECT_OWN_SLOT(P, FindPartitionPinInterfaceByProxyName, 20);
  EXPECT_OWN_SLOT(P, FindPartitionPinByProxyName, 21);
  EXPECT_OWN_SLOT(P, GetPartitionPins, 22);
  EXPECT_OWN_SLOT(P, SetName, 23);
  EXPECT_OWN_SLOT(P, SetHierarchicalName, 24);
  EXPECT_OWN_SLOT(P, SetChildModifiedTimestamp, 25);
  EXPECT_OWN_SLOT(P, GetChildModifiedTimestamp, 26);
  EXPECT_OWN_SLOT(P, ClearChildModifiedTimestamp, 27);
  using Pin = ZorE::PartitionPin;
  EXPECT_OWN_SLOT(Pin, SetPartitionPinBel, 0);
  EXPECT_OWN_SLOT(Pin, GetPartitionPinBel, 1);
  EXPECT_OWN_SLOT(Pin, SetPartitionPinSite, 2);
  EXPECT_OWN_SLOT(Pin, GetPartitionPinSite, 3);
  EXPECT_OWN_SLOT(Pin, ClearPartitionPinBelAndSite, 4);
  EXPECT_OWN_SLOT(Pin, SetName, 5);
  EXPECT_OWN_SLOT(Pin, ReadXmlAttributes, 6);
  EXPECT_OWN_SLOT(Pin, NoOperation, 7);
}

}  // namespace
