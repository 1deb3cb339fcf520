// Files that never surprise a user: what a save replaces and what it leaves
// (special files, links, modes, owners, long names, killed saves), what a
// reader accepts (regular files, read errors, NUL characters), and a front
// end whose standard output cannot be written.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "persist/AtomicFile.h"
#include "persist/RegularFile.h"
#include "portability/TestSupport.h"
#include "xml/DescriptionDocument.h"

namespace {

namespace fs = std::filesystem;
using HostPersist::FileCalls;
using HostPersist::Replacement;
using Names = std::vector<std::string>;

using porttest::ReadFile;

class FilesTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return m_dir + "/" + name; }
  std::string Write(const std::string& name, const std::string& bytes) const {
    porttest::WriteFile(Path(name), bytes);
    return Path(name);
  }
  Names Entries(const std::string& dir = "") const {
    Names names;
    for (const auto& entry : fs::directory_iterator(dir.empty() ? m_dir : dir)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  bool Save(const std::string& path, const std::string& bytes, const Replacement& how = {}) {
    error.clear();
    return HostPersist::ReplaceFileAtomically(path, bytes, how, error);
  }

  porttest::ScopedTempDir m_tmp;
  const std::string m_dir = m_tmp.path();
  std::string error;
};

TEST_F(FilesTest, OutputsThatAreNoRegularFileAreRefusedUntouched) {
  const std::pair<const char*, mode_t> kinds[] = {
      {"fifo", S_IFIFO}, {"socket", S_IFSOCK}, {"directory", S_IFDIR}, {"device", S_IFCHR}};
  for (const auto& [name, type] : kinds) {
    const std::string path = Path(name);
    const int made = type == S_IFDIR ? mkdir(path.c_str(), 0755)
                                     : mknod(path.c_str(), type | 0644, makedev(1, 3));
    if (made != 0) {
      std::cout << "[ SKIPPED  ] no " << name << " can be made here (device nodes need root)\n";
      continue;
    }
    struct stat before {
    }, after{};
    ASSERT_EQ(lstat(path.c_str(), &before), 0);
    EXPECT_FALSE(Save(path, "new")) << name;
    EXPECT_EQ(error, "cannot save project file \"" + path +
                         "\": not a regular file; the previous file is unchanged");
    ASSERT_EQ(lstat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode, before.st_mode) << name;
    EXPECT_EQ(after.st_ino, before.st_ino) << name;
  }
  EXPECT_EQ(Entries().size(), 4u - (getuid() != 0)) << "nothing else was made";
}

TEST_F(FilesTest, LinksAreFollowedAndStayWhileLoopsAndTheInputAreRefused) {
  fs::create_directory(Path("elsewhere"));
  const std::string target = Write("elsewhere/real.prj", "old");
  fs::create_symlink("elsewhere/real.prj", Path("link.prj"));
  fs::create_symlink("absent.prj", Path("dangling.prj"));
  ASSERT_TRUE(Save(Path("link.prj"), "through the link")) << error;
  ASSERT_TRUE(Save(Path("dangling.prj"), "made by the link")) << error;
  EXPECT_TRUE(fs::is_symlink(Path("link.prj")));
  EXPECT_EQ(ReadFile(target), "through the link");
  EXPECT_TRUE(fs::is_symlink(Path("dangling.prj")));
  EXPECT_EQ(ReadFile(Path("absent.prj")), "made by the link");
  EXPECT_EQ(Entries(Path("elsewhere")), Names{"real.prj"}) << "replaced in its own directory";

  fs::create_symlink("loop-b", Path("loop-a"));
  fs::create_symlink("loop-a", Path("loop-b"));
  EXPECT_FALSE(Save(Path("loop-a"), "x"));
  EXPECT_NE(error.find("Too many levels of symbolic links; nothing was written"), std::string::npos)
      << error;

  // The input, by its own name, through a link or through a hard link.
  fs::create_hard_link(target, Path("hard.prj"));
  const Replacement reading{HostPersist::kDescriptionKind, {{*HostPersist::FileId::Of(target)}}};
  for (const std::string& name : {target, Path("link.prj"), Path("hard.prj")}) {
    EXPECT_FALSE(Save(name, "lost", reading));
    EXPECT_EQ(error, "cannot save description \"" + name +
                         "\": it is the file being read; the previous file is unchanged");
  }
  EXPECT_EQ(ReadFile(target), "through the link");
  // Another hard link keeps the old contents, as after an editor's save.
  ASSERT_TRUE(Save(target, "replaced")) << error;
  EXPECT_EQ(ReadFile(Path("hard.prj")), "through the link");
}

TEST_F(FilesTest, NewFilesFollowTheUmaskAndReplacedOnesKeepModeAndOwner) {
  for (const mode_t mask : {mode_t{077}, mode_t{022}, mode_t{002}}) {
    const mode_t saved = umask(mask);
    const std::string path = Path("new-" + std::to_string(mask));
    const bool saved_ok = Save(path, "x");
    umask(saved);
    ASSERT_TRUE(saved_ok) << error;
    EXPECT_EQ(fs::status(path).permissions(), static_cast<fs::perms>(0666 & ~mask)) << path;
  }
  const std::string kept = Write("kept.prj", "old");
  ASSERT_EQ(chmod(kept.c_str(), 0640), 0);
  const bool root = getuid() == 0;
  if (root) {
    ASSERT_EQ(chown(kept.c_str(), 65534, 65534), 0);
  }
  ASSERT_TRUE(Save(kept, "new")) << error;
  struct stat info {};
  ASSERT_EQ(stat(kept.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
  } else {
    std::cout << "[ SKIPPED  ] keeping another user's ownership needs root\n";
  }
}

TEST_F(FilesTest, AnyNameTheFileSystemAcceptsCanBeSaved) {
  for (const std::size_t length : {1u, 247u, 248u, 255u}) {
    const std::string path = Path(std::string(length, 'n'));
    EXPECT_TRUE(Save(path, "long") && ReadFile(path) == "long") << length << ": " << error;
  }
  EXPECT_FALSE(Save(Path(std::string(256, 'n')), "x"));
  EXPECT_NE(error.find("File name too long"), std::string::npos) << error;
}

TEST_F(FilesTest, KilledSavesLeaveNothingOrAreCleanedByTheNextSave) {
  const std::string path = Path("out.prj");
  // A save killed while it writes: the child process dies mid-write.
  auto killedSave = [&](bool unnamed) {
    const pid_t child = fork();
    if (child == 0) {
      Replacement how;
      if (!unnamed) how.calls.openUnnamed = [](const char*) { return errno = EOPNOTSUPP, -1; };
      how.calls.write = [](int, const void*, std::size_t) -> ssize_t { _exit(9); };
      std::string ignored;
      HostPersist::ReplaceFileAtomically(path, "never", how, ignored);
      _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  };
  ASSERT_EQ(killedSave(true), 9);
  EXPECT_EQ(Entries(), Names{}) << "an unnamed file goes with the process";
  ASSERT_EQ(killedSave(false), 9);
  ASSERT_EQ(Entries().size(), 1u) << "a named one stays behind";
  const std::string stale = Entries()[0];
  EXPECT_EQ(stale.rfind(".out.prj~", 0), 0u) << stale;

  // A new file of the same naming that a live save holds, and one of another
  // naming, are left alone.
  const std::string live = Write(".out.prj~Live01", "live");
  const std::string other = Write(".out.prj~toolong", "other");
  const int held = open(live.c_str(), O_RDONLY);
  ASSERT_EQ(flock(held, LOCK_EX), 0);
  ASSERT_TRUE(Save(path, "saved")) << error;
  close(held);
  EXPECT_EQ(Entries(), (Names{".out.prj~Live01", ".out.prj~toolong", "out.prj"}));
  EXPECT_EQ(ReadFile(path), "saved");
}

TEST_F(FilesTest, ReadersTakeRegularFilesOnlyAndReportReadErrors) {
  const std::string fifo = Path("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  std::string bytes;
  for (const std::string& special : {fifo, std::string("/dev/zero"), m_dir}) {
    EXPECT_FALSE(HostPersist::ReadRegularFile(special, bytes, error)) << special;
    EXPECT_EQ(error, "cannot read \"" + special + "\": not a regular file");
  }
  const std::string file = Write("ten.txt", "0123456789");
  ASSERT_TRUE(HostPersist::ReadRegularFile(file, bytes, error, 4)) << error;
  EXPECT_EQ(bytes, "0123");
  // A disk failing on the first read, or after a first good one.
  for (const int goodReads : {0, 1}) {
    int reads = 0;
    auto failing = [&](int fd, void* buffer, std::size_t size) -> ssize_t {
      if (reads++ == goodReads) return errno = EIO, -1;
      return read(fd, buffer, size < 3 ? size : 3);
    };
    EXPECT_FALSE(HostPersist::ReadRegularFile(file, bytes, error, SIZE_MAX, failing));
    EXPECT_EQ(error, "cannot read \"" + file + "\": Input/output error");
  }
}

TEST_F(FilesTest, ANulCharacterIsFoundAtItsOffsetInEveryEncoding) {
  using std::string_literals::operator""s;
  const std::pair<std::string, std::size_t> cases[] = {
      {"<Project/>\n\0 trailing <<<garbage"s, 11},
      {"\xEF\xBB\xBF<a/>\0"s, 7},
      {"\xFF\xFE<\0a\0/\0>\0\0\0"s, 10},     // UTF-16 little-endian, marked
      {"<\0a\0/\0>\0"s, std::string::npos},  // UTF-16 without a mark: no NUL character
      {"\0<\0a\0\0\0/"s, 4},                 // UTF-16 big-endian without a mark
      {"<\0\0\0a\0\0\0\0\0\0\0"s, 8},        // UCS-4
  };
  for (const auto& [text, offset] : cases) {
    EXPECT_EQ(HostXml::FindNulCharacter(text), offset) << testing::PrintToString(text);
  }
}

/// Runs hdpart in `dir` with its standard output sent where `redirect` says
/// (a path, or "" for closed); answers the exit status and standard error.
std::pair<int, std::string> RunTool(const std::string& dir, const Names& args,
                                    const char* redirect) {
  const std::string errors = dir + "/stderr.txt";
  const pid_t child = fork();
  if (child == 0) {
    if (chdir(dir.c_str()) != 0) _exit(127);
    const int err = open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (dup2(err, STDERR_FILENO) != STDERR_FILENO) _exit(127);
    close(err);
    close(STDOUT_FILENO);
    if (*redirect && open(redirect, O_WRONLY) != STDOUT_FILENO) _exit(127);
    std::vector<char*> argv{const_cast<char*>(HDPART_PATH)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(HDPART_PATH, argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(errors)};
}

TEST_F(FilesTest, StandardOutputThatCannotBeWrittenIsAnError) {
  const std::string description = Write(
      "d.pxml", "<Project Name=\"p\"><Partition Name=\"/top\" State=\"implement\"/></Project>");
  ASSERT_EQ(RunTool(m_dir, {"save", "d.pxml", "-o", "d.prj"}, "/dev/null").first, 0);
  const std::pair<const char*, const char*> outputs[] = {{"/dev/full", "No space left on device"},
                                                         {"", "Bad file descriptor"}};
  for (const Names& command : {Names{"show", "d.pxml"}, Names{"write", "d.prj"},
                               Names{"inspect", "d.prj"}, Names{"--help"}}) {
    for (const auto& [redirect, reason] : outputs) {
      const auto [status, errors] = RunTool(m_dir, command, redirect);
      EXPECT_EQ(status, 1) << command[0] << " > " << redirect;
      EXPECT_EQ(errors,
                std::string("ERROR: hdpart: cannot write to standard output: ") + reason + "\n");
    }
  }
  // A command that prints nothing is not hurt by a closed standard output,
  // and no file it opens takes the place of standard output.
  EXPECT_EQ(RunTool(m_dir, {"save", "d.pxml", "-o", "e.prj"}, "").first, 0);
  EXPECT_EQ(ReadFile(Path("e.prj")), ReadFile(Path("d.prj")));
}

}  // namespace
