// The description attributes the host keeps beside each partition record in
// a project file (the record does not hold them), and how a loaded partition
// gets them back: the host builds the partition's element from them and
// hands it to ReadXmlElement, the library's only way into those fields.
#pragma once

#include <string>

#include "ZavU/IPartition.h"
#include "persist/ProjectFile.h"

namespace hdpart {

/// What the partition's description says that its record does not keep.
HostPersist::DescriptionAttributes KeptAttributesOf(ZavU::IPartition& partition);

/// The element text a loaded partition is handed: the kept attributes,
/// and the preserve trait and reconfigurable flag of its record (reading an
/// element sets both, so the element must repeat what the record says).
std::string ElementFor(const HostPersist::DescriptionAttributes& kept,
                       const Port::StringBase& preserve, bool reconfigurable);

/// Gives `partition` its kept attributes back through ReadXmlElement. False
/// (reported, naming `file`) when the partition refuses them.
bool RestoreKeptAttributes(ZavU::IPartition& partition,
                           const HostPersist::DescriptionAttributes& kept, const std::string& file);

}  // namespace hdpart
