// The project the record and memory benchmarks save and open: one root
// "top" and partitions "top/u1", "top/u2", ... under it, each with the same
// pin names PREFIX0 SUFFIX, PREFIX1 SUFFIX, ...
#pragma once

#include <functional>
#include <string>

#include "CitP/Factory.h"
#include "ProjectFile.h"
#include "ZavU/IPartition.h"

extern "C" void InstFactoryEntry();

namespace ZoreBench {

/// Registers the partition library's classes, once per process.
inline void RegisterLibrary() {
  static const bool registered = (InstFactoryEntry(), true);
  (void)registered;
}

/// `more`, when given, is called on each partition once its pins are added.
inline HostModel::ProjectImage MakeProject(
    long partitions, long pins, const std::string& prefix, const std::string& suffix = "",
    const std::function<void(ZavU::IPartition&, long)>& more = nullptr) {
  RegisterLibrary();
  HostModel::ProjectImage project;
  project.name = "bench";
  for (long i = 0; i < partitions; ++i) {
    HostModel::PartitionEntry entry;
    entry.partition =
        CitP::Factory::CreateInstanceRef(Port::XUID(Xuids::ZorE_Partition)).As<ZavU::IPartition>();
    const std::string name = i == 0 ? "top" : "top/u" + std::to_string(i);
    entry.partition->SetHierarchicalName(Port::StringBase(name));
    entry.parentName = i == 0 ? "" : "top";
    for (long p = 0; p < pins; ++p) {
      entry.partition->AddPartitionPin(Port::StringBase(prefix + std::to_string(p) + suffix));
    }
    if (more) more(*entry.partition.get(), i);
    project.partitions.push_back(std::move(entry));
  }
  return project;
}

}  // namespace ZoreBench
