// What a session holds inside: Xerces-C set up for as long as the session
// lives, and the open design (the host's design project, the project's name
// and its configuration). Private to the session's source units.
#pragma once

#include <string>

#include "persist/AtomicFile.h"
#include "persist/ProjectFile.h"
#include "project/DesignProject.h"
#include "session/Session.h"
#include "xml/DescriptionWriter.h"
#include "xml/XercesSession.h"

namespace HostSession {

struct Session::Xerces {
  HostXml::XercesSession session;
};

struct Session::Design {
  decltype(HostProject::DesignProject::Create(Port::StringBase())) project;
  std::string name;
  /// The path the design was opened from, as given.
  std::string path;
  /// Every file the design's operations read: the file it was opened from,
  /// then each exported project an import opened. A save or a write replaces
  /// none of them, except the file opened by one of its own kind (InputsFor).
  HostPersist::Replacement::Inputs inputs;
  /// The reconfigurable modules: what the project's design data holds for a
  /// description, what the project file kept for a project file. A save
  /// keeps it in the project file.
  HostModel::Configuration configuration;
  /// The first error reading or importing the design drew; while it is set
  /// the design is neither saved nor written.
  std::string fault;
  /// What drew it: kReading or kImporting.
  const char* faultedBy = nullptr;
  /// Adds the file at `path` to the inputs (nothing when it is gone).
  void Read(const std::string& path);
  /// The files a project file (`projectFile`) or a description must not
  /// replace. The file the design was opened from may be replaced by a file
  /// of its own kind, saved where it was opened: it was read whole first and
  /// the replacement is atomic. A file of the other kind never goes over
  /// it, nor over an exported project.
  HostPersist::Replacement::Inputs InputsFor(bool projectFile) const;
  static constexpr bool kWritesProjectFile = true;
  static constexpr bool kWritesDescription = false;
  /// The partitions with their parents, root first, depth first in the
  /// order they were added: what the description writer takes.
  HostXml::DescriptionContent Content() const;
  /// What a project file of the design holds: the name, the configuration
  /// and the partitions in hierarchy order with their kept attributes.
  HostModel::ProjectImage Image() const;
  /// The modules of partitions the design holds that are reconfigurable
  /// now: a partition made static since the design was read (set_property)
  /// leaves its module behind, so that the file saved loads again.
  HostModel::Configuration CurrentConfiguration() const;
  /// The location of the project implementing `partition`'s module, as the
  /// configuration holds it; empty for this project.
  Port::StringBase ModuleLocation(const Port::StringBase& partition) const;
};

/// The sink of one operation (see SetReporter): keeps each message in the
/// operation's outcome and hands it on. Spans nest (an import inside a
/// command a front end runs): the outermost counts the session's totals and
/// reports to the front end; an inner one hands its messages to the span
/// around it.
class Session::Span final : public Port_MsgSink {
 public:
  Span(Session& session, Outcome& outcome);
  ~Span() override;
  Span(const Span&) = delete;
  Span& operator=(const Span&) = delete;
  void Deliver(const Port_Message& message) override;
  bool KeepsDebugTraces() const override;

 private:
  Session& m_session;
  Outcome& m_outcome;
  Port_MsgSink* m_previous;
  bool m_outermost;
};

/// Fills `project` from a loaded project file at `path`: every partition
/// added under its parent and given its kept description attributes back.
/// False (reported under `frontEnd`) when a partition is refused.
bool FillFromImage(HostProject::DesignProject& project, const HostModel::ProjectImage& image,
                   const std::string& path, const char* frontEnd,
                   const std::function<void(std::size_t done, std::size_t total)>& step = {});

}  // namespace HostSession
