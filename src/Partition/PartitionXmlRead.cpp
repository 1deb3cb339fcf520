// Reading a partition's element of the partition description
// "xpartition.pxml": its state, import location, boundary option, import
// tag, preserve trait, reconfigurable flag and module name, isolation, and
// the pins listed under its Pins children.
//
// The host holds the parsed document and hands over one element, with its
// check flag and the description's format version, which are passed on to
// every pin. Nothing read before a failure is undone.
#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/dom/DOMNode.hpp>

#include "CitP/Factory.h"
#include "Partition/Partition.h"
#include "Partition/PartitionTexts.h"
#include "Partition/PartitionXmlNames.h"
#include "Partition/TraitTable.h"
#include "framework/DomDowncast.h"
#include "framework/Messages.h"
#include "framework/XmlText.h"

namespace ZorE {

namespace {

using XERCES_CPP_NAMESPACE::DOMElement;
using XERCES_CPP_NAMESPACE::DOMNode;
using XERCES_CPP_NAMESPACE::XMLString;

using namespace XmlNames;

/// Every fatal message of the reader carries this code.
constexpr int kFatalCode = 2;

/// The State values, tried in this order. "active" is an old spelling of
/// "implement" that is still accepted with a warning.
struct StateValue {
  const char* keyword;
  bool isImport;
  const char* warning;
};
const StateValue kStateValues[] = {
    {kStateImplement, false, nullptr},
    {"export", false, nullptr},
    {kStateImport, true, nullptr},
    {"active", false, kXmlStateActive},
};

/// The element and attribute names in the DOM's strings, transcoded once per
/// element read instead of once per pin.
struct DescriptionNames {
  XmlName state{kState};
  XmlName importLocation{kImportLocation};
  XmlName boundaryOpt{kBoundaryOpt};
  XmlName importTag{kImportTag};
  XmlName preserve{kPreserve};
  XmlName reconfigurable{kReconfigurable};
  XmlName reconfigModuleName{kReconfigModuleName};
  XmlName isolated{kIsolated};
  XmlName pinName{kName};
  XmlName pins{kPins};
  XmlName pin{kPin};
  ElementCast toElement;  // remembers the kind of node last accepted
};

/// What walking the children of an element found at one child.
enum class ChildStep { Skip, Element, Stop };

/// Classifies `node`: non-elements are skipped; an element is downcast into
/// `element`, and one that cannot be is fatal.
ChildStep ClassifyChild(const DOMNode* node, const DOMElement*& element, ElementCast& toElement) {
  if (node->getNodeType() != DOMNode::ELEMENT_NODE) return ChildStep::Skip;
  element = toElement(node);
  if (!element) {
    ZORE_MSG().issueFatal(kFatalCode, "%s", kXmlBadCast);
    return ChildStep::Stop;
  }
  return ChildStep::Element;
}

void ReadState(bool& isImport, const Port::StringBase& value) {
  for (const StateValue& state : kStateValues) {
    if (!IsKeyword(value, state.keyword)) continue;
    if (state.warning) ZORE_MSG().issueWarning("%s", state.warning);
    isImport = state.isImport;
    return;
  }
  // Unknown or absent: the state is left as it was and reading goes on.
  ZORE_MSG().issueError(kXmlStateUnknown, value.c_str());
}

/// Reads one Pins element: every Pin child becomes a new pin of the
/// partition. False when a pin was refused or reading had to stop; pins
/// created before that stay in the partition.
bool ReadPins(Partition& partition, const DOMElement& pins, DescriptionNames& names,
              std::uint32_t checkFlag, std::uint32_t formatVersion) {
  // The children are walked along the sibling chain: a node list's item(i)
  // and getLength() each walk that chain from the start, so an indexed loop
  // would be quadratic in the number of pins. The order is the same.
  for (const DOMNode* node = pins.getFirstChild(); node; node = node->getNextSibling()) {
    const DOMElement* element = nullptr;
    const ChildStep step = ClassifyChild(node, element, names.toElement);
    if (step == ChildStep::Skip) continue;
    if (step == ChildStep::Stop) return false;

    // Names are compared as DOM strings: the same exact test as on the
    // transcoded texts, without a transcode per pin.
    if (!XMLString::equals(element->getNodeName(), names.pin.get())) {
      ZORE_MSG().issueFatal(kFatalCode, kXmlUnexpectedNode,
                            XmlText(element->getNodeName()).str().c_str());
      return false;
    }
    const Port::StringBase name = XmlAttribute(*element, names.pinName);
    if (name.IsEmpty()) {
      ZORE_MSG().issueFatal(kFatalCode, "%s", kXmlMissingPinName);
      return false;
    }
    if (partition.FindPartitionPin(name)) {
      ZORE_MSG().issueError(kXmlDuplicatePin, name.c_str());
      return false;
    }
    ZavU::PinRef pin = CitP::Factory::CreateInstanceRef(Port::XUID(Xuids::ZorE_PartitionPin))
                           .As<ZavU::IPartitionPin>();
    if (!pin) {
      ZORE_MSG().issueError("%s", kXmlCannotCreatePin);
      continue;
    }
    pin->SetName(name);
    partition.AppendPin(pin);
    auto* check = CitI::QueryAs<ZavU::IPPXPartition>(pin.get());
    if (!check || check->ReadXmlAttributes(element, checkFlag, formatVersion) != 1) return false;
  }
  return true;
}

}  // namespace

CitI::Status Partition::ReadXmlElement(const XERCES_CPP_NAMESPACE::DOMElement* element,
                                       std::uint32_t checkFlag, std::uint32_t formatVersion) {
  if (!element) return 0;  // nothing handed over, nothing read
  // After a fatal message the reader goes no further and answers 0, like a
  // refused pin list: the element was not read whole.
  DescriptionNames names;
  m_isXmlDefined = true;
  // The name index built to refuse duplicate pins is dropped once the
  // element is read, however reading ends.
  struct IndexRelease {
    PinNameIndex& index;
    ~IndexRelease() { index.Release(); }
  } releaseIndex{m_pinIndex};

  ReadState(m_isImport, XmlAttribute(*element, names.state));
  m_importLocation = XmlAttribute(*element, names.importLocation);
  m_boundaryOpt = XmlAttribute(*element, names.boundaryOpt);
  // "NONE" names no tag, like an absent attribute.
  const Port::StringBase importTag = XmlAttribute(*element, names.importTag);
  m_importTag = IsKeyword(importTag, kNone) ? Port::StringBase() : importTag;

  // SetTrait refuses an illegal value, and "inherit" on the root, by
  // throwing; the exception leaves the reader with the steps above applied.
  Port::StringBase preserve = XmlAttribute(*element, names.preserve);
  if (preserve.IsEmpty()) preserve = PreserveDefault(m_isRoot);
  SetTrait(kTraitPreserve, preserve, true);

  SetReconfigurable(IsKeyword(XmlAttribute(*element, names.reconfigurable), kTrue));
  if (IsReconfigurable()) {
    m_reconfigModuleName = XmlAttribute(*element, names.reconfigModuleName);
  }
  SetIsolated(IsKeyword(XmlAttribute(*element, names.isolated), kTrue));

  // Every Pins child is a pin list; other children are not the reader's.
  for (const DOMNode* node = element->getFirstChild(); node; node = node->getNextSibling()) {
    const DOMElement* child = nullptr;
    const ChildStep step = ClassifyChild(node, child, names.toElement);
    if (step == ChildStep::Skip) continue;
    if (step == ChildStep::Stop) return 0;
    if (!XMLString::equals(child->getNodeName(), names.pins.get())) continue;
    if (!ReadPins(*this, *child, names, checkFlag, formatVersion)) return 0;
  }
  return 1;
}

}  // namespace ZorE
