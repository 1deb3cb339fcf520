// Helpers shared by the portability tests: a temporary directory, an
// environment variable set for a scope, whole-file I/O, and a factory that
// counts the references the registry takes.
#pragma once

#include <limits.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "CitI/TNested.h"
#include "CitP/Factory.h"
#include "CommonI/TRefCountHelper.h"

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

inline std::string RealPath(const std::string& path) {
  char buffer[PATH_MAX];
  return realpath(path.c_str(), buffer) ? buffer : "";
}

/// A factory that makes itself: it counts references but is never freed by
/// them, so a test reads what the registry took and left. Asked anything
/// once any of its kind is destroyed, it ends the program with status 4.
class CountedFactory final : public CitI::TImplements<CountedFactory, CitI::IFactory> {
 public:
  ~CountedFactory() override { s_destroyed = true; }
  CitI::IInterface* Lookup(const Port::XUID& iid) {
    if (s_destroyed) std::_Exit(4);
    using F = CountedFactory;
    static const CitI::TLookupEntry<F> table[] = {
        {CitI::IFactory::kIID, CitI::AsBase<F, CitI::IFactory>},
        {CommonI::IRefCount::kIID, CitI::Embedded<F, &F::m_refCount>}};
    return CitI::LookupInTable(table, *this, iid);
  }
  CitI::IInterface* CreateInstance(const Port::XUID& classXuid) override {
    lastAsked = classXuid;
    m_refCount.AddRef();  // the caller's reference
    return this;
  }
  int References() {
    int count = 0;
    m_refCount.GetRefCount(count);
    return count;
  }
  Port::XUID lastAsked;

 private:
  static inline bool s_destroyed = false;
  CommonI::TRefCountHelper<CountedFactory> m_refCount{this, CommonI::kOwnerFrees};
};

}  // namespace porttest
