// Saves side by side where the file system makes no unnamed files, so every
// new file has a name from its creation: one save's sweep of the new files
// that killed saves left behind never costs a live save its new file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <thread>
#include <vector>

#include "AtomicFile.h"
#include "portability/TestSupport.h"

namespace {

using namespace HostPersist;
using Names = std::vector<std::string>;

class SideBySideSaves : public ::testing::Test {
 protected:
  SideBySideSaves() {
    m_named.calls.openUnnamed = [](const char*) { return errno = EOPNOTSUPP, -1; };
  }
  Names Entries() const {
    Names names;
    for (const auto& entry : std::filesystem::directory_iterator(m_dir.path())) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  porttest::ScopedTempDir m_dir;
  const std::string m_path = m_dir / "out.prj";
  /// Saves whose new files are named from the start.
  Replacement m_named;
};

// The other save runs right after this one created its new file, before it
// could lock it: the very moment its sweep took the file for a stale one.
TEST_F(SideBySideSaves, ASaveWhoseNewFileWasSweptAwayMakesAnother) {
  std::string innerError;
  bool innerSaved = false;
  bool nested = false;
  Replacement outer = m_named;
  outer.calls.createNew = [&](const char* name) {
    const int fd = FileCalls::System().createNew(name);
    if (!nested) {
      nested = true;
      innerSaved = ReplaceFileAtomically(m_path, "inner", m_named, innerError);
    }
    return fd;
  };
  std::string error;
  EXPECT_TRUE(ReplaceFileAtomically(m_path, "outer", outer, error)) << error;
  EXPECT_TRUE(innerSaved) << innerError;
  EXPECT_EQ(porttest::ReadFile(m_path), "outer");
  EXPECT_EQ(Entries(), Names{"out.prj"});
}

TEST_F(SideBySideSaves, ConcurrentSavesAllSucceedAndOneWholeSaveRemains) {
  constexpr int kSavers = 4;
  constexpr int kRounds = 60;
  m_named.calls.sync = [](int) { return 0; };  // the disk is not what is tested
  std::vector<std::string> contents, errors(kSavers);
  for (int saver = 0; saver < kSavers; ++saver) contents.emplace_back(4096, char('a' + saver));
  std::vector<int> saved(kSavers, 0);
  std::vector<std::thread> savers;
  for (int saver = 0; saver < kSavers; ++saver) {
    savers.emplace_back([&, saver] {
      for (int round = 0; round < kRounds; ++round) {
        std::string error;
        if (ReplaceFileAtomically(m_path, contents[saver], m_named, error)) {
          ++saved[saver];
        } else if (errors[saver].empty()) {
          errors[saver] = error;
        }
      }
    });
  }
  for (std::thread& saver : savers) saver.join();
  for (int saver = 0; saver < kSavers; ++saver) {
    EXPECT_EQ(saved[saver], kRounds) << errors[saver];
  }
  const std::string last = porttest::ReadFile(m_path);
  EXPECT_NE(std::find(contents.begin(), contents.end(), last), contents.end()) << last.size();
  EXPECT_EQ(Entries(), Names{"out.prj"}) << "no new file is left behind";
}

}  // namespace
