// The project file: a whole project saved and loaded back, saves that fail
// midway, damaged files refused before anything is created, and the listing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "ItemListing.h"
#include "ProjectFile.h"
#include "framework/LiveObjects.h"
#include "support/ZoreTest.h"

namespace {

using namespace HostPersist;
using Strings = std::vector<std::string>;

class ProjectFile : public ZoreTest::LeakCheckedTest {
 protected:
  void SetUp() override {
    LeakCheckedTest::SetUp();
    char pattern[] = "/tmp/projectfile.XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    m_dir = pattern;
    m_path = m_dir + "/design.prj";
  }
  void TearDown() override {
    std::filesystem::remove_all(m_dir);
    LeakCheckedTest::TearDown();
  }
  Strings Entries() const {
    Strings names;
    for (const auto& e : std::filesystem::directory_iterator(m_dir)) {
      names.push_back(e.path().filename());
    }
    return names;
  }

  static PartitionEntry Entry(const char* name, const char* parent, int pins) {
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

  static ProjectImage Project() {
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
  static std::string RecordOf(const CommonI::RefCountPtr<ZavU::IPartition>& p) {
    MemoryStream s;
    CitI::QueryAs<Prjrep::IPersist>(p.get())->PersistSave(&s);
    return s.Bytes();
  }

  void ExpectLoadsAs(const ProjectImage& saved) {
    ProjectImage loaded;
    std::string error;
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

  std::string FileBytes() const {
    std::ostringstream bytes;
    bytes << std::ifstream(m_path, std::ios::binary).rdbuf();
    return bytes.str();
  }
  void WriteFileBytes(const std::string& bytes) const {
    std::ofstream(m_path, std::ios::binary | std::ios::trunc) << bytes;
  }

  std::string m_dir, m_path, error;
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

TEST_F(ProjectFile, DamagedFileIsRefusedBeforeAnythingIsCreated) {
  ASSERT_TRUE(SaveProjectFile(m_path, Project(), error)) << error;
  const std::string good = FileBytes();
  auto flipped = [&good](std::size_t at) {
    std::string bytes = good;
    bytes[at] = static_cast<char>(bytes[at] ^ 0x10);
    return bytes;
  };
  std::string wrongMark = good, wrongFormat = good;
  wrongMark[0] = 'X';
  wrongFormat[16] = 3;
  const std::pair<std::string, const char*> cases[] = {
      {flipped(8), "is corrupt: checksum mismatch"},
      {flipped(good.size() - 1), "is corrupt: checksum mismatch"},
      {good.substr(0, good.size() - 1), "is truncated"},
      {good.substr(0, 31), "is truncated"},
      {good + "x", "is corrupt"},
      {wrongMark, "is not a project file"},
      {wrongFormat, "has format 3"},
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
  std::filesystem::remove(m_path);
  EXPECT_FALSE(LoadProjectFile(m_path, out, error));
  EXPECT_NE(error.find("cannot read \"" + m_path + "\": No such file or directory"),
            std::string::npos)
      << error;
}

TEST_F(ProjectFile, ContentsThatFailReleaseEveryPartitionMadeSoFar) {
  const int liveBefore = ZorE::LiveComponents();
  const PartitionEntry root = Entry("top", "", 2);
  const Port::XUID partitionClass(Xuids::ZorE_Partition);
  struct Contents {
    MemoryStream s{std::string(kProjectFileHeaderSize, '\0')};
    Contents(std::int32_t count) {
      s.WriteString("p");  // the header is sealed over the bytes left for it
      s.WriteInt(0);       // no reconfigurable module
      s.WriteInt(count);
    }
    Contents& Entry(const char* parent, const Port::XUID& cls) {
      s.WriteString(parent);
      s.WriteXUID(cls);
      s.WriteBool(false);
      s.WriteFileName("");
      for (int i = 0; i < 2; ++i) s.WriteString("");
      s.WriteBool(false);
      s.WriteString("");
      return *this;
    }
    Contents& Record(const PartitionEntry& e) {
      CitI::QueryAs<Prjrep::IPersist>(e.partition.get())->PersistSave(&s);
      return *this;
    }
  };
  Contents cut(2), unknown(1), huge(INT_MAX), orphan(1);
  cut.Entry("", partitionClass).Record(root).Entry("top", partitionClass);
  cut.s.WriteString("2");  // the second record ends after its version and revision
  cut.s.WriteString("0");
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
      EXPECT_EQ(sink.All(), Strings{"ERROR: Partition::PersistLoad: Failed to read Partition "
                                    "XUID.  Partition not loaded.\n"});
    }
  }
  EXPECT_EQ(out.name.str(), "untouched");
}

// The whole listing of a saved project is compared line by line in the
// end-to-end cases; here, the bytes no project name carries there.
TEST_F(ProjectFile, ListingQuotesEveryByteAndRefusesACutFile) {
  EXPECT_EQ(QuotedText(Port::StringBase(std::string("a\\b\n\xff\0", 6))),
            "\"a\\\\b\\x0a\\xff\\x00\"");
  ASSERT_TRUE(SaveProjectFile(m_path, Project(), error)) << error;
  WriteFileBytes(FileBytes().substr(0, 100));
  std::ostringstream out;
  EXPECT_FALSE(ListProjectFile(m_path, out, error));
  EXPECT_NE(error.find("is truncated"), std::string::npos) << error;
}

}  // namespace
