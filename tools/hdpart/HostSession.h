// What every hdpart command stands on: the partition library loaded by name
// through the registry (as a real host loads it, never linked), the host's
// project services registered, Xerces-C set up, and the design the command
// works on as the host's current project.
#pragma once

#include <string>

#include "project/DesignProject.h"
#include "xml/XercesSession.h"

namespace hdpart {

/// The component library the tool drives.
inline constexpr const char* kLibraryName = "zavEraV_Adoduzadi";

class HostSession {
 public:
  HostSession() = default;
  /// Clears the current project: the host drops its reference before exit.
  ~HostSession();
  HostSession(const HostSession&) = delete;
  HostSession& operator=(const HostSession&) = delete;

  /// Loads the library and registers the host's classes; false (reported)
  /// when that fails.
  bool Start();
  /// Makes `project` the host's current project.
  void SetCurrent(HostProject::DesignProject* project);

 private:
  HostXml::XercesSession m_xerces;
};

}  // namespace hdpart
