// Opening a description: its partitions built, linked and read, parents
// first, then the configuration of its reconfigurable partitions given to
// the project as its design data.
#include "CitP/Factory.h"
#include "Port/Exception.h"
#include "Port/MsgContext.h"
#include "Port/MsgMan.h"
#include "Port/StringBase.h"
#include "ZavU/IReconfigAssocInfo.h"
#include "ZavU/IXPartition.h"
#include "session/SessionDesign.h"
#include "session/SessionTexts.h"
#include "xml/DescriptionDocument.h"
#include "xml/DescriptionLayout.h"

namespace HostSession {

namespace {

/// Whether the library's message is about one of the partition's pins.
bool IsAboutAPin(const std::string& text) {
  for (std::size_t at = 0; at + 3 <= text.size(); ++at) {
    if ((text[at] == 'p' || text[at] == 'P') && text.compare(at + 1, 2, "in") == 0) return true;
  }
  return false;
}

/// The line after each message the library issues about `entry`'s element:
/// the file, where the element starts and the partition, and for a message
/// about a pin, the pin.
Port::MessageContext::Line ContextOf(const HostXml::DescriptionDocument& doc,
                                     const HostXml::PartitionElement& entry,
                                     const std::string& file, bool locationsRefused) {
  return [&doc, &entry, &file, locationsRefused](const Port_Message& message) {
    const HostXml::ElementPosition start = doc.StartOf(entry.element);
    std::string line =
        start.line == 0
            ? ombform(kContextElementUnplaced, file.c_str(), entry.name.c_str())
            : ombform(kContextElement, file.c_str(), static_cast<unsigned long long>(start.line),
                      static_cast<unsigned long long>(start.column), entry.name.c_str());
    if (IsAboutAPin(message.text)) {
      const std::string pin = HostXml::RefusedPin(entry.element, locationsRefused);
      if (!pin.empty()) line += ", " + pin;
    }
    return line;
  };
}

/// Creates, names, links and reads one partition. False when it was not
/// read; the reason has been reported.
bool AddPartition(HostProject::DesignProject& project, const HostXml::DescriptionDocument& doc,
                  const HostXml::PartitionElement& entry, const PartitionRef& parent,
                  std::uint32_t checkFlag, std::uint32_t formatVersion, const std::string& file,
                  const char* me, PartitionRef& out) {
  out = CitP::Factory::CreateInstanceRef(Port::XUID(Xuids::ZorE_Partition)).As<ZavU::IPartition>();
  if (!out) {
    SESSION_MSG(me).issueError(kMsgCannotCreatePartition, file.c_str(), entry.name.c_str());
    return false;
  }
  out->SetHierarchicalName(Port::StringBase(entry.name));
  out->SetRoot(entry.parent < 0);
  if (!project.AddPartition(out.get(), parent.get())) {
    SESSION_MSG(me).issueError(kMsgCannotAddPartition, file.c_str(), entry.name.c_str());
    return false;
  }
  auto* description = CitI::QueryAs<ZavU::IXPartition>(out.get());
  bool read = false;
  {
    // What the library reports or throws about the element is followed by
    // where the element is.
    const bool locationsRefused =
        checkFlag != 0 && formatVersion >= HostXml::Layout::kCurrentFileVersion;
    Port::MessageContext where(ContextOf(doc, entry, file, locationsRefused));
    try {
      read =
          description && description->ReadXmlElement(entry.element, checkFlag, formatVersion) == 1;
    } catch (const Port::Exception& e) {
      SESSION_MSG(me).issueError(kMsgLibraryText, e.what());
    }
  }
  if (!read) SESSION_MSG(me).issueError(kMsgPartitionNotRead, file.c_str(), entry.name.c_str());
  return read;
}

}  // namespace

bool Session::OpenDescription(const std::string& path, const OpenOptions& options) {
  const char* me = m_frontEnd.c_str();
  std::string error;
  std::unique_ptr<HostXml::DescriptionDocument> doc =
      HostXml::DescriptionDocument::ParseFile(path, error);
  HostXml::DescriptionLayout layout;
  if (!doc || !HostXml::ReadLayout(doc->Root(), path, layout, error)) {
    SESSION_MSG(me).issueError(kMsgFileFault, error.c_str());
    return false;
  }
  NewDesign(path, layout.projectName);
  const std::uint32_t checkFlag = options.pinCheck ? 1 : 0;
  std::vector<PartitionRef> created(layout.partitions.size());
  for (std::size_t i = 0; i < layout.partitions.size(); ++i) {
    Advance(kStageBuilding, i + 1, layout.partitions.size());
    const HostXml::PartitionElement& entry = layout.partitions[i];
    const PartitionRef parent = entry.parent < 0 ? PartitionRef() : created[entry.parent];
    if (!AddPartition(*m_design->project.get(), *doc, entry, parent, checkFlag,
                      layout.formatVersion, path, me, created[i])) {
      return false;
    }
  }
  // One module per reconfigurable partition, named as its element named it,
  // implemented where ReconfigModuleLocation says (absent: this project).
  for (std::size_t i = 0; i < layout.partitions.size(); ++i) {
    if (!created[i]->IsReconfigurable()) continue;
    HostModel::ModuleAssignment module{created[i]->GetHierarchicalName(),
                                       {},
                                       Port::StringBase(layout.partitions[i].moduleLocation)};
    if (auto* info = CitI::QueryAs<ZavU::IReconfigAssocInfo>(created[i].get())) {
      info->GetReconfigModuleName(&module.moduleName);
    }
    m_design->configuration.push_back(std::move(module));
  }
  m_design->project->SetDesignData(m_design->configuration);
  return true;
}

}  // namespace HostSession
