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
// The session owns its diagnostics. Each operation runs with a message sink
// the session installs for its span and answers an Outcome: whether it
// succeeded, and what it reported (the library's messages, exactly as the
// library issued them, and the session's own under the front end's name),
// which goes on to the front end's Reporter as it is issued. No front end
// replaces the message manager's sink. A design whose reading or import drew
// errors is neither saved nor written: the session refuses, naming the file
// and the first error, whichever front end asks.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CommonI/IRefCount.h"
#include "Port/HostApi.h"
#include "Port/MsgMan.h"
#include "ZavU/IPartition.h"
#include "project/DesignProject.h"

namespace HostSession {

using PartitionRef = CommonI::RefCountPtr<ZavU::IPartition>;

/// The component library a session drives.
inline constexpr const char* kLibraryName = "zavEraV_Adoduzadi";

struct HOST_API OpenOptions {
  /// Refuse Pin elements that still carry the old location attributes.
  bool pinCheck = true;
};

/// What one operation of a session drew: whether it succeeded, and every
/// message it issued (debug traces aside), in order, with their counts.
/// Tests it as a bool: `if (!session.Open(path)) ...`.
struct HOST_API Outcome {
  bool ok = false;
  int errors = 0;  // errors, internal faults and fatal messages
  int warnings = 0;
  int fatals = 0;
  std::vector<Port_Message> messages;

  explicit operator bool() const { return ok; }
  /// The first error's first line; empty when there is none.
  std::string FirstError() const;
};

/// Where a front end shows what its session's operations report, as they
/// report it. Without one, messages go to the message manager's sink as it
/// was when the operation began (the standard streams, by default).
class HOST_API Reporter {
 public:
  virtual ~Reporter() = default;
  virtual void Show(const Port_Message& message) = 0;
  /// Whether debug traces are wanted at all (formatting them costs).
  virtual bool KeepsDebugTraces() const { return false; }
};

/// Where a front end shows how far a long operation has come: the session
/// tells it each step of the partitions it builds, imports or records, then
/// the bytes it writes.
class HOST_API Progress {
 public:
  virtual ~Progress() = default;
  /// `done` of `total` units of `stage` (kStage* in SessionTexts.h).
  virtual void Advance(const char* stage, std::uint64_t done, std::uint64_t total) = 0;
  /// The operation is over: whatever was shown goes.
  virtual void Finish() = 0;
};

class HOST_API Session {
 public:
  /// `frontEnd` names the program in its messages ("hdpart").
  explicit Session(std::string frontEnd);
  /// Drops the design and clears the current project before Xerces-C is
  /// shut down: the host releases its references before exit.
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  /// Every operation below runs with a message sink the session installs
  /// for its span: the messages go to `reporter` (kept by the caller; null:
  /// the sink in place when the operation began) and into the outcome.
  void SetReporter(Reporter* reporter) { m_reporter = reporter; }
  /// Where long operations show their progress (kept by the caller; null:
  /// nowhere).
  void SetProgress(Progress* progress) { m_progress = progress; }
  /// Tells the front end's progress `done` of `total` units of `stage`.
  void Advance(const char* stage, std::uint64_t done, std::uint64_t total) const {
    if (m_progress) m_progress->Advance(stage, done, total);
  }
  /// Runs `body`, which calls the library or the session, as one operation:
  /// its messages are the outcome's, and what the library throws through it
  /// is caught there (Guarded). A front end runs each command so.
  Outcome Run(const std::function<bool()>& body);
  /// Runs `body`, whose messages are expected and of no concern to the
  /// operation it is part of (a pin reports every read of its Bel or Site):
  /// they are kept in the answer only, neither shown nor counted.
  Outcome SetAside(const std::function<void()>& body);
  /// The errors, warnings and fatal messages of every operation so far.
  const Outcome& Totals() const { return m_totals; }

  /// Loads the library and registers the host's classes; false (reported)
  /// when that fails.
  Outcome Start();

  /// Opens the description or project file at `path` in place of any design
  /// open before. False (reported) when the file cannot be read or laid out,
  /// or a partition could not be built; the session then holds no design.
  /// A design whose reading drew errors is open, but is neither saved nor
  /// written until a design is opened again.
  Outcome Open(const std::string& path, const OpenOptions& options = {});
  bool IsOpen() const;
  /// Drops the open design, if any; the host then has no current project.
  void Close();
  /// Makes the open design the host's current project again (none when no
  /// design is open), for a host that keeps several sessions.
  void MakeCurrent() const;

