// Starting a session, telling the two kinds of file apart, walking, saving
// and writing the open design, and the guard front ends run commands under.
#include "session/Session.h"

#include <cstring>
#include <filesystem>
#include <new>

#include "CitP/Factory.h"
#include "Port/Exception.h"
#include "Port/FileName.h"
#include "Port/MsgMan.h"
#include "persist/AtomicFile.h"
#include "persist/ProjectFile.h"
#include "persist/RegularFile.h"
#include "project/CurrentProject.h"
#include "project/Naming.h"
#include "project/Registration.h"
#include "session/SessionDesign.h"
#include "session/SessionTexts.h"
#include "xml/DescriptionDocument.h"

namespace HostSession {

namespace {

/// The code of the fatal message a library exception becomes.
constexpr int kLibraryExceptionCode = 2;

/// The directory `path` lies in, absolute: the project's location.
std::string LocationOf(const std::string& path) {
  const std::string absolute = Port::FileName(Port::StringBase(path)).GetAbsolutePath(false).str();
  const std::string location = std::filesystem::path(absolute).parent_path();
  return location.empty() ? "." : location;
}

}  // namespace

void Session::Design::Read(const std::string& path) {
  const std::optional<HostPersist::FileId> file = HostPersist::FileId::Of(path);
  if (file && !inputs.Holds(file->device, file->inode)) inputs.files.push_back(*file);
}

HostPersist::Replacement::Inputs Session::Design::InputsFor(bool projectFile) const {
  const bool openedAsProject = !project->ProjectFile().empty();
  const bool ownKind = projectFile == openedAsProject;
  HostPersist::Replacement::Inputs refused = inputs;
  if (ownKind) {
    // The file opened is the first read.
    if (!refused.files.empty()) refused.files.erase(refused.files.begin());
    return refused;
  }
  // A save in place gave the file opened a new identity: the path names it.
  const std::optional<HostPersist::FileId> now = HostPersist::FileId::Of(path);
  if (now && !refused.Holds(now->device, now->inode)) refused.files.push_back(*now);
  return refused;
}

HostXml::DescriptionContent Session::Design::Content() const {
  HostXml::DescriptionContent content;
  content.projectName = name;
  for (HostProject::DesignProject::Step& step : project->Walk()) {
    const std::string module = ModuleLocation(step.partition->GetHierarchicalName()).str();
    content.partitions.push_back({std::move(step.partition), step.parent, module});
  }
  return content;
}

Port::StringBase Session::Design::ModuleLocation(const Port::StringBase& partition) const {
  for (const HostModel::ModuleAssignment& module : configuration) {
    if (module.partition == partition) return module.location;
  }
  return {};
}

Session::Session(std::string frontEnd)
    : m_frontEnd(std::move(frontEnd)), m_xerces(std::make_unique<Xerces>()) {}

Session::~Session() { Close(); }

bool Session::StartLibrary() {
  const char* me = m_frontEnd.c_str();
  if (!CitP::Factory::LoadLibraryFactory(kLibraryName)) {
    SESSION_MSG(me).issueError(kMsgCannotLoadLibrary, me, kLibraryName,
                               CitP::Factory::LastLoadError().c_str());
    return false;
  }
  if (!CitP::Factory::IsRegistered(Port::XUID(Xuids::ZorE_Partition))) {
    SESSION_MSG(me).issueError(kMsgNoPartitionClass, me, kLibraryName);
    return false;
  }
  if (!HostProject::RegisterClasses()) {
    SESSION_MSG(me).issueError(kMsgCannotRegisterHost, me);
    return false;
  }
  return true;
}

void Session::NewDesign(const std::string& path, std::string name) {
  Close();
  m_design = std::make_unique<Design>();
  m_design->name = std::move(name);
  m_design->path = path;
  m_design->Read(path);
  m_design->project = HostProject::DesignProject::Create(Port::StringBase(LocationOf(path)));
  HostProject::SetCurrentProject(m_design->project->AsHDProject());
}

void Session::Close() {
  HostProject::SetCurrentProject(nullptr);
  m_design.reset();
}

bool Session::OpenFile(const std::string& path, const OpenOptions& options) {
  Close();
  // Only a project file starts with its mark; anything else is read as a
  // description, so a file that is neither gets the XML parser's message.
  std::string head;
  std::string error;
  if (!HostPersist::ReadRegularFile(path, head, error, sizeof HostPersist::kProjectFileMark)) {
    SESSION_MSG(m_frontEnd.c_str()).issueError(kMsgFileFault, error.c_str());
    return false;
  }
  const bool projectFile =
      head.size() == sizeof HostPersist::kProjectFileMark &&
      std::memcmp(head.data(), HostPersist::kProjectFileMark, head.size()) == 0;
  const bool opened = projectFile ? OpenProjectFile(path) : OpenDescription(path, options);
  if (!opened) Close();
  return opened;
}

bool Session::IsOpen() const { return m_design != nullptr; }

std::string Session::OpenedProjectFile() const {
  return m_design ? m_design->project->ProjectFile() : std::string();
}

void Session::MakeCurrent() const {
  HostProject::SetCurrentProject(m_design ? m_design->project->AsHDProject() : nullptr);
}

const std::string& Session::ProjectName() const {
  static const std::string kNoName;
  return m_design ? m_design->name : kNoName;
}

PartitionRef Session::Find(const std::string& hierarchicalName) const {
  if (!m_design) return {};
  return m_design->project->Find(Port::StringBase(hierarchicalName));
}

std::vector<PartitionRef> Session::HierarchyOrder() const {
  if (!m_design) return {};
  return m_design->project->DepthFirst();
}

std::vector<HostProject::DesignProject::Step> Session::Walk() const {
  if (!m_design) return {};
  return m_design->project->Walk();
}

std::vector<HostProject::DesignProject::Listed> Session::Listing() const {
  if (!m_design) return {};
  return m_design->project->Listing();
}

bool Session::Text(std::string& text) const {
  if (!RequireDesign()) return false;
  std::string error;
  return Reported(HostXml::WriteDescription(m_design->Content(), text, error), error);
}

bool Session::Write(const std::string& path) const {
  std::string text;
  if (!MayWrite(path) || !Text(text)) return false;
  std::string error;
  HostPersist::Replacement how{HostPersist::kDescriptionKind,
                               m_design->InputsFor(Design::kWritesDescription)};
  how.written = [this](std::size_t written, std::size_t total) {
    Advance(kStageWriting, written, total);
  };
  return Reported(HostPersist::ReplaceFileAtomically(path, text, how, error), error);
}

bool Session::RequireDesign() const {
  if (m_design) return true;
  const char* me = m_frontEnd.c_str();
  SESSION_MSG(me).issueError(kMsgNothingOpen, me);
  return false;
}

bool Session::Reported(bool done, const std::string& error) const {
  if (!done) SESSION_MSG(m_frontEnd.c_str()).issueError(kMsgFileFault, error.c_str());
  return done;
}

bool Guarded(const std::string& frontEnd, const std::function<bool()>& body) {
  const char* me = frontEnd.c_str();
  try {
    return body();
  } catch (const Port::Exception& e) {
    SESSION_MSG(me).issueFatal(kLibraryExceptionCode, kMsgLibraryText, e.what());
  } catch (const std::bad_alloc&) {
    SESSION_MSG(me).issueError(kMsgOutOfMemory, me);
  }
  return false;
}

}  // namespace HostSession
