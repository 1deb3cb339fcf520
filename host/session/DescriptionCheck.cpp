// The description check: one walk over every element in document order,
// which is also the order the parser kept their starts in, and one look at
// each import location however many partitions name it.
//
// The walk follows the host's layout as the readers do: Partition elements
// under Project and under each other, Pins under a Partition, Pin under
// Pins. Elements anywhere else are nobody's to read and are not checked,
// but still counted, so every element finds its start.
#include "session/DescriptionCheck.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <memory>
#include <optional>
#include <unordered_map>
#include <xercesc/dom/DOMAttr.hpp>
#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/dom/DOMNamedNodeMap.hpp>
#include <xercesc/util/XMLString.hpp>

#include "Port/MsgContext.h"
#include "Port/MsgMan.h"
#include "Port/StringBase.h"
#include "Port/UtDir.h"
#include "ZavU/XPartitionNames.h"
#include "persist/ProjectFile.h"
#include "persist/RegularFile.h"
#include "session/CheckTexts.h"
#include "session/ImportResults.h"
#include "session/NearestName.h"
#include "session/Session.h"
#include "session/SessionTexts.h"
#include "xml/DescriptionDocument.h"
#include "xml/DescriptionLayout.h"
#include "xml/Transcode.h"

namespace HostSession {

namespace {

namespace xc = XERCES_CPP_NAMESPACE;
namespace Names = ZavU::XPartitionNames;
namespace Texts = CheckTexts;
using HostXml::DomString;
using HostXml::ElementPosition;
using HostXml::Transcoded;

/// What an element is to the readers, from its name and its parent's role.
enum class Role { Other, Project, Partition, Pins, Pin };
constexpr std::size_t Index(Role role) { return static_cast<std::size_t>(role); }

/// The attributes each element of the layout has: the partition's own (its
/// reader takes them all), the host's ReconfigModuleLocation, and on a pin
/// the old location attributes, refused by the pin check but known.
const std::vector<const char*> kProjectAttributes = {Names::kName, Names::kFileVersion};
const std::vector<const char*> kPartitionAttributes = {
    Names::kName,           Names::kState,
    Names::kImportLocation, Names::kBoundaryOpt,
    Names::kImportTag,      Names::kPreserve,
    Names::kReconfigurable, Names::kReconfigModuleName,
    Names::kIsolated,       HostXml::Layout::kReconfigModuleLocation};
const std::vector<const char*> kPinsAttributes = {};
const std::vector<const char*> kPinAttributes = {Names::kName, Names::kPinSite, Names::kPinBinding,
                                                 Names::kPinBelSite, Names::kPinBelPin};
/// The attributes a partition reads as flags: "true" (in any case) sets
/// them, anything else clears them.
const char* const kFlags[] = {Names::kReconfigurable, Names::kIsolated};

bool IsKeyword(const std::string& value, const char* keyword) {
  return Port::StringBase(value).Compare(keyword, Port::kCompareKeyword) == 0;
}

unsigned long long Printed(std::uint64_t number) { return static_cast<unsigned long long>(number); }

/// `location` without the slashes that end it, as an import takes it.
std::string WithoutTrailingSlash(std::string location) {
  while (location.size() > 1 && location.back() == '/') location.pop_back();
  return location;
}

/// What one import location holds, looked at once.
struct LocationLook {
  enum class Kind { Missing, NotDirectory, Directory } kind = Kind::Missing;
  /// For each result pattern that several files match: the pattern and the
  /// files, in the order an import meets them.
  std::vector<SeveralMatches> several;
};

LocationLook Look(const std::string& location) {
  LocationLook look;
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(location, error);
  if (!std::filesystem::exists(status)) return look;
  if (!std::filesystem::is_directory(status)) {
    look.kind = LocationLook::Kind::NotDirectory;
    return look;
  }
  look.kind = LocationLook::Kind::Directory;
  look.several = SeveralResultFiles(location);
  return look;
}

class Checker {
 public:
  Checker(const HostXml::DescriptionDocument& doc, std::vector<Finding>& out)
      : m_doc(doc), m_out(out) {
    m_known[Index(Role::Project)].Make(kProjectAttributes);
    m_known[Index(Role::Partition)].Make(kPartitionAttributes);
    m_known[Index(Role::Pins)].Make(kPinsAttributes);
    m_known[Index(Role::Pin)].Make(kPinAttributes);
    m_flags.Make({std::begin(kFlags), std::end(kFlags)});
  }

  void Walk(const xc::DOMElement* root);

 private:
  /// A Partition element being walked: its name, whether it has one, and
  /// its pins' names with where each was first given.
  struct Frame {
    std::string name;
    bool named = false;
    std::unordered_map<std::string, ElementPosition> pins;
  };
  /// An element being walked: its next child to visit and its role.
  struct Level {
    const xc::DOMElement* next;
    Role role;
  };

