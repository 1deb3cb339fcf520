// Helpers shared by the portability tests: a temporary directory removed with
// its contents, an environment variable set for a scope, whole-file I/O.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace porttest {

class ScopedTempDir {
 public:
  ScopedTempDir() {
    char pattern[] = "/tmp/porttest.XXXXXX";
    m_path = mkdtemp(pattern) ? pattern : "";
  }
  ~ScopedTempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  const std::string& path() const { return m_path; }
  std::string operator/(const std::string& name) const { return m_path + "/" + name; }

 private:
  std::string m_path;
};

/// Sets `name` to `value` (null: unset) for the scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : m_name(name), m_had(getenv(name) != nullptr) {
    if (m_had) m_old = getenv(name);
    value ? setenv(name, value, 1) : unsetenv(name);
  }
  ~ScopedEnv() { m_had ? setenv(m_name.c_str(), m_old.c_str(), 1) : unsetenv(m_name.c_str()); }

 private:
  std::string m_name;
  bool m_had;
  std::string m_old;
};

inline void WriteFile(const std::string& path, const std::string& contents) {
  std::ofstream(path, std::ios::binary) << contents;
}

inline std::string ReadFile(const std::string& path) {
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

}  // namespace porttest
