// Helpers shared by the portability tests: a temporary directory removed
// with its contents, an environment variable restored on scope exit, and
// small file utilities.
#pragma once

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace porttest {

class ScopedTempDir {
 public:
  ScopedTempDir() {
    char pattern[] = "/tmp/porttest.XXXXXX";
    if (mkdtemp(pattern)) m_path = pattern;
  }
  ~ScopedTempDir() {
    if (!m_path.empty()) std::system(("rm -rf '" + m_path + "'").c_str());
  }
  ScopedTempDir(const ScopedTempDir&) = delete;
  ScopedTempDir& operator=(const ScopedTempDir&) = delete;

  const std::string& path() const { return m_path; }
  std::string operator/(const std::string& name) const { return m_path + "/" + name; }

 private:
  std::string m_path;
};

class ScopedEnv {
 public:
  /// Sets `name` to `value`, or unsets it when `value` is null.
  ScopedEnv(const char* name, const char* value) : m_name(name) {
    if (const char* old = getenv(name)) {
      m_hadValue = true;
      m_old = old;
    }
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (m_hadValue) {
      setenv(m_name.c_str(), m_old.c_str(), 1);
    } else {
      unsetenv(m_name.c_str());
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string m_name;
  bool m_hadValue = false;
  std::string m_old;
};

inline void WriteFile(const std::string& path, const std::string& contents) {
  std::ofstream(path, std::ios::binary) << contents;
}

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace porttest
