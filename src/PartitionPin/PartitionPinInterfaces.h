// The nested interface objects of a partition pin; each forwards to the pin.
#pragma once

#include "Prjrep/IPersist.h"
#include "ZavU/IPartitionPin.h"
#include "framework/TNested.h"

namespace ZorE {

class PartitionPin;

class PartitionPin_IPartitionPin final : public TNested<PartitionPin, ZavU::IPartitionPin> {
 public:
  using TNested::TNested;
  CitI::Status SetName(const Port::StringBase& name) override;
  Port::StringBase GetName() override;
  CitI::Status Dump() override;
  CitI::Status SetPartitionPinBel(const Port::StringBase& bel) override;
  Port::StringBase GetPartitionPinBel() override;
  CitI::Status SetPartitionPinSite(const Port::StringBase& site) override;
  Port::StringBase GetPartitionPinSite() override;
  CitI::Status ClearPartitionPinBelAndSite() override;
  CitI::Status GetVersion(std::uint32_t* version, std::uint32_t* revision) override;
};

class PartitionPin_IPPXPartition final : public TNested<PartitionPin, ZavU::IPPXPartition> {
 public:
  using TNested::TNested;
  CitI::Status ReadXmlAttributes(const XERCES_CPP_NAMESPACE::DOMElement* pin,
                                 std::uint32_t checkFlag, std::uint32_t formatVersion) override;
  CitI::Status NoOperation() override;
};

class PartitionPin_IPersist final : public TNested<PartitionPin, Prjrep::IPersist> {
 public:
  using TNested::TNested;
  CitI::Status PersistLoad(Prjrep::IPersistStream* stream) override;
  CitI::Status PersistSave(Prjrep::IPersistStream* stream) override;
  CitI::Status GetClassXUID(Port::XUID& out) override;
  CitI::Status GetXUID(Port::XUID& out) override;
  CitI::Status SetXUID(const Port::XUID& xuid) override;
};

}  // namespace ZorE
