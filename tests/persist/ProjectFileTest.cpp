// The project file: a whole project saved and loaded back, saves that fail
// midway, damaged files refused before anything is created, and the listing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "ItemListing.h"
#include "ProjectFile.h"
#include "framework/LiveObjects.h"
#include "portability/TestSupport.h"
#include "support/ZoreTest.h"

namespace {

using namespace HostPersist;
using Strings = std::vector<std::string>;

PartitionEntry Entry(const char* name, const char* parent, int pins) {
  PartitionEntry entry{ZoreTest::NewPartition(), parent, {}};
  ZavU::IPartition& p = *entry.partition.get();
  p.SetHierarchicalName(name);
  p.SetRoot(*parent == '\0');
  CitI::QueryAs<Prjrep::IPersist>(&p)->SetXUID(Port::XUID(std::hash<std::string>()(name), 3));
  for (int i = 0; i < pins; ++i) p.AddPartitionPin(Port::StringBase("pin" + std::to_string(i)));
  p.SetTrait("preserve", "placement", true);
  p.SetTimestamp(ZavU::ROUTED, 1700000000);
  return entry;
}

ProjectImage Project() {
  ProjectImage project{"design", {}};
  project.partitions.push_back(Entry("top", "", 2));
  project.partitions.push_back(Entry("top/u1", "top", 1));
  project.partitions.push_back(Entry("top/u1/a", "top/u1", 0));
  project.partitions.push_back(Entry("top/u2", "top", 3));
  project.partitions[1].attrs = {true, "/exported/run1", "none", "NONE", true, "mod_a"};
  project.partitions[3].attrs.boundaryOpt = "limited";
  return project;
}

/// A partition's record as bytes: equal bytes, equal records.
std::string RecordOf(const CommonI::RefCountPtr<ZavU::IPartition>& p) {
  MemoryStream s;
  CitI::QueryAs<Prjrep::IPersist>(p.get())->PersistSave(&s);
  return s.Bytes();
}

class ProjectFile : public ZoreTest::LeakCheckedTest {
 protected:
  Strings Entries() const {
    Strings names;
    for (const auto& e : std::filesystem::directory_iterator(m_dir.path())) {
      names.push_back(e.path().filename());
    }
    return names;
  }
  void ExpectLoadsAs(const ProjectImage& saved) {
    ProjectImage loaded;
    ASSERT_TRUE(LoadProjectFile(m_path, loaded, error)) << error;
    EXPECT_EQ(saved.name, loaded.name);
    ASSERT_EQ(saved.partitions.size(), loaded.partitions.size());
    for (std::size_t i = 0; i < saved.partitions.size(); ++i) {
      EXPECT_EQ(saved.partitions[i].parentName, loaded.partitions[i].parentName) << i;
      EXPECT_TRUE(saved.partitions[i].attrs == loaded.partitions[i].attrs) << i;
      EXPECT_EQ(RecordOf(saved.partitions[i].partition), RecordOf(loaded.partitions[i].partition));
      EXPECT_NE(saved.partitions[i].partition.get(), loaded.partitions[i].partition.get());
    }
  }
  std::string FileBytes() const { return porttest::ReadFile(m_path); }
  void WriteFileBytes(const std::string& bytes) const { porttest::WriteFile(m_path, bytes); }

