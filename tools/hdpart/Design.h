// The design a command works on: the host's design project holding the
// partitions, built from a description file or loaded from a project file,
// with the project's name.
//
// Building from a description follows the host's order for each partition,
// parents first: create it through the registry, name it (SetHierarchicalName,
// SetRoot), link it into the project under its parent, then hand it its
// element (ReadXmlElement) with the check flag and the file's format version.
#pragma once

#include <string>
#include <vector>

#include "Commands.h"
#include "persist/ProjectFile.h"
#include "project/DesignProject.h"
#include "xml/DescriptionWriter.h"

namespace hdpart {

class HostSession;

struct Design {
  Prjrep::AutoRelease<HostProject::DesignProject> project;
  std::string name;

  /// The partitions with their parents, root first, depth first in the
  /// order they were added: what the description writer takes.
  HostXml::DescriptionContent Content() const;
};

/// The kinds of file a command may be handed.
enum class FileKind { Description, ProjectFile };

/// A description starts with markup; anything else is taken for a project
/// file, whose reader checks its header. False with `error` when `path` is
/// not a regular file that can be read.
bool DetectFileKind(const std::string& path, FileKind& kind, std::string& error);

/// Builds `out` from the description file at `path`. False when the file
/// cannot be read or laid out, or a partition was not read (all reported).
bool BuildFromDescription(HostSession& session, const std::string& path,
                          const Invocation& invocation, Design& out);

/// Loads `out` from the project file at `path`. False (reported) when the
/// file cannot be read, is damaged, or a partition cannot be rebuilt.
bool LoadFromProjectFile(HostSession& session, const std::string& path, Design& out);

/// What a save writes of `design`: its partitions in hierarchy order, each
/// with its parent's name and its kept description attributes.
HostPersist::ProjectImage ImageOf(const Design& design);

/// Builds `out` from FILE, a description or a project file.
bool LoadDesign(HostSession& session, const std::string& path, const Invocation& invocation,
                Design& out);

/// The directory `path` lies in, absolute: the project's location.
std::string LocationOf(const std::string& path);

}  // namespace hdpart
