// Per-view timestamps (time tracking) and previous design files (file
// tracking) of a partition.
//
// Views are ZavU::AppView and states ZavU::fileState indexes. One out of
// range is reported as an error and changes nothing; the setters answer 0
// for it, except SetTimestamp, which answers 1 all the same. A time never set
// reads -1, as does a bad view; a bad state reads an empty path. Nothing here
// throws.
#pragma once

#include "CitI/IInterface.h"
#include "Port/StringBase.h"
#include "Port/UtTime.h"
#include "ZavU/AppView.h"

namespace ZavU {

class IPartitionTimeTracking : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(ZavU_IPartitionTimeTracking)
  /// As IPartition's. Setting SYNTHESIS unforces LOM, EXPANDED unforces
  /// TRANSLATE, ROUTED unforces PLACEMENT; a changed SYNTHESIS time older
  /// than the EXPANDED one forces TRANSLATE.
  virtual CitI::Status SetTimestamp(AppView view, Port::Time time) = 0;                // 2
  virtual Port::Time GetTimestamp(AppView view) = 0;                                   // 3
  virtual CitI::Status SetProcessedTimestamp(std::int32_t view, Port::Time time) = 0;  // 4
  virtual Port::Time GetProcessedTimestamp(std::int32_t view) = 0;                     // 5
  virtual CitI::Status SetInterfaceTimestamp(std::int32_t view, Port::Time time) = 0;  // 6
  virtual Port::Time GetInterfaceTimestamp(std::int32_t view) = 0;                     // 7
};

class IPartitionFileTracking : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(ZavU_IPartitionFileTracking)
  /// A path is made absolute against the working directory, except on a
  /// partition read from the description (IXPartition::IsXmlDefined), which
  /// keeps it as written; an empty path stays empty.
  virtual CitI::Status SetPreviousDesignFile(std::int32_t state,
                                             const Port::StringBase& path) = 0;  // 2
  virtual Port::StringBase GetPreviousDesignFile(std::int32_t state) = 0;        // 3
};

}  // namespace ZavU