  porttest::ScopedTempDir m_dir;
  const std::string m_path = m_dir / "design.prj";
  std::string error;
};

TEST_F(ProjectFile, SavedProjectLoadsBackWholeAndOnlyInHierarchyOrder) {
  ZoreTest::CapturingSink sink;
  const ProjectImage saved = Project();
  ASSERT_TRUE(SaveProjectFile(m_path, saved, error)) << error;
  EXPECT_EQ(Entries(), Strings{"design.prj"}) << "no temporary file is left";
  ExpectLoadsAs(saved);
  EXPECT_TRUE(sink.All().empty());

  std::filesystem::remove(m_path);
  ProjectImage disordered = Project();
  std::swap(disordered.partitions[1], disordered.partitions[2]);  // a child before its parent
  EXPECT_FALSE(SaveProjectFile(m_path, disordered, error));
  EXPECT_NE(error.find("\"top/u1/a\""), std::string::npos) << error;
  ProjectImage rootless = Project();
  rootless.partitions[0].parentName = "above";
  EXPECT_FALSE(SaveProjectFile(m_path, rootless, error));
  EXPECT_TRUE(Entries().empty());
}

TEST_F(ProjectFile, SaveThatFailsMidwayLeavesThePreviousFileLoadable) {
  const ProjectImage first = Project();
  ASSERT_TRUE(SaveProjectFile(m_path, first, error)) << error;
  const std::string before = FileBytes();
  ProjectImage second{"second", {}};
  second.partitions.push_back(Entry("other", "", 5));

  // A disk that fills up after 64 bytes, a flush that fails, a rename that fails.
  int written = 0;
  FileCalls fullDisk = FileCalls::System(), failingSync = fullDisk, failingRename = fullDisk;
  fullDisk.write = [&written](int fd, const void* data, std::size_t size) -> ssize_t {
    const std::size_t room = static_cast<std::size_t>(64 - written);
    if (room == 0) return errno = ENOSPC, -1;
    const ssize_t n = ::write(fd, data, size < room ? size : room);
    written += n > 0 ? static_cast<int>(n) : 0;
    return n;
  };
  failingSync.sync = [](int) { return errno = EIO, -1; };
  failingRename.rename = [](const char*, const char*) { return errno = EXDEV, -1; };
  const std::pair<FileCalls*, const char*> failures[] = {{&fullDisk, "No space left on device"},
                                                         {&failingSync, "Input/output error"},
                                                         {&failingRename, "cross-device link"}};
  for (const auto& [calls, why] : failures) {
    error.clear();
    EXPECT_FALSE(SaveProjectFile(m_path, second, *calls, error));
    for (const std::string& part :
         {"\"" + m_path + "\"", std::string(why), std::string("the previous file is unchanged")}) {
      EXPECT_NE(error.find(part), std::string::npos) << error;
    }
    EXPECT_EQ(Entries(), Strings{"design.prj"}) << "temporary file removed";
    EXPECT_EQ(FileBytes(), before);
  }
  EXPECT_EQ(written, 64) << "the write really stopped midway";
  ExpectLoadsAs(first);
}

// The whole listing of a saved project is compared line by line in the
// end-to-end cases; here, the bytes no project name carries there.
TEST_F(ProjectFile, DamagedFileIsRefusedBeforeAnythingIsCreatedAndNotListed) {
  ASSERT_TRUE(SaveProjectFile(m_path, Project(), error)) << error;
  const std::string good = FileBytes();
  auto changed = [&good](std::size_t at, char to) {
    std::string bytes = good;
    bytes[at] = to ? to : static_cast<char>(bytes[at] ^ 0x10);
    return bytes;
  };
  const std::pair<std::string, const char*> cases[] = {
      {changed(8, 0), "is corrupt: checksum mismatch"},
      {changed(good.size() - 1, 0), "is corrupt: checksum mismatch"},
      {good.substr(0, good.size() - 1), "is truncated"},
      {good.substr(0, 31), "is truncated"},
      {good + "x", "is corrupt"},
      {changed(0, 'X'), "is not a project file"},
      {changed(16, 3), "has format 3"},
  };
  ProjectImage out{"untouched", {}};
  const int liveBefore = ZorE::LiveComponents();
  for (const auto& [bytes, what] : cases) {
    WriteFileBytes(bytes);
    EXPECT_FALSE(LoadProjectFile(m_path, out, error)) << what;
    EXPECT_NE(error.find("project file \"" + m_path + "\" " + what), std::string::npos) << error;
    EXPECT_EQ(out.name.str(), "untouched");
    EXPECT_EQ(ZorE::LiveComponents(), liveBefore);
  }
  WriteFileBytes(good.substr(0, 100));
  std::ostringstream listing;
  EXPECT_FALSE(ListProjectFile(m_path, listing, error));
  EXPECT_NE(error.find("is truncated"), std::string::npos) << error;
  EXPECT_EQ(QuotedText(Port::StringBase(std::string("a\\b\n\xff\0", 6))),
            "\"a\\\\b\\x0a\\xff\\x00\"");
  std::filesystem::remove(m_path);
  EXPECT_FALSE(LoadProjectFile(m_path, out, error));
  EXPECT_NE(error.find("cannot read \"" + m_path + "\": No such file or directory"),
            std::string::npos)
      << error;
}

// A file far longer than its header says (here sparse: it costs no disk) is
// refused from its header and size alone, and a file too large for the
// memory left is refused naming the file, from both readers.
TEST_F(ProjectFile, FileIsJudgedByItsHeaderBeforeItsContentsAreRead) {
  ASSERT_TRUE(SaveProjectFile(m_path, Project(), error)) << error;
  const std::uint64_t saved = FileBytes().size();
  constexpr std::uint64_t kExtended = std::uint64_t{3} << 30;
  ASSERT_EQ(::truncate(m_path.c_str(), static_cast<off_t>(kExtended)), 0);
  std::uint64_t bytesRead = 0;
  auto counting = [&bytesRead](int fd, void* buffer, std::size_t size) {
    const ssize_t n = ::read(fd, buffer, size);
    bytesRead += n > 0 ? static_cast<std::uint64_t>(n) : 0;
    return n;
  };
  ProjectImage out{"untouched", {}};
  EXPECT_FALSE(LoadProjectFile(m_path, out, error, counting));
  EXPECT_EQ(error, "project file \"" + m_path +
                       "\" is corrupt: " + std::to_string(kExtended - saved) +
                       " bytes follow the contents its header announces");
  EXPECT_EQ(bytesRead, kProjectFileHeaderSize) << "only the header was read";

  // Memory runs out once more than the header is asked for.
  ASSERT_EQ(::truncate(m_path.c_str(), static_cast<off_t>(saved)), 0);
  auto noMemory = [](int fd, void* buffer, std::size_t size) -> ssize_t {
    if (size > kProjectFileHeaderSize) throw std::bad_alloc();
    return ::read(fd, buffer, size);
  };
  const std::string expected = "cannot read \"" + m_path + "\": not enough memory for its " +
                               std::to_string(saved) + " bytes";
  EXPECT_FALSE(LoadProjectFile(m_path, out, error, noMemory));
  EXPECT_EQ(error, expected);
  std::string bytes = "kept";
  EXPECT_FALSE(ReadRegularFile(m_path, bytes, error, SIZE_MAX, noMemory));
  EXPECT_EQ(error, expected);
  EXPECT_EQ(bytes, "") << "nothing half read is handed back";
  EXPECT_EQ(out.name.str(), "untouched");
}

TEST_F(ProjectFile, ContentsThatFailReleaseEveryPartitionMadeSoFar) {
  const int liveBefore = ZorE::LiveComponents();
  const PartitionEntry root = Entry("top", "", 2);
  const Port::XUID partitionClass(Xuids::ZorE_Partition);
  struct Contents {
    MemoryStream s{std::string(kProjectFileHeaderSize, '\0')};  // sealed over these bytes
    Contents(std::int32_t count) { s.WriteString("p"), s.WriteInt(0), s.WriteInt(count); }
    Contents& Entry(const char* parent, const Port::XUID& cls) {
      s.WriteString(parent), s.WriteXUID(cls), s.WriteBool(false), s.WriteFileName("");
      s.WriteString(""), s.WriteString(""), s.WriteBool(false), s.WriteString("");
      return *this;
    }
    Contents& Record(const PartitionEntry& e) {
      CitI::QueryAs<Prjrep::IPersist>(e.partition.get())->PersistSave(&s);
      return *this;
    }
  };
  Contents cut(2), unknown(1), huge(INT_MAX), orphan(1);
  cut.Entry("", partitionClass).Record(root).Entry("top", partitionClass);
  cut.s.WriteString("2"), cut.s.WriteString("0");  // a record that ends after its revision
  unknown.Entry("", Port::XUID(1, 2));
  orphan.Entry("nowhere", partitionClass).Record(root);
  const std::pair<Contents*, const char*> cases[] = {
      {&cut, "the record of partition 1 did not load"},
      {&unknown, "{00000000-0000-0001-0000-000000000002}"},
      {&huge, "partition 0 cannot be read"},
      {&orphan, "names parent \"nowhere\""}};
  ProjectImage out{"untouched", {}};
  for (const auto& [contents, why] : cases) {
    ZoreTest::CapturingSink sink;
    std::string bytes = contents->s.TakeBytes();
    SealProjectFile(bytes);
    WriteFileBytes(bytes);
    EXPECT_FALSE(LoadProjectFile(m_path, out, error));
    EXPECT_NE(error.find(why), std::string::npos) << error;
    EXPECT_EQ(ZorE::LiveComponents(), liveBefore + 3) << why << ": only the test's root and pins";
    if (contents == &cut) {
      // The record's own line, then the host's saying which record it was.
      EXPECT_EQ(sink.All(), Strings{"ERROR: Partition::PersistLoad: Failed to read Partition "
                                    "XUID.  Partition not loaded.\n  in \"" +
                                    m_path + "\": the record of partition 1\n"});
    }
  }
  EXPECT_EQ(out.name.str(), "untouched");
}

}  // namespace
