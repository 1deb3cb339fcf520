// Directory listing: every entry read once, sorted byte-wise, then filtered
// by a shell wildcard per iteration.
#include "Port/UtDir.h"

#include <dirent.h>
#include <fnmatch.h>
#include <sys/stat.h>

#include <algorithm>

namespace {

bool IsDirectory(const std::string& directory, const dirent& entry) {
  if (entry.d_type == DT_DIR) return true;
  // Links and file systems that do not report the type need a stat; a link
  // to a directory counts as a directory.
  if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK) return false;
  struct stat info;
  const std::string path = directory + "/" + entry.d_name;
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

thread_local UT_DIR_LISTING_SCOPE::Listings* t_listings = nullptr;

}  // namespace

UT_DIR_LISTING_SCOPE::UT_DIR_LISTING_SCOPE() : m_outer(t_listings) {
  if (!t_listings) t_listings = &m_listings;
}

UT_DIR_LISTING_SCOPE::~UT_DIR_LISTING_SCOPE() {
  if (t_listings == &m_listings) t_listings = m_outer;
}

UT_DIR_LISTING_SCOPE::Listings* UT_DIR_LISTING_SCOPE::Current() { return t_listings; }

UT_DIR::UT_DIR(const Port::StringBase& directory, int flag) {
  UT_DIR_LISTING_SCOPE::Listings* kept = UT_DIR_LISTING_SCOPE::Current();
  const auto key = std::make_pair(directory.str(), flag);
  if (kept) {
    const auto found = kept->find(key);
    if (found != kept->end()) {
      m_entries = found->second;
      return;
    }
  }
  List(directory, flag);
  if (kept) kept->emplace(key, m_entries);
}

void UT_DIR::List(const Port::StringBase& directory, int flag) {
  DIR* handle = opendir(directory.c_str());
  if (!handle) return;
  while (const dirent* entry = readdir(handle)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    if (flag == 1 && IsDirectory(directory.str(), *entry)) continue;
    m_entries.push_back(name);
  }
  closedir(handle);
  std::sort(m_entries.begin(), m_entries.end());
}

UT_DIR_ITERATOR UT_DIR::begin(const char* pattern) {
  m_matches.clear();
  for (const std::string& name : m_entries) {
    if (!pattern || fnmatch(pattern, name.c_str(), 0) == 0) m_matches.push_back(name);
  }
  return UT_DIR_ITERATOR(&m_matches, 0);
}

UT_DIR_ITERATOR UT_DIR::end() const { return UT_DIR_ITERATOR(&m_matches, m_matches.size()); }
