// File names (absolute form, tail) and directory listing with wildcards.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "Port/FileName.h"
#include "Port/UtDir.h"
#include "TestSupport.h"

namespace {

using Port::FileName;
using Port::StringBase;

std::string Absolute(const char* path, bool resolveLinks = false) {
  return FileName(path).GetAbsolutePath(resolveLinks).str();
}

std::string CurrentDirectory() {
  char buffer[PATH_MAX];
  return getcwd(buffer, sizeof buffer) ? buffer : "";
}

std::string RealPath(const std::string& path) {
  char buffer[PATH_MAX];
  return realpath(path.c_str(), buffer) ? buffer : "";
}

TEST(FileNameTest, AbsolutePathFoldsLexically) {
  const std::string cwd = CurrentDirectory();
  ASSERT_FALSE(cwd.empty());
  EXPECT_EQ(Absolute(""), "");
  EXPECT_EQ(Absolute("a/b"), cwd + "/a/b");
  EXPECT_EQ(Absolute("a/./b/../c/"), cwd + "/a/c");
  EXPECT_EQ(Absolute("."), cwd);
  EXPECT_EQ(Absolute("/x//y/./z/.."), "/x/y");
  EXPECT_EQ(Absolute("/../.."), "/");
  EXPECT_EQ(Absolute("/"), "/");
  EXPECT_EQ(Absolute("/a/b/../../c/d"), "/c/d");
  // ".." steps out of the current directory too.
  const std::string parent = cwd.substr(0, cwd.rfind('/'));
  EXPECT_EQ(Absolute("../q"), (parent.empty() ? "" : parent) + "/q");
  // A file name that merely starts with dots is an ordinary component.
  EXPECT_EQ(Absolute("/a/..b/.c"), "/a/..b/.c");
}

TEST(FileNameTest, ResolveLinksOnlyForExistingPaths) {
  porttest::ScopedTempDir dir;
  ASSERT_FALSE(dir.path().empty());
  const std::string real = RealPath(dir.path());
  ASSERT_EQ(mkdir((dir / "target").c_str(), 0700), 0);
  ASSERT_EQ(symlink((dir / "target").c_str(), (dir / "link").c_str()), 0);
  porttest::WriteFile(dir / "target/file", "x");

  const std::string viaLink = dir / "link/file";
  EXPECT_EQ(Absolute(viaLink.c_str(), true), real + "/target/file");
  // Without resolution the link stays in the path.
  EXPECT_EQ(Absolute(viaLink.c_str(), false), viaLink);
  // A path that does not exist falls back to the lexical form.
  const std::string missing = dir / "link/../none/./x";
  EXPECT_EQ(Absolute(missing.c_str(), true), dir / "none/x");
}

TEST(FileNameTest, TailIsTheLastComponent) {
  EXPECT_EQ(FileName("/a/b/c.qdb").GetTail().str(), "c.qdb");
  EXPECT_EQ(FileName("c.qdb").GetTail().str(), "c.qdb");
  EXPECT_EQ(FileName("/a/b/").GetTail().str(), "");
  EXPECT_EQ(FileName("/").GetTail().str(), "");
  EXPECT_EQ(FileName("").GetTail().str(), "");
}

std::vector<std::string> List(UT_DIR& dir, const char* pattern) {
  std::vector<std::string> names;
  for (UT_DIR_ITERATOR it = dir.begin(pattern); it != dir.end(); ++it) names.push_back((*it).str());
  return names;
}

TEST(UtDirTest, ListsSortedMatchesAndSkipsDirectoriesOnRequest) {
  porttest::ScopedTempDir tmp;
  ASSERT_FALSE(tmp.path().empty());
  // Created out of order, so sorted output cannot come from creation order.
  for (const char* name :
       {"b_prev_built.qdb", "c.txt", "a_prev_built.qdb", "B.qdb", ".hidden", "a.txt"}) {
    porttest::WriteFile(tmp / name, "x");
  }
  ASSERT_EQ(mkdir((tmp / "d_prev_built.qdb").c_str(), 0700), 0);
  ASSERT_EQ(symlink((tmp / "d_prev_built.qdb").c_str(), (tmp / "e_link.qdb").c_str()), 0);

  UT_DIR filesOnly(StringBase(tmp.path().c_str()), 1);
  EXPECT_EQ(List(filesOnly, "*_prev_built.qdb"),
            (std::vector<std::string>{"a_prev_built.qdb", "b_prev_built.qdb"}));
  // Byte-wise order puts upper case first; a link to a directory is skipped.
  EXPECT_EQ(List(filesOnly, "*.qdb"),
            (std::vector<std::string>{"B.qdb", "a_prev_built.qdb", "b_prev_built.qdb"}));
  EXPECT_EQ(List(filesOnly, "?.txt"), (std::vector<std::string>{"a.txt", "c.txt"}));
  EXPECT_EQ(List(filesOnly, "[bc]*"), (std::vector<std::string>{"b_prev_built.qdb", "c.txt"}));
  EXPECT_TRUE(List(filesOnly, "*.none").empty());

  UT_DIR everything(StringBase(tmp.path().c_str()), 0);
  EXPECT_EQ(
      List(everything, "*"),
      (std::vector<std::string>{".hidden", "B.qdb", "a.txt", "a_prev_built.qdb", "b_prev_built.qdb",
                                "c.txt", "d_prev_built.qdb", "e_link.qdb"}));
  // "." and ".." are never listed, so ".*" finds only the hidden file.
  EXPECT_EQ(List(everything, ".*"), (std::vector<std::string>{".hidden"}));

  UT_DIR missing(StringBase((tmp / "no_such_dir").c_str()), 0);
  EXPECT_TRUE(missing.begin("*") == missing.end());
}

}  // namespace
