// The partition's face toward the XML partition description and the import
// of previous implementations.
#pragma once

#include <cstdint>

#include "ZavU/IPartition.h"

namespace ZavU {

class IXPartition : public CitI::IInterface {
 public:
  ZORE_INTERFACE_XUID(ZavU_IXPartition)
  virtual CitI::Status SetXmlDefined(bool defined) = 0;  // 2
  virtual bool IsXmlDefined() = 0;                       // 3
  /// Slot 4: fills the partition from its element of the description. Name
  /// the partition (SetHierarchicalName, then SetRoot) and link it into its
  /// project under its parent first: the reader looks both up. `checkFlag`
  /// 1 refuses Pin elements that still carry the old location attributes, 0
  /// accepts them; `formatVersion` is the description's FileVersion (below
  /// 2, pins are not checked). Xerces-C must be set up. It sets the preserve
  /// trait and the reconfigurable flag as SetTrait and SetReconfigurable do,
  /// so it throws as they do (a Preserve value that is not legal, "inherit"
  /// on the root); what was read before stays. Nothing else here throws.
  virtual CitI::Status ReadXmlElement(const XERCES_CPP_NAMESPACE::DOMElement* element,
                                      std::uint32_t checkFlag, std::uint32_t formatVersion) = 0;
  virtual bool IsImport() = 0;                                                      // 5
  virtual CitI::Status GetImportLocation(Port::StringBase& out) = 0;                // 6
  virtual bool ImportPreviousImplementation(IPartition* source, bool qhvOnly) = 0;  // 7
  virtual bool ImportPartitionPins(IPartition* source) = 0;                         // 8
  /// Slot 9: appends the rest of the element's start tag to `text`.
  virtual CitI::Status WriteXmlAttributes(Port::StringBase& text) = 0;
  virtual Port::StringBase GetBoundaryOpt() = 0;  // 10
  virtual Port::StringBase GetImportTag() = 0;    // 11
};

}  // namespace ZavU
