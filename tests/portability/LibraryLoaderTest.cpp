// Loading component libraries by name: the file name rule, the search order,
// entering each library once, and the reasons given when loading fails.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <limits.h>
#include <stdlib.h>

#include <string>

#include "CitP/Factory.h"
#include "CommonI/IRefCount.h"
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

TEST(LibraryLoaderTest, LoadsByNameEntersOnceAndMakesTheClassCreatable) {
  const std::string libraryFile = RealPath(PORT_TESTLIB_FILE);
  ASSERT_FALSE(libraryFile.empty());
  Factory::Shutdown();  // start from an empty registry in any test order
  const int before = EntryCount(libraryFile);
  EXPECT_FALSE(Factory::IsRegistered(kTestClass));

  ASSERT_TRUE(Factory::LoadLibraryFactory(testlib::kLibraryName)) << Factory::LastLoadError();
  EXPECT_EQ(Factory::LastLoadError(), "");
  EXPECT_EQ(EntryCount(libraryFile), before + 1);
  EXPECT_TRUE(Factory::IsRegistered(kTestClass));

  // Every spelling names the same file, which is not entered again.
  for (const char* name : {"portability_testlib", "libportability_testlib",
                           "portability_testlib.so", "libportability_testlib.so"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(Factory::LoadLibraryFactory(name)) << Factory::LastLoadError();
  }
  EXPECT_EQ(EntryCount(libraryFile), before + 1);

  {
    CommonI::RefCountPtr<CitI::IInterface> object = Factory::CreateInstanceRef(kTestClass);
    ASSERT_TRUE(object);
    auto* counted = CitI::QueryAs<CommonI::IRefCount>(object.get());
    ASSERT_NE(counted, nullptr);
    int refs = 0;
    counted->GetRefCount(refs);
    EXPECT_EQ(refs, 1);
  }

  // Shutdown empties the registry; a later load enters the library again
  // and its factory is registered afresh.
  Factory::Shutdown();
  EXPECT_FALSE(Factory::IsRegistered(kTestClass));
  ASSERT_TRUE(Factory::LoadLibraryFactory(testlib::kLibraryName)) << Factory::LastLoadError();
  EXPECT_EQ(EntryCount(libraryFile), before + 2);
  EXPECT_TRUE(Factory::IsRegistered(kTestClass));
  Factory::Shutdown();
}

TEST(LibraryLoaderTest, MissingLibraryNamesItAndTheDirectoriesInSearchOrder) {
  porttest::ScopedEnv path("PORT_LIBRARY_PATH", "/nonexistent/first::/nonexistent/second");
  EXPECT_FALSE(Factory::LoadLibraryFactory("zore_no_such_component"));
  const std::string& error = Factory::LastLoadError();
  EXPECT_NE(error.find("'libzore_no_such_component.so'"), std::string::npos) << error;
  EXPECT_NE(error.find("not found"), std::string::npos) << error;

  const std::size_t runtimeDir = error.find(DirectoryOf(RealPath(PORT_TESTLIB_FILE)));
  const std::size_t first = error.find("/nonexistent/first");
  const std::size_t second = error.find("/nonexistent/second");
  const std::size_t programDir = error.find(DirectoryOf(RealPath("/proc/self/exe")));
  ASSERT_NE(runtimeDir, std::string::npos) << error;
  ASSERT_NE(first, std::string::npos) << error;
  ASSERT_NE(second, std::string::npos) << error;
  ASSERT_NE(programDir, std::string::npos) << error;
  EXPECT_LT(runtimeDir, first);
  EXPECT_LT(first, second);
  EXPECT_LT(second, programDir);

  EXPECT_FALSE(Factory::LoadLibraryFactory(""));
  EXPECT_FALSE(Factory::LastLoadError().empty());
  EXPECT_FALSE(Factory::LoadLibraryFactory(nullptr));
  EXPECT_FALSE(Factory::LastLoadError().empty());
}

TEST(LibraryLoaderTest, ReportsUnloadableFilesAndMissingEntryPoints) {
  // The runtime itself is a library without an entry point.
  EXPECT_FALSE(Factory::LoadLibraryFactory("Portability"));
  EXPECT_NE(Factory::LastLoadError().find("no InstFactoryEntry"), std::string::npos)
      << Factory::LastLoadError();
  EXPECT_NE(Factory::LastLoadError().find("libPortability.so"), std::string::npos);

  porttest::ScopedTempDir dir;
  ASSERT_FALSE(dir.path().empty());
  porttest::WriteFile(dir / "libportjunk.so", std::string(200, '#') + " not a shared object\n");
  porttest::ScopedEnv path("PORT_LIBRARY_PATH", dir.path().c_str());
  EXPECT_FALSE(Factory::LoadLibraryFactory("portjunk"));
  const std::string& error = Factory::LastLoadError();
  EXPECT_NE(error.find("'libportjunk.so'"), std::string::npos) << error;
  EXPECT_NE(error.find(dir.path()), std::string::npos) << error;
  // The dynamic linker's own reason is passed on.
  EXPECT_NE(error.find("ELF"), std::string::npos) << error;
}

TEST(LibraryLoaderTest, SearchesPortLibraryPathAfterTheRuntimeDirectory) {
  porttest::ScopedTempDir dir;
  ASSERT_FALSE(dir.path().empty());
  // A broken file of the same name further down the search order is never
  // reached; a copy under another name is found only along the path.
  porttest::WriteFile(dir / "libportability_testlib.so", "broken");
  porttest::WriteFile(dir / "libportability_testlib_copy.so",
                      porttest::ReadFile(PORT_TESTLIB_FILE));
  porttest::ScopedEnv path("PORT_LIBRARY_PATH", dir.path().c_str());
  Factory::Shutdown();

  EXPECT_TRUE(Factory::LoadLibraryFactory("portability_testlib")) << Factory::LastLoadError();
  ASSERT_TRUE(Factory::LoadLibraryFactory("portability_testlib_copy")) << Factory::LastLoadError();
  // The copy is a library of its own and was entered once; its factory lost
  // to the one already registered for the same class.
  EXPECT_EQ(EntryCount(dir / "libportability_testlib_copy.so"), 1);
  EXPECT_TRUE(Factory::IsRegistered(kTestClass));
  EXPECT_TRUE(Factory::CreateInstanceRef(kTestClass));
  Factory::Shutdown();
}

}  // namespace
