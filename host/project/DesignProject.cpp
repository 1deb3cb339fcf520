// The design project: its partitions by hierarchical name, their parents and
// children, the project's answers to the partition library, and its flow rule.
#include "project/DesignProject.h"

#include "ZavU/IPartitionHierarchy.h"
#include "project/Configuration.h"
#include "project/PRSolution.h"
#include "project/PartitionIterator.h"
#include "project/UpToDate.h"
#include "project/UpToDateTexts.h"

namespace HostProject {

namespace {

/// Links `partition` to `parent` and `project` when it can be linked.
void Link(ZavU::IPartition* partition, ZavU::IPartition* parent, Dpm::IHDProject* project) {
  auto* settable = CitI::QueryAs<ZavU::IPartitionHierarchySettable>(partition);
  if (!settable) return;
  settable->SetParent(CommonI::RefCountPtr<ZavU::IPartition>(parent));
  Prjrep::AutoRelease<Dpm::IHDProject> held;  // the caller's reference, passed on by reference
  held.Share(project);
  settable->SetHDProject(held);
}

/// The partition's own answer for its IPartition: one pointer per partition,
/// whichever interface pointer the caller held.
ZavU::IPartition* Canonical(ZavU::IPartition* partition) {
  return CitI::QueryAs<ZavU::IPartition>(partition);
}

}  // namespace

Prjrep::AutoRelease<DesignProject> DesignProject::Create(const Port::StringBase& location) {
  return Prjrep::AutoRelease<DesignProject>::Adopting(new DesignProject(location));
}

DesignProject* DesignProject::FromInterface(Dpm::IHDProject* project) {
  return dynamic_cast<DesignProject*>(project);
}

DesignProject::DesignProject(const Port::StringBase& location)
    : m_location(location), m_moduleManager(PRModuleManager::Create()) {}

DesignProject::~DesignProject() {
  // A partition held elsewhere outlives the project: it must not keep
  // pointing at the project or at a parent that may go with it.
  for (Entry& entry : m_entries) Link(entry.partition.get(), nullptr, nullptr);
}

bool DesignProject::AddPartition(ZavU::IPartition* partition, ZavU::IPartition* parent) {
  partition = Canonical(partition);
  parent = Canonical(parent);
  if (!partition || m_byPartition.count(partition)) return false;
  std::size_t parentAt = kNone;
  if (parent) {
    parentAt = IndexOf(parent);
    if (parentAt == kNone) return false;
  }
  Port::StringBase name = partition->GetHierarchicalName();
  if (!m_byName.emplace(name.str(), m_entries.size()).second) return false;

  m_byPartition.emplace(partition, m_entries.size());
  m_bySimpleName.emplace(partition->GetName().str(), m_entries.size());
  if (parentAt != kNone) m_entries[parentAt].children.push_back(m_entries.size());
  m_entries.push_back(Entry{PartitionRef(partition), name, parentAt, {}});
  Link(partition, parent, this);
  return true;
}

DesignProject::PartitionRef DesignProject::Find(const Port::StringBase& hierarchicalName) const {
  auto found = m_byName.find(hierarchicalName.str());
  return found != m_byName.end() ? m_entries[found->second].partition : PartitionRef();
}

std::vector<DesignProject::Placed> DesignProject::Placement() const {
  std::vector<Placed> placed;
  placed.reserve(m_entries.size());
  // An explicit stack: a deep hierarchy must not exhaust the call stack.
  std::vector<Placed> pending;
  for (std::size_t top = 0; top < m_entries.size(); ++top) {
    if (m_entries[top].parent != kNone) continue;
    pending.push_back({top, -1, 0});
    while (!pending.empty()) {
      const Placed next = pending.back();
      pending.pop_back();
      const int here = static_cast<int>(placed.size());
      placed.push_back(next);
      const std::vector<std::size_t>& children = m_entries[next.entry].children;
      for (auto child = children.rbegin(); child != children.rend(); ++child) {
        pending.push_back({*child, here, next.depth + 1});
      }
    }
  }
  return placed;
}

std::vector<DesignProject::Step> DesignProject::Walk() const {
  std::vector<Step> walk;
  walk.reserve(m_entries.size());
  for (const Placed& placed : Placement()) {
    walk.push_back({m_entries[placed.entry].partition, placed.parent, placed.depth});
  }
  return walk;
}

std::vector<DesignProject::PartitionRef> DesignProject::DepthFirst() const {
  std::vector<PartitionRef> order;
  order.reserve(m_entries.size());
  for (const Placed& placed : Placement()) order.push_back(m_entries[placed.entry].partition);
  return order;
}

std::vector<DesignProject::Listed> DesignProject::Listing() const {
  std::vector<Listed> listed;
  listed.reserve(m_entries.size());
  for (const Placed& placed : Placement()) {
    const Entry& entry = m_entries[placed.entry];
    listed.push_back({&entry.name, entry.partition.get()});
  }
  return listed;
}

std::size_t DesignProject::IndexOf(ZavU::IPartition* partition) const {
  auto found = m_byPartition.find(Canonical(partition));
  return found != m_byPartition.end() ? found->second : kNone;
}

CitI::Status DesignProject::GetPartitionEntry(CitI::IInterface*& out,
                                              const Port::StringBase& hierarchicalName) {
  out = Find(hierarchicalName).Detach();
  return out ? 1 : 0;
}

CitI::Status DesignProject::GetPartitions(Dpm::IPartitionIterator*& out) {
  PartitionIterator::Items items;
  items.reserve(m_entries.size());
  for (const Entry& entry : m_entries) items.push_back(entry.partition);
  out = PartitionIterator::HandOut(std::move(items));
  return 1;
}

CitI::Status DesignProject::GetParentPartition(ZavU::IPartition*& out,
                                               ZavU::IPartition* partition) {
  out = nullptr;
  std::size_t at = IndexOf(partition);
  if (at == kNone) return 0;
  std::size_t parent = m_entries[at].parent;
  if (parent != kNone) out = PartitionRef(m_entries[parent].partition).Detach();
  return 1;
}

CitI::Status DesignProject::GetChildPartitions(Dpm::IPartitionIterator*& out,
                                               ZavU::IPartition* partition) {
  out = nullptr;
  std::size_t at = IndexOf(partition);
  if (at == kNone) return 0;
  PartitionIterator::Items items;
  for (std::size_t child : m_entries[at].children) items.push_back(m_entries[child].partition);
  out = PartitionIterator::HandOut(std::move(items));
  return 1;
}

CitI::IInterface* DesignProject::GetHelper() {
  if (!m_designData) return nullptr;
  return static_cast<Dpm::IProjectHelper*>(DesignData::Create(m_location, *m_designData).Detach());
}

bool DesignProject::IsPartialReconfigFlow() {
  if (m_prFlow) return *m_prFlow;
  for (const Entry& entry : m_entries) {
    if (entry.partition->IsReconfigurable()) return true;
  }
  return false;
}

std::int32_t DesignProject::IsUpToDate(const Port::StringBase& name, std::int32_t synthesis,
                                       Port::StringBase& reason) {
  auto found = m_bySimpleName.find(name.str());
  if (found == m_bySimpleName.end()) {
    reason.Format(kUpToDateNoPartition, name.c_str());
    return kUnknownPartition;
  }
  return UpToDateStatus(*m_entries[found->second].partition.get(), synthesis == 1, reason);
}

}  // namespace HostProject
