// Which sections a partition record of a given version and revision holds.
#include "Partition/PartitionRecordFormat.h"

namespace ZorE {
namespace PartitionRecord {

namespace {

using D = DesignFiles;
using I = IpFiles;

// Version 1, by revision; revision 7 and above hold every section of the
// current format.
constexpr Layout kVersion1[] = {
    //  root   pins   force  design files      IP files      arrays
    {false, false, false, D::kAbsent, I::kAbsent, false},       // 0
    {true, false, false, D::kAbsent, I::kAbsent, false},        // 1
    {true, false, false, D::kQnlString, I::kAbsent, false},     // 2
    {true, false, true, D::kQnlString, I::kAbsent, false},      // 3
    {true, false, true, D::kQnlString, I::kStrings, false},     // 4
    {true, false, true, D::kQnlString, I::kStrings, false},     // 5
    {true, true, true, D::kQnlFileName, I::kFileNames, false},  // 6
    {true, true, true, D::kList, I::kFileNames, true},          // 7
};
constexpr std::uint32_t kLastVersion1Revision = 7;

constexpr Layout kCurrent = {true, true, true, D::kList, I::kFileNames, true};
// Version 0 (also what a version text that is not a number reads as).
constexpr Layout kVersion0 = {true, true, true, D::kAbsent, I::kFileNames, false};

}  // namespace

Layout LayoutOf(std::uint32_t version, std::uint32_t revision) {
  if (version == 1) {
    return kVersion1[revision < kLastVersion1Revision ? revision : kLastVersion1Revision];
  }
  return version >= 2 ? kCurrent : kVersion0;
}

}  // namespace PartitionRecord
}  // namespace ZorE
