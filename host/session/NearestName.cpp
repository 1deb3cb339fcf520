// Edit distance over two rows and the one before them, so a swap of
// neighbours can be counted as one step.
#include "session/NearestName.h"

#include <algorithm>
#include <cctype>

namespace HostSession {

namespace {

char Folded(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

/// How far a candidate of `length` letters may be from a name to be offered.
std::size_t CloseEnough(std::size_t length) { return std::max<std::size_t>(1, length / 4); }

}  // namespace

std::size_t EditDistance(const std::string& a, const std::string& b) {
  // before[j], above[j], row[j]: distances of a's first i-2, i-1 and i
  // letters to b's first j.
  std::vector<std::size_t> before(b.size() + 1), above(b.size() + 1), row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) above[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const bool same = Folded(a[i - 1]) == Folded(b[j - 1]);
      row[j] = std::min({above[j] + 1, row[j - 1] + 1, above[j - 1] + (same ? 0 : 1)});
      if (i > 1 && j > 1 && Folded(a[i - 1]) == Folded(b[j - 2]) &&
          Folded(a[i - 2]) == Folded(b[j - 1])) {
        row[j] = std::min(row[j], before[j - 2] + 1);
      }
    }
    std::swap(before, above);
    std::swap(above, row);
  }
  return above[b.size()];
}

std::string NearestName(const std::string& name, const std::vector<const char*>& candidates) {
  const char* nearest = nullptr;
  std::size_t best = 0;
  for (const char* candidate : candidates) {
    const std::string known = candidate;
    const std::size_t distance = EditDistance(name, known);
    if (distance > CloseEnough(known.size())) continue;
    if (!nearest || distance < best) {
      nearest = candidate;
      best = distance;
    }
  }
  return nearest ? nearest : std::string();
}

}  // namespace HostSession