  /// The project file the design was opened from; empty for a description.
  std::string OpenedProjectFile() const;
  /// The name the session reports under ("hdpart").
  const std::string& FrontEnd() const { return m_frontEnd; }
  /// The project's name: the description's Name, or the one saved.
  const std::string& ProjectName() const;
  /// The partition of `hierarchicalName`, or an empty reference.
  PartitionRef Find(const std::string& hierarchicalName) const;
  /// Every partition, the root first, then depth first in document order.
  std::vector<PartitionRef> HierarchyOrder() const;
  /// The same walk, each partition with where its parent stands in it and
  /// its depth.
  std::vector<HostProject::DesignProject::Step> Walk() const;
  /// The same walk as names and partitions with no reference taken, valid
  /// until the design changes: for commands that read names alone.
  std::vector<HostProject::DesignProject::Listed> Listing() const;

  /// Takes over the previous implementation of every partition in state
  /// import, in hierarchy order, from the same partition of the exported
  /// project at its import location (Import.cpp). A partition that cannot be
  /// imported is reported and skipped; the others go on. False when any was
  /// skipped or refused; errors keep the design from being saved, as for
  /// Open.
  Outcome Import();
  /// What the last Import took over: partitions imported, and the distinct
  /// import locations they came from.
  struct ImportTally {
    int partitions = 0;
    int locations = 0;
  };
  const ImportTally& LastImport() const { return m_lastImport; }

  /// Saves the design to the project file at `path`, atomically. Neither
  /// Save nor WriteDescription replaces a file the design was read from (an
  /// exported project an import opened, the file it was opened from), except
  /// the file opened by a file of its own kind: a project opened from a
  /// project file is saved where it was opened, a description written back
  /// over itself.
  Outcome Save(const std::string& path);
  /// The bytes Save writes, for a front end that sends them elsewhere
  /// (standard output); `destination` names where, for the messages.
  Outcome ProjectFileBytes(const std::string& destination, std::string& bytes);
  /// The design's description text into `text`; false (reported) when a
  /// value cannot be written in XML 1.0, naming its partition and attribute.
  Outcome DescriptionText(std::string& text);
  /// Writes the description to the file at `path`, atomically; nothing is
  /// written when DescriptionText fails.
  Outcome WriteDescription(const std::string& path);

 private:
  struct Design;
  class Span;
  bool StartLibrary();
  bool OpenFile(const std::string& path, const OpenOptions& options);
  bool OpenDescription(const std::string& path, const OpenOptions& options);
  bool OpenProjectFile(const std::string& path);
  bool ImportAll();
  bool SaveDesign(const std::string& path) const;
  bool Bytes(const std::string& destination, std::string& bytes) const;
  bool Text(std::string& text) const;
  bool Write(const std::string& path) const;
  /// False (reported) when no design is open, or when the design drew
  /// errors as it was read or imported: nothing made of it goes to
  /// `destination`.
  bool MayWrite(const std::string& destination) const;
  /// False (reported) when no design is open.
  bool RequireDesign() const;
  /// `done`, after reporting `error` (a file's fault, naming the file) when
  /// it is false.
  bool Reported(bool done, const std::string& error) const;
  /// A new empty design project located beside `path`, made current.
  void NewDesign(const std::string& path, std::string name);

  std::string m_frontEnd;
  ImportTally m_lastImport;
  Reporter* m_reporter = nullptr;
  Progress* m_progress = nullptr;
  Outcome m_totals;
  /// Operations running now, the outermost first in line to report.
  int m_spans = 0;
  struct Xerces;
  std::unique_ptr<Xerces> m_xerces;
  std::unique_ptr<Design> m_design;
};

/// Runs `body` and catches what the library or the runtime throws through
/// it: a library exception becomes a fatal message with its text, memory
/// running out an error, both issued under `frontEnd`. The answer is
/// `body`'s, or false after a catch. A front end runs each command under
/// this, the one place exceptions stop.
HOST_API bool Guarded(const std::string& frontEnd, const std::function<bool()>& body);

}  // namespace HostSession
