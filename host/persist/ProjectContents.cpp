// The project's contents inside a project file: the project name, the
// configuration, the partitions in hierarchy order, what the host keeps
// beside each, and each partition's own record (layout in ProjectFile.h).
#include <map>
#include <set>

#include "Port/MsgContext.h"
#include "CitP/Factory.h"
#include "ItemListing.h"
#include "PersistTexts.h"
#include "Prjrep/IPersist.h"
#include "ProjectFile.h"

namespace HostPersist {

namespace {

/// The root comes first and every other partition names a parent that
/// comes before it, so a reader can rebuild the hierarchy in one pass.
bool CheckHierarchyOrder(const std::vector<PartitionEntry>& entries, std::string& problem) {
  std::set<Port::StringBase> before;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const PartitionEntry& entry = entries[i];
    if (!entry.partition) {
      problem = ombform(Texts::kNullPartition, i);
      return false;
    }
    const Port::StringBase name = entry.partition->GetHierarchicalName();
    if (i == 0 && !entry.parentName.IsEmpty()) {
      problem = ombform(Texts::kFirstHasParent, name.c_str(), entry.parentName.c_str());
      return false;
    }
    if (i > 0 && before.count(entry.parentName) == 0) {
      problem = ombform(Texts::kParentNotBefore, i, name.c_str(), entry.parentName.c_str());
      return false;
    }
    before.insert(name);
  }
  return true;
}

void WriteAttributes(MemoryStream& s, const DescriptionAttributes& a) {
  s.WriteBool(a.isImport);
  s.WriteFileName(a.importLocation);
  s.WriteString(a.boundaryOpt);
  s.WriteString(a.importTag);
  s.WriteBool(a.isIsolated);
  s.WriteString(a.reconfigModuleName);
}

bool ReadAttributes(MemoryStream& s, DescriptionAttributes& a) {
  return s.ReadBool(a.isImport) == 1 && s.ReadFileName(a.importLocation) == 1 &&
         s.ReadString(a.boundaryOpt) == 1 && s.ReadString(a.importTag) == 1 &&
         s.ReadBool(a.isIsolated) == 1 && s.ReadString(a.reconfigModuleName) == 1;
}

void WriteConfiguration(MemoryStream& s, const Configuration& configuration) {
  s.WriteInt(static_cast<std::int32_t>(configuration.size()));
  for (const ModuleAssignment& module : configuration) {
    s.WriteString(module.partition);
    s.WriteString(module.moduleName);
    s.WriteFileName(module.location);
  }
}

/// Every module of the configuration implements a reconfigurable partition
/// the file holds. The configuration is taken as the file keeps it: a module
/// naming any other partition would be written back on that partition, and
/// the reconfigurable partition it was saved for would lose it.
bool CheckConfiguration(const Configuration& configuration,
                        const std::vector<PartitionEntry>& entries, std::string& problem) {
  std::map<Port::StringBase, ZavU::IPartition*> byName;
  for (const PartitionEntry& entry : entries) {
    byName.emplace(entry.partition->GetHierarchicalName(), entry.partition.get());
  }
  for (const ModuleAssignment& module : configuration) {
    const auto found = byName.find(module.partition);
    if (found == byName.end()) {
      problem = ombform(Texts::kModuleOfMissingPartition, module.moduleName.c_str(),
                        module.partition.c_str());
      return false;
    }
    if (!found->second->IsReconfigurable()) {
      problem = ombform(Texts::kModuleOfStaticPartition, module.moduleName.c_str(),
                        module.partition.c_str());
      return false;
    }
  }
  return true;
}

/// A format 1 file's configuration: one module for each reconfigurable
/// partition, under the name its description gave, in this project.
Configuration ConfigurationOfPartitions(const std::vector<PartitionEntry>& entries) {
  Configuration configuration;
  for (const PartitionEntry& entry : entries) {
    if (!entry.partition->IsReconfigurable()) continue;
    configuration.push_back(
        {entry.partition->GetHierarchicalName(), entry.attrs.reconfigModuleName, {}});
  }
  return configuration;
}

}  // namespace

bool ReadProjectConfiguration(MemoryStream& stream, const std::string& path, Configuration& out,
                              std::string& error) {
  Port::StringBase name;
  if (stream.ReadString(name) != 1) {
    error = ombform(Texts::kCorrupt, path.c_str(), Texts::kNameUnreadable);
    return false;
  }
  return ReadConfiguration(stream, path, out, error);
}

