// Replacing a file where the simple cases end: outputs reached through the
// links the system alone can follow (/dev/stdout and its kind), and saves
// side by side where the file system makes no unnamed files, so every new
// file has a name from its creation and one save's sweep of the new files
// killed saves left behind must never cost a live save its new file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

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

class AtomicFile : public ::testing::Test {
 protected:
  AtomicFile() {
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

// /dev/fd/N, as /dev/stdout, leads through /proc to the open file itself:
// a pipe is refused as what it is, a regular file is replaced.
TEST_F(AtomicFile, AnOutputBehindADescriptorIsJudgedByWhatItLeadsTo) {
  int pipeEnds[2];
  ASSERT_EQ(::pipe(pipeEnds), 0);
  porttest::WriteFile(m_path, "old");
  const int fileEnd = ::open(m_path.c_str(), O_WRONLY);
  ASSERT_GE(fileEnd, 0);
  const std::string toPipe = "/dev/fd/" + std::to_string(pipeEnds[1]);
  const std::string toFile = "/dev/fd/" + std::to_string(fileEnd);
  std::string error;
  EXPECT_FALSE(ReplaceFileAtomically(toPipe, "new", {}, error));
  EXPECT_EQ(error, "cannot save project file \"" + toPipe +
                       "\": not a regular file; the previous file is unchanged");
  EXPECT_TRUE(ReplaceFileAtomically(toFile, "new", {}, error)) << error;
  EXPECT_EQ(porttest::ReadFile(m_path), "new");
  EXPECT_EQ(Entries(), Names{"out.prj"});
  for (const int fd : {pipeEnds[0], pipeEnds[1], fileEnd}) ::close(fd);
}

// The other save runs right after this one created its new file, before it
// could lock it: the very moment its sweep took the file for a stale one.
TEST_F(AtomicFile, ASaveWhoseNewFileWasSweptAwayMakesAnother) {
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

TEST_F(AtomicFile, SavesSideBySideAllSucceedAndOneWholeSaveRemains) {
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
