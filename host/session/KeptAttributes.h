// The description attributes the host keeps beside each partition record in
// a project file (the record does not hold them), and how a loaded partition
// gets them back: the host builds the partition's element from them with the
// DOM's own calls and hands it to ReadXmlElement, the library's only way
// into those fields.
#pragma once

#include <string>

#include "Port/HostApi.h"
#include "ZavU/IPartition.h"
#include "persist/ProjectFile.h"

namespace HostSession {

/// What the partition's description says that its record does not keep.
HOST_API HostModel::DescriptionAttributes KeptAttributesOf(ZavU::IPartition& partition);

/// Gives `partition` its kept attributes back through ReadXmlElement, with
/// the preserve trait and reconfigurable flag of its record (reading an
/// element sets both, so the element repeats what the record says). False
/// (reported under `frontEnd`, naming `file`) when the partition refuses them.
HOST_API bool RestoreKeptAttributes(ZavU::IPartition& partition,
                                    const HostModel::DescriptionAttributes& kept,
                                    const std::string& file, const char* frontEnd);

}  // namespace HostSession