bool ReadConfiguration(MemoryStream& stream, const std::string& path, Configuration& out,
                       std::string& error) {
  auto corrupt = [&](const std::string& problem) {
    error = ombform(Texts::kCorrupt, path.c_str(), problem.c_str());
    return false;
  };
  std::int32_t count = 0;
  if (stream.ReadInt(count) != 1)
    return corrupt(ombform(Texts::kConfigurationUnreadable, std::size_t{0}));
  if (count < 0) return corrupt(ombform(Texts::kModuleCountNegative, count));
  Configuration configuration;
  for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
    ModuleAssignment module;
    if (stream.ReadString(module.partition) != 1 || stream.ReadString(module.moduleName) != 1 ||
        stream.ReadFileName(module.location) != 1) {
      return corrupt(ombform(Texts::kConfigurationUnreadable, i));
    }
    configuration.push_back(std::move(module));
  }
  out = std::move(configuration);
  return true;
}

bool WriteProject(const ProjectImage& project, MemoryStream& stream, const std::string& what,
                  std::string& error) {
  auto refuse = [&](const std::string& problem) {
    error = ombform(Texts::kSaveRefused, project.name.c_str(), what.c_str(), problem.c_str());
    return false;
  };
  std::string problem;
  if (!CheckHierarchyOrder(project.partitions, problem)) return refuse(problem);

  stream.WriteString(project.name);
  WriteConfiguration(stream, project.configuration);
  stream.WriteInt(static_cast<std::int32_t>(project.partitions.size()));
  for (std::size_t i = 0; i < project.partitions.size(); ++i) {
    const PartitionEntry& entry = project.partitions[i];
    auto* persist = CitI::QueryAs<Prjrep::IPersist>(entry.partition.get());
    if (!persist) {
      return refuse(ombform(Texts::kNoPersist, i, entry.partition->GetHierarchicalName().c_str()));
    }
    Port::XUID classXuid;
    persist->GetClassXUID(classXuid);
    stream.WriteString(entry.parentName);
    stream.WriteXUID(classXuid);
    WriteAttributes(stream, entry.attrs);
    if (persist->PersistSave(&stream) != 1) {
      return refuse(
          ombform(Texts::kRecordNotWritten, i, entry.partition->GetHierarchicalName().c_str()));
    }
  }
  return true;
}

bool ReadProject(MemoryStream& stream, const std::string& path, ProjectImage& out,
                 std::string& error, std::uint32_t format) {
  auto corrupt = [&](const std::string& problem) {
    error = ombform(Texts::kCorrupt, path.c_str(), problem.c_str());
    return false;
  };
  // Built aside: the caller sees the whole project or nothing, and every
  // partition made before a failure is released with `image`.
  ProjectImage image;
  std::int32_t count = 0;
  const bool keepsConfiguration = format >= kProjectFileFormat;
  if (stream.ReadString(image.name) != 1) return corrupt(Texts::kNameUnreadable);
  if (keepsConfiguration && !ReadConfiguration(stream, path, image.configuration, error)) {
    return false;
  }
  if (stream.ReadInt(count) != 1) return corrupt(Texts::kCountUnreadable);
  if (count < 0) return corrupt(ombform(Texts::kCountNegative, count));

  // No room is reserved by the count: a damaged count ends with the stream.
  for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
    PartitionEntry entry;
    Port::XUID classXuid;
    if (stream.ReadString(entry.parentName) != 1 || stream.ReadXUID(classXuid) != 1 ||
        !ReadAttributes(stream, entry.attrs)) {
      return corrupt(ombform(Texts::kEntryUnreadable, i));
    }
    CommonI::RefCountPtr<CitI::IInterface> created = CitP::Factory::CreateInstanceRef(classXuid);
    if (!created) return corrupt(ombform(Texts::kUnknownClass, i, XuidText(classXuid).c_str()));
    entry.partition = created.As<ZavU::IPartition>();
    auto* persist = CitI::QueryAs<Prjrep::IPersist>(created.get());
    if (!entry.partition || !persist) {
      return corrupt(ombform(Texts::kNotAPartition, i, XuidText(classXuid).c_str()));
    }
    Port::MessageContext where(ombform(Texts::kContextRecord, path.c_str(), i));
    if (persist->PersistLoad(&stream) != 1) {
      error = ombform(Texts::kRecordNotLoaded, path.c_str(), i);
      return false;
    }
    image.partitions.push_back(std::move(entry));
  }
  if (!stream.AtEnd()) {
    return corrupt(ombform(Texts::kBytesLeft, stream.Bytes().size() - stream.ReadPosition()));
  }
  std::string problem;
  if (!CheckHierarchyOrder(image.partitions, problem)) return corrupt(problem);
  if (!keepsConfiguration) {
    image.configuration = ConfigurationOfPartitions(image.partitions);
  } else if (!CheckConfiguration(image.configuration, image.partitions, problem)) {
    error = ombform(Texts::kInconsistent, path.c_str(), problem.c_str());
    return false;
  }
  out = std::move(image);
  return true;
}

}  // namespace HostPersist