  /// Attribute names as texts and as the DOM's strings, made once.
  struct NameList {
    std::vector<const char*> texts;
    std::vector<std::unique_ptr<DomString>> names;
    void Make(const std::vector<const char*>& from) {
      texts = from;
      for (const char* text : from) names.push_back(std::make_unique<DomString>(text));
    }
    bool Holds(const XMLCh* name) const {
      for (const auto& known : names) {
        if (xc::XMLString::equals(name, known->get())) return true;
      }
      return false;
    }
  };
  Role RoleOf(const xc::DOMElement& element, Role parent) const;
  /// A finding about the element at `start`, of the partition on top.
  Finding& Add(FindingKind kind, const char* element, ElementPosition start);
  void CheckAttributes(const xc::DOMElement& element, Role role, const char* name,
                       ElementPosition start);
  void CheckPartition(const xc::DOMElement& element, bool root, ElementPosition start);
  void CheckPin(const xc::DOMElement& element, ElementPosition start);
  void CheckImport(const xc::DOMElement& element, ElementPosition start);
  std::string Attribute(const xc::DOMElement& element, const DomString& name) const {
    return Transcoded(element.getAttribute(name.get()));
  }

  const HostXml::DescriptionDocument& m_doc;
  std::vector<Finding>& m_out;
  /// The attributes each role knows, by Index(role).
  NameList m_known[Index(Role::Pin) + 1];
  NameList m_flags;
  const DomString m_partition{Names::kPartition}, m_pins{Names::kPins}, m_pin{Names::kPin},
      m_name{Names::kName}, m_state{Names::kState}, m_importLocation{Names::kImportLocation},
      m_reconfigurable{Names::kReconfigurable};
  std::vector<Frame> m_frames;
  std::unordered_map<std::string, ElementPosition> m_partitionStarts;
  std::unordered_map<std::string, LocationLook> m_locations;
  std::string m_workingDirectory;
};

Role Checker::RoleOf(const xc::DOMElement& element, Role parent) const {
  const XMLCh* name = element.getNodeName();
  switch (parent) {
    case Role::Project:
      return xc::XMLString::equals(name, m_partition.get()) ? Role::Partition : Role::Other;
    case Role::Partition:
      if (xc::XMLString::equals(name, m_partition.get())) return Role::Partition;
      return xc::XMLString::equals(name, m_pins.get()) ? Role::Pins : Role::Other;
    case Role::Pins:
      return xc::XMLString::equals(name, m_pin.get()) ? Role::Pin : Role::Other;
    case Role::Other:
    case Role::Pin:
      break;
  }
  return Role::Other;
}

Finding& Checker::Add(FindingKind kind, const char* element, ElementPosition start) {
  Finding finding;
  finding.kind = kind;
  finding.element = element;
  finding.line = start.line;
  finding.column = start.column;
  if (!m_frames.empty() && m_frames.back().named) finding.partition = m_frames.back().name;
  m_out.push_back(std::move(finding));
  return m_out.back();
}

void Checker::Walk(const xc::DOMElement* root) {
  const std::vector<ElementPosition>& starts = m_doc.ElementStarts();
  std::size_t ordinal = 0;
  auto startOf = [&](std::size_t at) {
    return at < starts.size() ? starts[at] : ElementPosition{};
  };
  CheckAttributes(*root, Role::Project, Names::kProject, startOf(ordinal++));
  // Depth first without recursion (a hostile file may nest deeply).
  std::vector<Level> levels{{root->getFirstElementChild(), Role::Project}};
  while (!levels.empty()) {
    Level& level = levels.back();
    const xc::DOMElement* element = level.next;
    if (!element) {
      if (level.role == Role::Partition) m_frames.pop_back();
      levels.pop_back();
      continue;
    }
    level.next = element->getNextElementSibling();
    const Role parent = level.role;
    const Role role = RoleOf(*element, parent);
    const ElementPosition start = startOf(ordinal++);
    switch (role) {
      case Role::Partition:
        CheckPartition(*element, parent == Role::Project, start);  // pushes its frame
        break;
      case Role::Pins:
        CheckAttributes(*element, role, Names::kPins, start);
        break;
      case Role::Pin:
        CheckPin(*element, start);
        break;
      case Role::Project:
      case Role::Other:
        break;
    }
    levels.push_back({element->getFirstElementChild(), role});
  }
}

void Checker::CheckAttributes(const xc::DOMElement& element, Role role, const char* name,
                              ElementPosition start) {
  const xc::DOMNamedNodeMap* attributes = element.getAttributes();
  if (!attributes) return;
  const NameList& known = m_known[Index(role)];
  // The DOM does not keep the attributes in document order: the unknown
  // ones are reported in name order, whatever order the DOM has them in.
  std::vector<std::pair<std::string, std::string>> unknown;
  for (XMLSize_t i = 0; i < attributes->getLength(); ++i) {
    const xc::DOMNode* attribute = attributes->item(i);
    if (!known.Holds(attribute->getNodeName())) {
      unknown.emplace_back(Transcoded(attribute->getNodeName()),
                           Transcoded(attribute->getNodeValue()));
    }
  }
  std::sort(unknown.begin(), unknown.end());
  for (auto& [attribute, value] : unknown) {
    Finding& finding = Add(FindingKind::UnknownAttribute, name, start);
    finding.attribute = std::move(attribute);
    finding.value = std::move(value);
    finding.message = ombform(Texts::kUnknownAttribute, finding.attribute.c_str(), name);
    const std::string nearest = NearestName(finding.attribute, known.texts);
    if (!nearest.empty()) {
      finding.suggestion = nearest;
      finding.message += ombform(Texts::kDidYouMean, nearest.c_str());
    }
  }
}

void Checker::CheckPartition(const xc::DOMElement& element, bool root, ElementPosition start) {
  Frame frame;
  frame.name = Attribute(element, m_name);
  frame.named = !frame.name.empty();
  const Frame* parent = m_frames.empty() ? nullptr : &m_frames.back();
  const std::string parentName = parent && parent->named ? parent->name : std::string();
  m_frames.push_back(std::move(frame));
  const std::string& name = m_frames.back().name;

  CheckAttributes(element, Role::Partition, Names::kPartition, start);
  if (name.empty()) {
    Add(FindingKind::NoName, Names::kPartition, start).message = Texts::kPartitionWithoutName;
  } else {
    if (name[0] != '/') {
      Add(FindingKind::RelativeName, Names::kPartition, start).message =
          ombform(Texts::kRelativeName, name.c_str());
    }
    // Under "/top" lies "/top/x" (and deeper), not "/topx"; under "/" lies
    // every absolute name.
    if (!parentName.empty()) {
      const std::string prefix = parentName.back() == '/' ? parentName : parentName + "/";
      if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) {
        Finding& finding = Add(FindingKind::NotUnderParent, Names::kPartition, start);
        finding.parent = parentName;
        finding.message = ombform(Texts::kNotUnderParent, name.c_str(), parentName.c_str());
      }
    }
    const auto [first, added] = m_partitionStarts.emplace(name, start);
    if (!added) {
      Finding& finding = Add(FindingKind::NameTwice, Names::kPartition, start);
      finding.firstLine = first->second.line;
      finding.firstColumn = first->second.column;
      finding.message = ombform(Texts::kPartitionTwice, name.c_str(), Printed(finding.firstLine),
                                Printed(finding.firstColumn));
    }
  }
  for (std::size_t i = 0; i < m_flags.names.size(); ++i) {
    const char* flag = m_flags.texts[i];
    const DomString& attribute = *m_flags.names[i];
    if (!element.hasAttribute(attribute.get())) continue;
    const std::string value = Attribute(element, attribute);
    if (IsKeyword(value, Names::kTrue) || IsKeyword(value, Names::kFalse)) continue;
    Finding& finding = Add(FindingKind::NotBoolean, Names::kPartition, start);
    finding.attribute = flag;
    finding.value = value;
    finding.message = ombform(Texts::kNotBoolean, flag, value.c_str());
  }
  if (root && IsKeyword(Attribute(element, m_reconfigurable), Names::kTrue)) {
    Add(FindingKind::ReconfigurableRoot, Names::kPartition, start).message =
        ombform(Texts::kReconfigurableRoot, name.c_str());
  }
  if (IsKeyword(Attribute(element, m_state), Names::kStateImport)) CheckImport(element, start);
}

void Checker::CheckImport(const xc::DOMElement& element, ElementPosition start) {
  const std::string given = Attribute(element, m_importLocation);
  const std::string& name = m_frames.back().name;
  // The import refuses an empty location or NONE before looking anywhere.
  if (given.empty() || IsKeyword(given, Names::kNone)) {
    Finding& finding = Add(FindingKind::ImportLocation, Names::kPartition, start);
    finding.location = given;
    finding.message = ombform(Texts::kNoImportLocation, name.c_str());
    return;
  }
  const std::string location = WithoutTrailingSlash(given);
  auto [at, added] = m_locations.try_emplace(location);
  if (added) at->second = Look(location);
  const LocationLook& look = at->second;
  std::optional<std::string> resolvedFrom;
  if (location[0] != '/') {
    if (m_workingDirectory.empty()) {
      std::error_code error;
      m_workingDirectory = std::filesystem::current_path(error).string();
    }
    resolvedFrom = m_workingDirectory;
  }
  auto add = [&](FindingKind kind, std::string message) -> Finding& {
    Finding& finding = Add(kind, Names::kPartition, start);
    finding.location = given;
    finding.resolvedFrom = resolvedFrom;
    finding.message = std::move(message);
    return finding;
  };
  const std::string where =
      resolvedFrom ? ombform(Texts::kResolvedFrom, resolvedFrom->c_str()) : std::string();
  switch (look.kind) {
    case LocationLook::Kind::Missing:
      add(FindingKind::ImportLocation, ombform(Texts::kLocationMissing, given.c_str()) + where);
      return;
    case LocationLook::Kind::NotDirectory:
      add(FindingKind::ImportLocation,
          ombform(Texts::kLocationNotDirectory, given.c_str()) + where);
      return;
    case LocationLook::Kind::Directory:
      break;
  }
  for (const auto& [pattern, files] : look.several) {
    Finding& finding = add(FindingKind::SeveralImportFiles,
                           ombform(Texts::kSeveralFiles, given.c_str(), files.size(), pattern,
                                   FileList(files).c_str(), files.front().c_str()));
    finding.pattern = pattern;
    finding.files = files;
  }
}

void Checker::CheckPin(const xc::DOMElement& element, ElementPosition start) {
  const std::string name = Attribute(element, m_name);
  const std::size_t before = m_out.size();
  CheckAttributes(element, Role::Pin, Names::kPin, start);
  for (std::size_t i = before; i < m_out.size() && !name.empty(); ++i) m_out[i].pin = name;
  Frame& frame = m_frames.back();  // a Pin is walked only inside a Partition
  if (name.empty()) {
    Add(FindingKind::NoName, Names::kPin, start).message =
        ombform(Texts::kPinWithoutName, frame.name.c_str());
    return;
  }
  const auto [first, added] = frame.pins.emplace(name, start);
  if (added) return;
  Finding& finding = Add(FindingKind::NameTwice, Names::kPin, start);
  finding.pin = name;
  finding.firstLine = first->second.line;
  finding.firstColumn = first->second.column;
  finding.message = ombform(Texts::kPinTwice, name.c_str(), frame.name.c_str(),
                            Printed(finding.firstLine), Printed(finding.firstColumn));
}

}  // namespace

