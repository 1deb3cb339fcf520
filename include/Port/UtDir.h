// Directory listing with wildcard matching. Entries come out in byte-wise
// sorted order, so results never depend on the order of the file system.
//
//   UT_DIR dir("/exports/run1", 1);
//   for (UT_DIR_ITERATOR it = dir.begin("*_prev_built.qdb"); it != dir.end(); ++it)
//     use(*it);
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "Port/HostApi.h"
#include "Port/StringBase.h"

class HOST_API UT_DIR_ITERATOR {
 public:
  UT_DIR_ITERATOR() = default;
  UT_DIR_ITERATOR(const std::vector<std::string>* names, std::size_t index)
      : m_names(names), m_index(index) {}

  Port::StringBase operator*() const { return Port::StringBase((*m_names)[m_index]); }
  UT_DIR_ITERATOR& operator++() {
    ++m_index;
    return *this;
  }
  friend bool operator!=(const UT_DIR_ITERATOR& a, const UT_DIR_ITERATOR& b) {
    return a.m_index != b.m_index;
  }
  friend bool operator==(const UT_DIR_ITERATOR& a, const UT_DIR_ITERATOR& b) {
    return a.m_index == b.m_index;
  }

 private:
  const std::vector<std::string>* m_names = nullptr;
  std::size_t m_index = 0;
};

class HOST_API UT_DIR {
 public:
  /// Lists `directory`. `flag` 1 lists only entries that are not
  /// directories; 0 lists every entry. "." and ".." are never listed. A
  /// directory that cannot be read lists nothing.
  UT_DIR(const Port::StringBase& directory, int flag);

  /// The first entry matching the shell wildcard `pattern` ("*", "?", "[...]").
  UT_DIR_ITERATOR begin(const char* pattern);
  UT_DIR_ITERATOR end() const;

 private:
  void List(const Port::StringBase& directory, int flag);

  std::vector<std::string> m_entries;
  std::vector<std::string> m_matches;
};

/// While one lives in a thread, each directory that thread lists is read
/// once: a later UT_DIR of the same directory and flag gives the entries
/// read the first time. A host keeps one around work that lists the same
/// directories over and over while nothing writes to them, such as an
/// import, which looks for every partition's results in its import
/// location. Scopes nest; the listings go with the outermost.
class HOST_API UT_DIR_LISTING_SCOPE {
 public:
  UT_DIR_LISTING_SCOPE();
  ~UT_DIR_LISTING_SCOPE();
  UT_DIR_LISTING_SCOPE(const UT_DIR_LISTING_SCOPE&) = delete;
  UT_DIR_LISTING_SCOPE& operator=(const UT_DIR_LISTING_SCOPE&) = delete;

  using Listings = std::map<std::pair<std::string, int>, std::vector<std::string>>;
  /// The listings kept in this thread now; null outside every scope.
  static Listings* Current();

 private:
  Listings m_listings;
  Listings* m_outer;
};
