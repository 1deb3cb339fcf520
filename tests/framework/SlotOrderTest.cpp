// The host calls every operation by its slot, so an operation that moves
// breaks every host. Each run lists operations in declaration order from the
// slot of the first; the table index of each is read from the Itanium C++
// ABI's pointer to a virtual member function (1 + byte offset into the
// table). An interface's destructor (slot 1) fills two entries, so its slot
// n >= 2 is index n + 1; the components' own tables have none.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <typeinfo>

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

/// Operations declared one after the other from `slot` on.
template <class First, class... Rest>
void ExpectRun(int slot, First first, Rest... rest) {
  long expected = slot == 0 ? 0 : slot + 1;
  for (long index : {Index(first), Index(rest)...}) {
    EXPECT_EQ(index, expected++) << "from slot " << slot << " of " << typeid(First).name();
  }
}

TEST(SlotOrder, InterfacesHostServicesAndComponentsOwnTables) {
  using CR = CommonI::IRefCount;
  using P = ZavU::IPartition;
  using X = ZavU::IXPartition;
  using H = ZavU::IPartitionHierarchy;
  using HS = ZavU::IPartitionHierarchySettable;
  using T = ZavU::IPartitionTimeTracking;
  using F = ZavU::IPartitionFileTracking;
  using S = Prjrep::IPersist;
  using R = ZavU::IReconfigAssocInfo;
  using C = UtilI::ITclCollectable;
  using Pin = ZavU::IPartitionPin;
  using PX = ZavU::IPPXPartition;
  using SL = Dpm::IStringIterator;
  using PL = ZavU::IPartitionPinIterator;
  using PS = Prjrep::IPersistStream;
  using HP = Dpm::IHDProject;
  using ZP = ZorE::Partition;
  using ZPin = ZorE::PartitionPin;
  ExpectRun(0, &CitI::IInterface::QueryInterface);
  ExpectRun(2, &CitI::IFactory::CreateInstance);
  ExpectRun(2, &CR::AddRef, &CR::Release, &CR::GetRefCount);
  ExpectRun(2, &Prjrep::IRefCount::AddRef, &Prjrep::IRefCount::Release);
  ExpectRun(2, &P::SetRoot, &P::IsRoot, &P::GetName, &P::GetHierarchicalName,
            &P::SetHierarchicalName, &P::SetTrait, &P::GetTrait, &P::GetTraitNames,
            &P::GetTraitDefault, &P::GetTraitValues, &P::SetTimestamp, &P::GetTimestamp,
            &P::ForceTask, &P::GetForceTask, &P::SetChildModifiedTimestamp,
            &P::GetChildModifiedTimestamp, &P::ClearChildModifiedTimestamp, &P::SetQnlFile,
            &P::GetQnlFile, &P::AddIPFileName, &P::GetIPFileNames, &P::ClearIPFileNames, &P::Dump,
            &P::SetReconfigurable, &P::IsReconfigurable, &P::GetProxyName, &P::AddPartitionPin,
            &P::GetPartitionPin, &P::FindPartitionPin, &P::GetPartitionPinByProxyName,
            &P::FindPartitionPinByProxyName, &P::GetPartitionPins, &P::SetIsolated, &P::IsIsolated);
  ExpectRun(2, &X::SetXmlDefined, &X::IsXmlDefined, &X::ReadXmlElement, &X::IsImport,
            &X::GetImportLocation, &X::ImportPreviousImplementation, &X::ImportPartitionPins,
            &X::WriteXmlAttributes, &X::GetBoundaryOpt, &X::GetImportTag);
  ExpectRun(2, &H::GetParentPartition, &H::GetChildPartitions);
  ExpectRun(2, &HS::SetParent, &HS::SetHDProject, &HS::ReservedSlot4);
  ExpectRun(2, &T::SetTimestamp, &T::GetTimestamp, &T::SetProcessedTimestamp,
            &T::GetProcessedTimestamp, &T::SetInterfaceTimestamp, &T::GetInterfaceTimestamp);
  ExpectRun(2, &F::SetPreviousDesignFile, &F::GetPreviousDesignFile);
  ExpectRun(2, &S::PersistLoad, &S::PersistSave, &S::GetClassXUID, &S::GetXUID, &S::SetXUID);
  ExpectRun(2, &R::IsStaticLogic, &R::IsReconfigurableLogic, &R::GetReconfigAssociation,
            &R::GetReconfigModuleName, &R::GetReconfigModuleProjectLocation);
  ExpectRun(2, &C::GetName, &C::GetType, &C::GetIdentifier, &C::IsReserved5, &C::IsReserved6,
            &C::GetPropertyValue, &C::QueryProperties, &C::GetReserved9, &C::GetReserved10);
  ExpectRun(2, &Pin::SetName, &Pin::GetName, &Pin::Dump, &Pin::SetPartitionPinBel,
            &Pin::GetPartitionPinBel, &Pin::SetPartitionPinSite, &Pin::GetPartitionPinSite,
            &Pin::ClearPartitionPinBelAndSite, &Pin::GetVersion);
  ExpectRun(2, &PX::ReadXmlAttributes, &PX::NoOperation);
  ExpectRun(2, &Dpm::IString::SetText, &Dpm::IString::GetText);
  ExpectRun(2, &SL::CurrentItem, &SL::First, &SL::Next, &SL::IsDone);
  ExpectRun(2, &PL::CurrentItem, &PL::First, &PL::Next, &PL::IsDone);
  ExpectRun(16, &PS::ReadInt, &PS::WriteInt, &PS::ReadTime, &PS::WriteTime, &PS::ReadBool,
            &PS::WriteBool);
  ExpectRun(24, &PS::ReadUInt, &PS::WriteUInt);
  ExpectRun(28, &PS::ReadByte, &PS::WriteByte);
  ExpectRun(32, &PS::ReadString, &PS::WriteString, &PS::ReadXUID, &PS::WriteXUID, &PS::ReadFileName,
            &PS::WriteFileName);
  ExpectRun(2, &HP::GetLocation, &HP::GetHelper);
  ExpectRun(16, &HP::GetPartitionEntry);
  ExpectRun(20, &HP::GetPartitions);
  ExpectRun(24, &HP::GetParentPartition);
  ExpectRun(27, &HP::GetChildPartitions);
  ExpectRun(0, &ZP::SetRoot, &ZP::IsRoot, &ZP::SetReconfigurable, &ZP::IsReconfigurable,
            &ZP::SetIsolated, &ZP::IsIsolated, &ZP::SetXmlDefined, &ZP::IsXmlDefined,
            &ZP::GetBoundaryOpt, &ZP::GetImportTag, &ZP::ReadXmlElement, &ZP::IsImport,
            &ZP::ImportPreviousImplementation, &ZP::ImportPartitionPins, &ZP::WriteXmlAttributes,
            &ZP::GetProxyName, &ZP::GetNameFromProxyName, &ZP::AddPartitionPin,
            &ZP::FindPartitionPinInterface, &ZP::FindPartitionPin,
            &ZP::FindPartitionPinInterfaceByProxyName, &ZP::FindPartitionPinByProxyName,
            &ZP::GetPartitionPins, &ZP::SetName, &ZP::SetHierarchicalName,
            &ZP::SetChildModifiedTimestamp, &ZP::GetChildModifiedTimestamp,
            &ZP::ClearChildModifiedTimestamp);
  ExpectRun(0, &ZPin::SetPartitionPinBel, &ZPin::GetPartitionPinBel, &ZPin::SetPartitionPinSite,
            &ZPin::GetPartitionPinSite, &ZPin::ClearPartitionPinBelAndSite, &ZPin::SetName,
            &ZPin::ReadXmlAttributes, &ZPin::NoOperation);
}

}  // namespace
