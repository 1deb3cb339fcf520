// Traits of a partition: setting one under the trait rules, reading it or its
// default, and the lists of trait names and legal values. Every refusal is
// thrown as the host's exception. Marking a partition reconfigurable, which
// setting the `reconfigurable` trait does, lives in PartitionReconfigurable.cpp.
#include "Partition/Partition.h"
#include "Partition/PartitionStringList.h"
#include "Partition/StateTrackingTexts.h"
#include "Partition/TraitTable.h"
#include "framework/Messages.h"

namespace ZorE {

namespace {

using Port::kCompareKeyword;

bool IsKeyword(const Port::StringBase& text, const char* keyword) {
  return text.Compare(keyword, kCompareKeyword) == 0;
}

/// The trait's row; throws for a name the table does not hold.
const TraitTable::Row& RowOf(const Port::StringBase& name) {
  const TraitTable::Row* row = TraitTable::Instance().Find(name);
  if (!row) ZORE_THROW(kTraitInvalidName, name.c_str());
  return *row;
}

}  // namespace

CitI::Status Partition::SetTrait(const Port::StringBase& name, const Port::StringBase& value,
                                 bool overwrite) {
  const TraitTable::Row* row = TraitTable::Instance().Find(name);
  if (!row || !TraitTable::IsLegal(*row, value)) {
    ZORE_THROW(kTraitInvalidNameValue, name.c_str(), value.c_str());
  }
  // The value is legal by now, so the keyword tests below compare exact texts.
  const bool inherit = IsKeyword(value, kTraitValueInherit);
  if (inherit && m_isRoot) ZORE_THROW("%s", kTraitInheritOnRoot);

  if (IsKeyword(name, kTraitDependencyManagementMode) && !inherit) {
    Prjrep::AutoRelease<Dpm::IHDProject> project;
    if (LookupHDProject(project) != 1 || !project) return 0;
    Prjrep::AutoCast<Dpm::IPRProject> reconfig(project.get());
    if (reconfig && reconfig->IsPartialReconfigFlow()) {
      ZORE_THROW(kTraitNotInPRFlow, name.c_str());
    }
  }

  if (IsKeyword(name, kTraitReconfigurable)) {
    // Through the own table (slot 2), before the map is touched and whatever
    // `overwrite` says; its status is not looked at.
    SetReconfigurable(IsKeyword(value, kTraitValueTrue));
  }

  auto [entry, inserted] = m_traits.emplace(name, value);
  if (!inserted && overwrite) entry->second = value;
  return 1;
}

Port::StringBase Partition::GetTrait(const Port::StringBase& name) {
  RowOf(name);
  auto stored = m_traits.find(name);
  return stored != m_traits.end() ? stored->second : GetTraitDefault(name);
}

Port::StringBase Partition::GetTraitDefault(const Port::StringBase& name) {
  return TraitTable::Default(RowOf(name), m_isRoot);
}

Dpm::IStringIterator* Partition::GetTraitNames() {
  std::vector<Port::StringBase> names;
  for (const TraitTable::Row& row : TraitTable::Instance().Rows()) {
    names.push_back(TraitTable::Name(row));
  }
  return HandOutStringList(names);
}

Dpm::IStringIterator* Partition::GetTraitValues(const Port::StringBase& name) {
  const TraitTable::Row& row = RowOf(name);
  return HandOutStringList(std::vector<Port::StringBase>(row.begin() + 1, row.end()));
}

}  // namespace ZorE
