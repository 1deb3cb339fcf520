// Loading component libraries by name: the file name rule, the search order,
// entering each library once, and the reasons given when loading fails.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <limits.h>

#include "CitP/Factory.h"
#include "TestSupport.h"
#include "testlib/TestComponent.h"

namespace {

using CitP::Factory;

std::string RealPath(const std::string& path) {
  char buffer[PATH_MAX];
  return realpath(path.c_str(), buffer) ? buffer : "";
}

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

const Port::XUID kTestClass(testlib::kTestClass);

int References(const CommonI::RefCountPtr<CitI::IInterface>& object) {
  int count = 0;
  if (auto* counted = CitI::QueryAs<CommonI::IRefCount>(object.get())) counted->GetRefCount(count);
  return count;
}

TEST(LibraryLoaderTest, LoadsByNameOnceUnderEverySpellingAndAgainAfterShutdown) {
  const std::string file = RealPath(PORT_TESTLIB_FILE);
  CitP::RegistryScope registry;
  Factory::Shutdown();  // start from an empty registry in any test order
  const int before = EntryCount(file);
  for (const char* name : {"portability_testlib", "libportability_testlib",
                           "portability_testlib.so", "libportability_testlib.so"}) {
    EXPECT_TRUE(Factory::LoadLibraryFactory(name)) << name << ": " << Factory::LastLoadError();
  }
  EXPECT_EQ(Factory::LastLoadError(), "");
  EXPECT_EQ(EntryCount(file), before + 1);
  EXPECT_EQ(References(Factory::CreateInstanceRef(kTestClass)), 1);

  Factory::Shutdown();
  EXPECT_FALSE(Factory::IsRegistered(kTestClass));
  ASSERT_TRUE(Factory::LoadLibraryFactory(testlib::kLibraryName)) << Factory::LastLoadError();
  EXPECT_EQ(EntryCount(file), before + 2) << "entered afresh after Shutdown";
  EXPECT_TRUE(Factory::IsRegistered(kTestClass));
}

TEST(LibraryLoaderTest, FailuresNameTheFileTheDirectoriesInOrderAndTheReason) {
  porttest::ScopedTempDir dir;
  porttest::WriteFile(dir / "libportjunk.so", std::string(200, '#') + " not a shared object\n");
  const std::string path = "/nonexistent/first::" + dir.path();
  porttest::ScopedEnv env("PORT_LIBRARY_PATH", path.c_str());
  EXPECT_FALSE(Factory::LoadLibraryFactory("zore_no_such_component"));
  const std::string error = Factory::LastLoadError();
  EXPECT_NE(error.find("'libzore_no_such_component.so' (searched "), std::string::npos) << error;
  EXPECT_NE(error.find("not found"), std::string::npos) << error;
  const std::size_t at[] = {error.find(DirectoryOf(RealPath(PORT_TESTLIB_FILE))),
                            error.find("/nonexistent/first"), error.find(dir.path()),
                            error.find(DirectoryOf(RealPath("/proc/self/exe")))};
  for (std::size_t i = 0; i < std::size(at); ++i) {
    ASSERT_NE(at[i], std::string::npos) << i << ": " << error;
    if (i > 0) {
      EXPECT_LT(at[i - 1], at[i]) << error;
    }
  }
  for (const char* name : {"", static_cast<const char*>(nullptr)}) {
    EXPECT_FALSE(Factory::LoadLibraryFactory(name));
    EXPECT_FALSE(Factory::LastLoadError().empty());
  }
  EXPECT_FALSE(Factory::LoadLibraryFactory("Portability")) << "a library without an entry point";
  EXPECT_NE(Factory::LastLoadError().find("libPortability.so"), std::string::npos);
  EXPECT_NE(Factory::LastLoadError().find("no InstFactoryEntry"), std::string::npos);
  EXPECT_FALSE(Factory::LoadLibraryFactory("portjunk"));
  EXPECT_NE(Factory::LastLoadError().find(dir / "libportjunk.so"), std::string::npos);
  EXPECT_NE(Factory::LastLoadError().find("ELF"), std::string::npos) << "the linker's reason";
}

TEST(LibraryLoaderTest, SearchesPortLibraryPathAfterTheRuntimeDirectory) {
  porttest::ScopedTempDir dir;
  // A broken file of the same name further down the search order is never
  // reached; a copy under another name is found only along the path.
  porttest::WriteFile(dir / "libportability_testlib.so", "broken");
  porttest::WriteFile(dir / "libportability_testlib_copy.so",
                      porttest::ReadFile(PORT_TESTLIB_FILE));
  porttest::ScopedEnv path("PORT_LIBRARY_PATH", dir.path().c_str());
  CitP::RegistryScope registry;
  EXPECT_TRUE(Factory::LoadLibraryFactory("portability_testlib")) << Factory::LastLoadError();
  ASSERT_TRUE(Factory::LoadLibraryFactory("portability_testlib_copy")) << Factory::LastLoadError();
  // The copy is a library of its own, entered once; its factory lost to the
  // one already registered for the same class.
  EXPECT_EQ(EntryCount(dir / "libportability_testlib_copy.so"), 1);
  EXPECT_TRUE(Factory::CreateInstanceRef(kTestClass));
}

}  // namespace