const char* KindName(FindingKind kind) {
  switch (kind) {
#define HOST_SESSION_FINDING_NAME(kind, name) \
  case FindingKind::kind:                     \
    return name;
    HOST_SESSION_FINDING_KINDS(HOST_SESSION_FINDING_NAME)
#undef HOST_SESSION_FINDING_NAME
  }
  return "";
}

bool CheckDescription(const Session& session, const std::string& path,
                      std::vector<Finding>& findings) {
  const char* me = session.FrontEnd().c_str();
  findings.clear();
  std::string head;
  std::string error;
  if (!HostPersist::ReadRegularFile(path, head, error, sizeof HostPersist::kProjectFileMark)) {
    SESSION_MSG(me).issueError(kMsgFileFault, error.c_str());
    return false;
  }
  if (head.compare(0, std::string::npos, HostPersist::kProjectFileMark,
                   sizeof HostPersist::kProjectFileMark) == 0) {
    SESSION_MSG(me).issueError(Texts::kProjectFile, path.c_str());
    return false;
  }
  const auto doc =
      HostXml::DescriptionDocument::ParseFile(path, error, HostXml::KeptStarts::EveryElement);
  if (!doc) {
    SESSION_MSG(me).issueError(kMsgFileFault, error.c_str());
    return false;
  }
  const xc::DOMElement* root = doc->Root();
  if (!xc::XMLString::equals(root->getNodeName(), DomString(Names::kProject).get())) {
    SESSION_MSG(me).issueError(Texts::kNotAProject, path.c_str(),
                               Transcoded(root->getNodeName()).c_str());
    return false;
  }
  // Each location is listed once for the whole check.
  UT_DIR_LISTING_SCOPE listings;
  Checker(*doc, findings).Walk(root);
  return true;
}

void ReportFindings(const Session& session, const std::string& path,
                    const std::vector<Finding>& findings) {
  const char* me = session.FrontEnd().c_str();
  for (const Finding& finding : findings) {
    std::string where = finding.partition
                            ? ombform(Texts::kAtPartition, path.c_str(), Printed(finding.line),
                                      Printed(finding.column), finding.partition->c_str())
                            : ombform(Texts::kAtElement, path.c_str(), Printed(finding.line),
                                      Printed(finding.column), finding.element.c_str());
    if (finding.pin) where += ombform(Texts::kAndPin, finding.pin->c_str());
    Port::MessageContext context(where);
    SESSION_MSG(me).issueWarning(Texts::kFinding, finding.message.c_str());
  }
}

}  // namespace HostSession
