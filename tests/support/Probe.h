// The tests' read-only view of component state no host interface reaches:
// the raw maps behind the traits, timestamps and force flags, the pin list
// itself, and the pins' Bel and Site
// (whose accessors report every use). Both probes are friends of their
// component and only read.
#pragma once

#include "Partition/Partition.h"
#include "PartitionPin/PartitionPin.h"

namespace ZoreTest {

struct PartitionProbe {
  explicit PartitionProbe(ZavU::IPartition* p)
      : m_p(static_cast<ZorE::Partition_IPartition*>(p)->owner()) {}
  explicit PartitionProbe(const CommonI::RefCountPtr<ZavU::IPartition>& p)
      : PartitionProbe(p.get()) {}

  const std::vector<ZavU::PinRef>& Pins() const { return m_p.m_pins; }
  const Port::StringBase& ImportLocation() const { return m_p.m_importLocation; }
  const Port::StringBase& BoundaryOpt() const { return m_p.m_boundaryOpt; }
  const Port::StringBase& ImportTag() const { return m_p.m_importTag; }
  bool IsImport() const { return m_p.m_isImport; }
  bool IsReconfigurable() const { return m_p.m_isReconfigurable; }
  bool IsIsolated() const { return m_p.m_isIsolated; }
  const std::array<Port::StringBase, ZavU::kFileStateCount>& PreviousFiles() const {
    return m_p.m_previousFiles;
  }
  const std::array<Port::Time, ZavU::kAppViewCount>& Processed() const {
    return m_p.m_processedTimestamps;
  }
  const std::array<Port::Time, ZavU::kAppViewCount>& InterfaceChange() const {
    return m_p.m_interfaceChangeTimestamps;
  }
  const std::vector<Port::StringBase>& IpFiles() const { return m_p.m_ipFiles; }
  const std::map<Port::StringBase, Port::StringBase>& Traits() const { return m_p.m_traits; }
  const std::map<Port::StringBase, Port::Time>& Timestamps() const { return m_p.m_timestamps; }
  const std::map<Port::StringBase, bool>& ForceFlags() const { return m_p.m_forceFlags; }
  const Port::StringBase& ReconfigModuleName() const { return m_p.m_reconfigModuleName; }
  std::size_t TclPropertyCount() const { return m_p.m_tclProperties.size(); }
  /// The value object of a Tcl property, or null.
  CitI::IInterface* TclValue(const char* name) const {
    auto found = m_p.m_tclProperties.find(name);
    return found == m_p.m_tclProperties.end() ? nullptr : found->second.value.get();
  }

 private:
  const ZorE::Partition& m_p;
};

struct PinProbe {
  explicit PinProbe(ZavU::IPartitionPin* p)
      : m_p(static_cast<ZorE::PartitionPin_IPartitionPin*>(p)->owner()) {}
  explicit PinProbe(const ZavU::PinRef& p) : PinProbe(p.get()) {}

  const Port::StringBase& Bel() const { return m_p.Bel(); }
  const Port::StringBase& Site() const { return m_p.Site(); }
  Port::XUID Xuid() const { return Port::XUID(m_p.Identity()); }

 private:
  const ZorE::PartitionPin& m_p;
};

}  // namespace ZoreTest
