// The process-wide table of partition traits: for each trait its name, its
// default for a non-root partition, its default for the root partition, and
// its legal values. Built by the first partition constructed, never freed.
//
// Each row is the list [name, non-root default, root default, ...]: element 1
// on are the legal values, so the non-root default is always legal.
#pragma once

#include <vector>

#include "Port/StringBase.h"

namespace ZorE {

class TraitTable {
 public:
  using Row = std::vector<Port::StringBase>;

  /// The table, built on first use (first partition construction).
  static const TraitTable& Instance();

  const std::vector<Row>& Rows() const { return m_rows; }
  /// The row whose name equals `name` byte for byte, or null.
  const Row* Find(const Port::StringBase& name) const;
  /// Whether `value` equals one of the row's legal values byte for byte.
  static bool IsLegal(const Row& row, const Port::StringBase& value);
  static const Port::StringBase& Name(const Row& row) { return row[0]; }
  static const Port::StringBase& Default(const Row& row, bool isRoot) {
    return row[isRoot ? 2 : 1];
  }

 private:
  TraitTable();
  std::vector<Row> m_rows;
};

/// Trait names the library itself refers to.
inline constexpr const char* kTraitPreserve = "preserve";
inline constexpr const char* kTraitDependencyManagementMode = "dependency_management_mode";
inline constexpr const char* kTraitFleetmatch = "fleetmatch";
inline constexpr const char* kTraitReconfigurable = "reconfigurable";
inline constexpr const char* kTraitValueInherit = "inherit";
inline constexpr const char* kTraitValueTrue = "true";

}  // namespace ZorE
