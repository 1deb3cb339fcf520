// The host's project file: a whole hierarchical-design project in one file.
//
// A file is a header and the project's contents. The header holds a mark
// ("ZORE-PRJ"), a checksum of everything after it (Checksum.h), the format
// number and the length of the contents, all little-endian:
//
//   bytes 0-7 mark, 8-15 checksum, 16-19 format, 20-23 zero, 24-31 length
//
// The contents are items of a MemoryStream: the project name, the project's
// configuration (its section: the module count, and for each reconfigurable
// module the hierarchical name of its partition, the module's name and the
// location of the project implementing it, empty for this project), the
// partition count, and for each partition in hierarchy order (the root first,
// then depth first in document order) the hierarchical name of its parent
// (empty for the root), its class XUID, the description attributes the host
// keeps beside it, and the partition's own record written by its IPersist:
//
//   parent name, class XUID, import state (bool), import location (file
//   name), boundary option, import tag, isolation (bool), reconfigurable
//   module name, record
//
// The record does not hold the description attributes; keeping them here
// lets a project file alone give back the description it came from.
//
// Format 1 files, written before the configuration had a section, are still
// read: their configuration is made from the partitions, one module for each
// reconfigurable partition, named as its description named it, implemented
// in this project.
//
// Saving replaces the file atomically (AtomicFile.h). Loading checks the
// header and the checksum before it creates anything, and hands the caller
// either the whole project or nothing: a partition that fails to load fails
// the load, and every partition created so far is released. Messages the
// partitions issue on the way still go to the message manager.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "AtomicFile.h"
#include "CommonI/IRefCount.h"
#include "ItemListing.h"
#include "MemoryStream.h"
#include "Port/HostApi.h"
#include "Port/StringBase.h"
#include "RegularFile.h"
#include "ZavU/IPartition.h"
#include "model/Project.h"

namespace HostPersist {

inline constexpr char kProjectFileMark[8] = {'Z', 'O', 'R', 'E', '-', 'P', 'R', 'J'};
/// The format written.
inline constexpr std::uint32_t kProjectFileFormat = 2;
/// The oldest format read: it has no configuration section.
inline constexpr std::uint32_t kFirstProjectFileFormat = 1;
inline constexpr std::size_t kProjectFileHeaderSize = 32;

// The plain types of a project (model/Project.h) as this layer names them:
// it only writes and reads them.
using HostModel::Configuration;
using HostModel::DescriptionAttributes;
using HostModel::ModuleAssignment;
using HostModel::PartitionEntry;
using HostModel::ProjectImage;

/// Writes the project's contents (no header) to `stream`. False, with
/// `error`, when the partitions are not in hierarchy order or a record
/// cannot be written; `what` names the project's destination in the error.
HOST_API bool WriteProject(const ProjectImage& project, MemoryStream& stream,
                           const std::string& what, std::string& error);
/// Reads a project's contents of file format `format` from `stream` into
/// `out`, creating the partitions through the registry. `out` is touched only
/// on success.
HOST_API bool ReadProject(MemoryStream& stream, const std::string& path, ProjectImage& out,
                          std::string& error, std::uint32_t format = kProjectFileFormat);

/// Reads the configuration section of a project's contents from `stream`:
/// ReadConfiguration from where the section starts, ReadProjectConfiguration
/// from the start of the contents (the project name is passed over).
HOST_API bool ReadConfiguration(MemoryStream& stream, const std::string& path, Configuration& out,
                                std::string& error);
HOST_API bool ReadProjectConfiguration(MemoryStream& stream, const std::string& path,
                                       Configuration& out, std::string& error);

/// Fills the header of a project file whose first kProjectFileHeaderSize
/// bytes were left for it and whose contents follow.
HOST_API void SealProjectFile(std::string& bytes);

/// The whole project file of `project`, header and contents, into `bytes`;
/// false with `error` as WriteProject.
HOST_API bool ProjectFileBytes(const ProjectImage& project, const std::string& what,
                               std::string& bytes, std::string& error);
HOST_API bool SaveProjectFile(const std::string& path, const ProjectImage& project,
                              std::string& error);
HOST_API bool SaveProjectFile(const std::string& path, const ProjectImage& project,
                              const Replacement& how, std::string& error);
HOST_API bool SaveProjectFile(const std::string& path, const ProjectImage& project,
                              const FileCalls& calls, std::string& error);
/// `read` stands for read(2) (RegularFile.h).
HOST_API bool LoadProjectFile(const std::string& path, ProjectImage& out, std::string& error,
                              const ReadCall& read = SystemRead());
/// The configuration kept in the project file at `path`, without loading
/// its partitions (except from a format 1 file, which keeps none).
HOST_API bool LoadProjectConfiguration(const std::string& path, Configuration& out,
                                       std::string& error);
/// Writes a header line, then every item of the file one a line, e.g.
/// `string "2"`, `xuid {...}`, `int 3`, `time 1700000000`.
HOST_API bool ListProjectFile(const std::string& path, std::ostream& out, std::string& error);

/// What a listing shows of a project file: its format, the size of its
/// contents, and its items.
struct HOST_API ProjectListing {
  std::uint32_t format = 0;
  std::size_t contentBytes = 0;
  std::vector<ListedItem> items;
};
/// Reads the listing of the project file at `path`; false (with `error`)
/// when it cannot be read or an item is damaged.
HOST_API bool ReadProjectListing(const std::string& path, ProjectListing& out, std::string& error);

}  // namespace HostPersist
