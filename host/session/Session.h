// The host session every front end stands on: the partition library loaded
// by name through the registry (as a real host loads it, never linked), the
// host's project services registered, Xerces-C set up, and one open design:
// the host's design project holding the partitions, made the current project.
//
//   HostSession::Session session("hdpart");
//   if (!session.Start() || !session.Open("xpartition.pxml")) return fail;
//   for (auto& partition : session.HierarchyOrder()) partition->Dump();
//   session.Import();                             // previous implementations
//   session.Save("demo.prj");                     // a project file
//   session.WriteDescription("back.pxml");         // a description
//
// Open takes a description or a project file and tells them apart by the
// project file's mark alone. Building from a description follows the host's
// order for each partition, parents first: create it through the registry,
// name it (SetHierarchicalName, SetRoot), link it into the project under its
// parent, then hand it its element (ReadXmlElement) with the check flag and
// the file's format version. Opening a project file loads every record and
// gives each partition back the description attributes kept beside it.
//
// Every fault is reported through the message manager under the front end's
// name; the operations answer false (or an empty reference) and leave the
// reporting done.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CommonI/IRefCount.h"
#include "ZavU/IPartition.h"

namespace HostSession {

using PartitionRef = CommonI::RefCountPtr<ZavU::IPartition>;

/// The component library a session drives.
inline constexpr const char* kLibraryName = "zavEraV_Adoduzadi";

struct OpenOptions {
  /// Refuse Pin elements that still carry the old location attributes.
  bool pinCheck = true;
};

class Session {
 public:
  /// `frontEnd` names the program in its messages ("hdpart").
  explicit Session(std::string frontEnd);
  /// Drops the design and clears the current project before Xerces-C is
  /// shut down: the host releases its references before exit.
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  /// Loads the library and registers the host's classes; false (reported)
  /// when that fails.
  bool Start();

  /// Opens the description or project file at `path` in place of any design
  /// open before. False (reported) when the file cannot be read or laid out,
  /// or a partition could not be built; the session then holds no design.
  bool Open(const std::string& path, const OpenOptions& options = {});
  bool IsOpen() const;
  /// Makes the open design the host's current project again (none when no
  /// design is open), for a host that keeps several sessions.
  void MakeCurrent() const;

  /// The project's name: the description's Name, or the one saved.
  const std::string& ProjectName() const;
  /// The partition of `hierarchicalName`, or an empty reference.
  PartitionRef Find(const std::string& hierarchicalName) const;
  /// Every partition, the root first, then depth first in document order.
  std::vector<PartitionRef> HierarchyOrder() const;

  /// Takes over the previous implementation of every partition in state
  /// import, in hierarchy order, from the same partition of the exported
  /// project at its import location (Import.cpp). A partition that cannot be
  /// imported is reported and skipped; the others go on. False when any was
  /// skipped or refused.
  bool Import();

  /// Saves the design to the project file at `path`, atomically. Neither
  /// Save nor WriteDescription replaces a file the design was read from: the
  /// file it was opened from, or an exported project an import opened.
  bool Save(const std::string& path) const;
  /// The bytes Save writes, for a front end that sends them elsewhere
  /// (standard output); `destination` names where, for the messages.
  bool ProjectFileBytes(const std::string& destination, std::string& bytes) const;
  /// The design's description text into `text`; false (reported) when a
  /// value cannot be written in XML 1.0, naming its partition and attribute.
  bool DescriptionText(std::string& text) const;
  /// Writes the description to the file at `path`, atomically; nothing is
  /// written when DescriptionText fails.
  bool WriteDescription(const std::string& path) const;

 private:
  struct Design;
  bool OpenDescription(const std::string& path, const OpenOptions& options);
  bool OpenProjectFile(const std::string& path);
  /// A new empty design project located beside `path`, made current.
  void NewDesign(const std::string& path, std::string name);
  void Close();

  std::string m_frontEnd;
  struct Xerces;
  std::unique_ptr<Xerces> m_xerces;
  std::unique_ptr<Design> m_design;
};

/// Runs `body` and catches what the library or the runtime throws through
/// it: a library exception becomes a fatal message with its text, memory
/// running out an error, both issued under `frontEnd`. The answer is
/// `body`'s, or false after a catch. A front end runs each command under
/// this, the one place exceptions stop.
bool Guarded(const std::string& frontEnd, const std::function<bool()>& body);

}  // namespace HostSession
