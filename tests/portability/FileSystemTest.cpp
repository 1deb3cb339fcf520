// File names made absolute, and directory listing with wildcards.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "Port/FileName.h"
#include "Port/UtDir.h"
#include "TestSupport.h"

namespace {

using Port::FileName;
using porttest::RealPath;
using Strings = std::vector<std::string>;

TEST(FileNameTest, AbsolutePathFoldsLexically) {
  const std::string cwd = RealPath(".");
  const std::pair<std::string, std::string> cases[] = {
      {"", ""},
      {"a/./b/../c/", cwd + "/a/c"},
      {"/x//y/./z/..", "/x/y"},
      {"/../..", "/"},
      {"../q", cwd.substr(0, cwd.rfind('/')) + "/q"},
      {"/a/..b/.c", "/a/..b/.c"},
  };
  for (const auto& [path, absolute] : cases) {
    EXPECT_EQ(FileName(path.c_str()).GetAbsolutePath(false).str(), absolute) << path;
  }
}

TEST(UtDirTest, ListsSortedMatchesAndSkipsDirectoriesOnRequest) {
  porttest::ScopedTempDir tmp;
  // Created out of order, so sorted output cannot come from creation order.
  for (const char* name : {"b_prev.qdb", "c.txt", "a_prev.qdb", "B.qdb", ".hidden", "a.txt"}) {
    porttest::WriteFile(tmp / name, "x");
  }
  ASSERT_EQ(mkdir((tmp / "d_prev.qdb").c_str(), 0700), 0);
  ASSERT_EQ(symlink((tmp / "d_prev.qdb").c_str(), (tmp / "e_link.qdb").c_str()), 0);
  const struct {
    int filesOnly;
    const char* pattern;
    Strings names;
  } cases[] = {
      {1, "*_prev.qdb", {"a_prev.qdb", "b_prev.qdb"}},
      {1, "[bc]*", {"b_prev.qdb", "c.txt"}},
      {1, "*.none", {}},
      {0, "*.qdb", {"B.qdb", "a_prev.qdb", "b_prev.qdb", "d_prev.qdb", "e_link.qdb"}},
      {0, ".*", {".hidden"}},
  };
  for (const auto& c : cases) {
    UT_DIR dir(Port::StringBase(tmp.path().c_str()), c.filesOnly);
    Strings names;
    for (UT_DIR_ITERATOR it = dir.begin(c.pattern); it != dir.end(); ++it) {
      names.push_back((*it).str());
    }
    EXPECT_EQ(names, c.names) << c.pattern << " files only " << c.filesOnly;
  }
  UT_DIR missing(Port::StringBase((tmp / "no_such_dir").c_str()), 0);
  EXPECT_TRUE(missing.begin("*") == missing.end());
}

}  // namespace
