// A small host built against the installed package only: it loads the
// partition library by name, builds the hierarchy of a description it
// parses itself (create, name, link, then hand each partition its
// element), saves it through the installed persistence, reopens the
// project through the installed session and dumps one partition.
//
//   example_host DESCRIPTION PROJECT PARTITION
#include <xercesc/dom/DOM.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/XMLString.hpp>

#include <cstdio>
#include <string>

#include "CitP/Factory.h"
#include "ZavU/IXPartition.h"
#include "persist/ProjectFile.h"
#include "project/CurrentProject.h"
#include "project/DesignProject.h"
#include "project/Registration.h"
#include "session/KeptAttributes.h"
#include "session/Session.h"

namespace xc = XERCES_CPP_NAMESPACE;

namespace {

/// The library reads descriptions of this format.
constexpr std::uint32_t kFormatVersion = 2;
/// Pin elements with the old location attributes are refused.
constexpr std::uint32_t kCheckFlag = 1;

std::string Text(const XMLCh* text) {
  char* chars = xc::XMLString::transcode(text);
  std::string result = chars ? chars : "";
  xc::XMLString::release(&chars);
  return result;
}

bool Is(const xc::DOMElement& element, const char* name) {
  return Text(element.getTagName()) == name;
}

/// Builds `element`'s partition under `parent` and its children under it,
/// parents first, each named and linked before it reads its element.
bool Build(HostProject::DesignProject& project, const xc::DOMElement& element,
           ZavU::IPartition* parent, HostModel::ProjectImage& image) {
  XMLCh* nameAttribute = xc::XMLString::transcode("Name");
  const std::string name = Text(element.getAttribute(nameAttribute));
  xc::XMLString::release(&nameAttribute);
  auto partition = CitP::Factory::CreateInstanceRef(Port::XUID(Xuids::ZorE_Partition))
                       .As<ZavU::IPartition>();  // adopted: the holder releases it
  if (!partition) return false;
  partition->SetHierarchicalName(Port::StringBase(name));
  partition->SetRoot(parent == nullptr);
  if (!project.AddPartition(partition.get(), parent)) return false;
  auto* description = CitI::QueryAs<ZavU::IXPartition>(partition.get());
  if (!description || description->ReadXmlElement(&element, kCheckFlag, kFormatVersion) != 1) {
    std::fprintf(stderr, "example_host: partition %s was not read\n", name.c_str());
    return false;
  }
  image.partitions.push_back(
      {partition, parent ? parent->GetHierarchicalName() : Port::StringBase(),
       HostSession::KeptAttributesOf(*partition.get())});
  for (const xc::DOMNode* child = element.getFirstChild(); child;
       child = child->getNextSibling()) {
    const auto* inner = dynamic_cast<const xc::DOMElement*>(child);
    if (inner && Is(*inner, "Partition") && !Build(project, *inner, partition.get(), image)) {
      return false;
    }
  }
  return true;
}

/// Parses the description and saves its partitions to `project`.
bool Save(const std::string& descriptionFile, const std::string& projectFile) {
  xc::XercesDOMParser parser;
  parser.setDoNamespaces(false);
  parser.parse(descriptionFile.c_str());
  const xc::DOMDocument* document = parser.getDocument();
  const xc::DOMElement* root = document ? document->getDocumentElement() : nullptr;
  if (!root || parser.getErrorCount() > 0) return false;

  CitP::RegistryScope registry;
  if (!CitP::Factory::LoadLibraryFactory("zavEraV_Adoduzadi")) {
    std::fprintf(stderr, "example_host: %s\n", CitP::Factory::LastLoadError().c_str());
    return false;
  }
  if (!HostProject::RegisterClasses()) return false;
  auto project = HostProject::DesignProject::Create(Port::StringBase("."));
  HostProject::SetCurrentProject(project->AsHDProject());
  HostModel::ProjectImage image;
  image.name = "example";
  bool built = true;
  for (const xc::DOMNode* child = root->getFirstChild(); child && built;
       child = child->getNextSibling()) {
    const auto* element = dynamic_cast<const xc::DOMElement*>(child);
    if (element && Is(*element, "Partition")) built = Build(*project.get(), *element, nullptr, image);
  }
  std::string error;
  const bool saved = built && HostPersist::SaveProjectFile(projectFile, image, error);
  if (!error.empty()) std::fprintf(stderr, "example_host: %s\n", error.c_str());
  // The host lets go of its references before the registry empties.
  image.partitions.clear();
  HostProject::SetCurrentProject(nullptr);
  return saved;
}

/// Reopens the project through the session and dumps one partition.
bool Show(const std::string& projectFile, const std::string& partition) {
  CitP::RegistryScope registry;
  HostSession::Session session("example_host");
  if (!session.Start() || !session.Open(projectFile)) return false;
  HostSession::PartitionRef found = session.Find(partition);
  if (!found) return false;
  found->Dump();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: example_host DESCRIPTION PROJECT PARTITION\n");
    return 2;
  }
  xc::XMLPlatformUtils::Initialize();
  const bool done = Save(argv[1], argv[2]) && Show(argv[2], argv[3]);
  xc::XMLPlatformUtils::Terminate();
  return done ? 0 : 1;
}
