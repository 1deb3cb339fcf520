// Loading component libraries by name: the search order, a library found
// under another name only along the path, and the reasons given when loading
// fails.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "testlib/TestComponent.h"

namespace {

using CitP::Factory;
using porttest::RealPath;

std::string DirectoryOf(const std::string& path) { return path.substr(0, path.rfind('/')); }

// How often the library at `path` was entered, or 0 when it is not loaded.
int EntryCount(const std::string& path) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
  if (!handle) return 0;
  auto* count = reinterpret_cast<int (*)()>(dlsym(handle, "TestLibEntryCount"));
  const int result = count ? count() : -1;
  dlclose(handle);
  return result;
}

TEST(LibraryLoaderTest, SearchesInOrderAndFailuresNameTheFileTheDirectoriesAndTheReason) {
  porttest::ScopedTempDir dir;
  porttest::WriteFile(dir / "libportjunk.so", std::string(200, '#') + " not a shared object\n");
  // A broken file of a name found beside the runtime is never reached; a
  // copy of a library under another name is found only along the path.
  porttest::WriteFile(dir / "libportability_testlib.so", "broken");
  porttest::WriteFile(dir / "libtestlib_copy.so", porttest::ReadFile(PORT_TESTLIB_FILE));
  const std::string path = "/nonexistent/first::" + dir.path();
  porttest::ScopedEnv env("PORT_LIBRARY_PATH", path.c_str());
  EXPECT_FALSE(Factory::LoadLibraryFactory("zore_no_such_component"));
  const std::string error = Factory::LastLoadError();
  EXPECT_NE(error.find("'libzore_no_such_component.so' (searched "), std::string::npos) << error;
  EXPECT_NE(error.find("not found"), std::string::npos) << error;
  std::size_t last = 0;
  for (const std::string& searched :
       {DirectoryOf(RealPath(PORT_TESTLIB_FILE)), std::string("/nonexistent/first"), dir.path(),
        DirectoryOf(RealPath("/proc/self/exe"))}) {
    const std::size_t at = error.find(searched, last);
    EXPECT_NE(at, std::string::npos) << searched << " in order in: " << error;
    last = at == std::string::npos ? last : at;
  }
  const std::pair<const char*, std::string> failures[] = {
      {"", ""},
      {"zavEraV_Adoduzadi_runtime", "libzavEraV_Adoduzadi_runtime.so"},  // no entry point
      {"zavEraV_Adoduzadi_runtime", "no InstFactoryEntry"},
      {"portjunk", dir / "libportjunk.so"},
      {"portjunk", "ELF"},  // the linker's reason
  };
  for (const auto& [name, reason] : failures) {
    EXPECT_FALSE(Factory::LoadLibraryFactory(name)) << name;
    EXPECT_NE(Factory::LastLoadError().find(reason), std::string::npos) << Factory::LastLoadError();
    EXPECT_FALSE(Factory::LastLoadError().empty());
  }
  EXPECT_FALSE(Factory::LoadLibraryFactory(nullptr));
  CitP::RegistryScope registry;
  EXPECT_TRUE(Factory::LoadLibraryFactory("portability_testlib")) << Factory::LastLoadError();
  ASSERT_TRUE(Factory::LoadLibraryFactory("testlib_copy")) << Factory::LastLoadError();
  EXPECT_EQ(EntryCount(dir / "libtestlib_copy.so"), 1);
}

// A runtime package ships "libNAME.so.MAJOR" without the development
// symlink: the name finds the highest major; a versioned file name or an
// absolute path is taken as given.
TEST(LibraryLoaderTest, FindsVersionedFilesAndTakesFileNamesAndPathsAsGiven) {
  porttest::ScopedTempDir dir;
  const std::string library = porttest::ReadFile(PORT_TESTLIB_FILE);
  for (const char* file : {"libversioned.so.2", "libversioned.so.10", "libversioned.so.10.bak",
                           "libpinned.so.1", "libpinned.so.3", "librenamed.so"}) {
    porttest::WriteFile(dir / file, library);
  }
  porttest::ScopedEnv env("PORT_LIBRARY_PATH", dir.path().c_str());
  CitP::RegistryScope registry;
  const struct {
    std::string name;
    std::string loaded;  // empty: not found
  } cases[] = {
      {"versioned", dir / "libversioned.so.10"},  // the highest major, by number
      {"libpinned.so.1", dir / "libpinned.so.1"},  // a versioned name as given
      {dir / "librenamed.so", dir / "librenamed.so"},  // an absolute path
      {"pinned.so.1", ""},  // a file name gets no "lib" in front
      {dir / "libversioned", ""},  // nor a path ".so" behind
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Factory::LoadLibraryFactory(c.name.c_str()), !c.loaded.empty())
        << c.name << ": " << Factory::LastLoadError();
    if (!c.loaded.empty()) {
      EXPECT_EQ(EntryCount(c.loaded), 1) << c.name;
    }
  }
  EXPECT_EQ(EntryCount(dir / "libversioned.so.2"), 0);
  EXPECT_EQ(EntryCount(dir / "libpinned.so.3"), 0);
  EXPECT_NE(Factory::LastLoadError().find("'" + (dir / "libversioned") + "'"), std::string::npos)
      << Factory::LastLoadError();
}

}  // namespace
