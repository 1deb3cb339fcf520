// What a session holds inside: Xerces-C set up for as long as the session
// lives, and the open design (the host's design project and the project's
// name). Private to the session's source units.
#pragma once

#include <optional>
#include <string>

#include "persist/AtomicFile.h"
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
  /// The file the design was opened from: a save never replaces it.
  std::optional<HostPersist::FileId> input;

  /// The partitions with their parents, root first, depth first in the
  /// order they were added: what the description writer takes.
  HostXml::DescriptionContent Content() const;
};

}  // namespace HostSession
