#include "Partition/TraitTable.h"

namespace ZorE {

namespace {
// One constant array per trait, each ended by an empty entry. The
// reconfigurable row holds "false" twice (non-root and root default), so its
// legal values list "false" twice, and "inherit" is not legal for it.
const char* const kGuide[] = {"guide", "inherit", "no", "yes", ""};
const char* const kPreserve[] = {"preserve", "inherit", "routing", "placement", "synthesis", ""};
const char* const kDependencyManagementMode[] = {"dependency_management_mode", "inherit",
                                                 "global_change", "local_change", ""};
const char* const kFleetmatch[] = {"fleetmatch", "inherit", "no", "yes", ""};
const char* const kReconfigurable[] = {"reconfigurable", "false", "false", "true", ""};
const char* const* const kSource[] = {kGuide, kPreserve, kDependencyManagementMode, kFleetmatch,
                                      kReconfigurable};
}  // namespace

TraitTable::TraitTable() {
  for (const char* const* source : kSource) {
    Row row;
    for (const char* const* text = source; **text != '\0'; ++text) row.emplace_back(*text);
    m_rows.push_back(std::move(row));
  }
}

const TraitTable& TraitTable::Instance() {
  // Built once and never freed: partitions may outlive static destruction.
  static const TraitTable* table = new TraitTable();
  return *table;
}

const TraitTable::Row* TraitTable::Find(const Port::StringBase& name) const {
  for (const Row& row : m_rows) {
    if (row[0] == name) return &row;
  }
  return nullptr;
}

bool TraitTable::IsLegal(const Row& row, const Port::StringBase& value) {
  for (std::size_t i = 1; i < row.size(); ++i) {
    if (row[i] == value) return true;
  }
  return false;
}

}  // namespace ZorE
