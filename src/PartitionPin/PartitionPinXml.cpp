// The pin's check of its Pin element in the partition description. Pins
// once carried their location (Site, Binding, BelSite, BelPin) in the
// description; descriptions of format 2 or later may no longer do so, and
// the host asks for the check with its check flag. The values are never
// stored: Bel and Site come only from the project file.
#include "PartitionPin/PartitionPin.h"
#include "ZavU/XPartitionNames.h"
#include "framework/Messages.h"
#include "framework/XmlText.h"

namespace ZorE {

namespace {

/// The first description format whose pins may not carry a location.
constexpr std::uint32_t kFirstFormatWithoutLocations = 2;

// The attribute names, as DOM strings made once: the check runs for every
// pin of a description.
constexpr DomLiteral kSite(ZavU::XPartitionNames::kPinSite);
constexpr DomLiteral kBinding(ZavU::XPartitionNames::kPinBinding);
constexpr DomLiteral kBelSite(ZavU::XPartitionNames::kPinBelSite);
constexpr DomLiteral kBelPin(ZavU::XPartitionNames::kPinBelPin);

struct RefusedLocation {
  const XMLCh* attribute;
  const char* message;
};

// Examined in this order; every one is examined, so each refused attribute
// is reported.
const RefusedLocation kRefusedLocations[] = {
    {kSite.get(),
     "The \"Site\" attribute on Partition pins is no longer supported.  Please correct the "
     "xpartition.pxml file.\n"},
    {kBinding.get(),
     "The \"Binding\" attribute on Partition pins is no longer supported.  Please correct the "
     "xpartition.pxml file.\n"},
    {kBelSite.get(),
     "The \"BelSite\" attribute on Partition pins is no longer supported.  Please correct the "
     "xpartition.pxml file.\n"},
    {kBelPin.get(),
     "The \"BelPin\" attribute on Partition pins is no longer supported.  Please correct the "
     "xpartition.pxml file.\n"},
};

}  // namespace

CitI::Status PartitionPin::ReadXmlAttributes(const XERCES_CPP_NAMESPACE::DOMElement* pin,
                                             std::uint32_t checkFlag, std::uint32_t formatVersion) {
  if (checkFlag == 0 || formatVersion < kFirstFormatWithoutLocations) return 1;
  if (!pin) return 1;  // no element, no attribute to refuse
  bool refused = false;
  for (const RefusedLocation& location : kRefusedLocations) {
    if (HasXmlAttributeText(*pin, location.attribute)) {
      ZORE_MSG().issueError("%s", location.message);
      refused = true;
    }
  }
  return refused ? 0 : 1;
}

}  // namespace ZorE
