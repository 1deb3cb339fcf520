// The project file: a whole project saved and loaded back, saves that fail
// midway, damaged files refused before anything is created, and the listing.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <fstream>
#include <sstream>

#include "ItemListing.h"
#include "ProjectFile.h"
#include "ZavU/IPartitionTracking.h"
#include "framework/LiveObjects.h"
#include "support/ZoreTest.h"

namespace {

using HostPersist::LoadProjectFile;
using HostPersist::MemoryStream;
using HostPersist::PartitionEntry;
using HostPersist::ProjectImage;
using HostPersist::SaveProjectFile;
using ZoreTest::NewPartition;

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
    for (const std::string& name : Entries()) ::unlink((m_dir + "/" + name).c_str());
    ::rmdir(m_dir.c_str());
    LeakCheckedTest::TearDown();
  }

  /// The names in the test's directory.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(m_dir.c_str())) {
      while (dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (name != "." && name != "..") names.push_back(name);
      }
      ::closedir(dir);
    }
    return names;
  }

  static PartitionEntry Entry(const char* name, const char* parent, int pins) {
    PartitionEntry entry;
    entry.partition = NewPartition();
    const CommonI::RefCountPtr<ZavU::IPartition>& p = entry.partition;
    p->SetHierarchicalName(name);
    p->SetRoot(*parent == '\0');
    p.As<Prjrep::IPersist>()->SetXUID(Port::XUID(std::hash<std::string>()(name), 3));
    for (int i = 0; i < pins; ++i) p->AddPartitionPin(Port::StringBase("pin" + std::to_string(i)));
    p->SetTrait("preserve", "placement", true);
    p->SetTimestamp(ZavU::ROUTED, 1700000000);
    p->AddIPFileName("ip/a.qxp");
    p.As<ZavU::IPartitionFileTracking>()->SetPreviousDesignFile(5, "/prev/top.qnl");
    p.As<ZavU::IPartitionTimeTracking>()->SetProcessedTimestamp(2, 99);
    entry.parentName = parent;
    return entry;
  }

  static ProjectImage Project() {
    ProjectImage project;
    project.name = "design";
    project.partitions.push_back(Entry("top", "", 2));
    project.partitions.push_back(Entry("top/u1", "top", 1));
    project.partitions.push_back(Entry("top/u1/a", "top/u1", 0));
    project.partitions.push_back(Entry("top/u2", "top", 3));
    HostPersist::DescriptionAttributes& u1 = project.partitions[1].attrs;
    u1.isImport = true;
    u1.importLocation = "/exported/run1";
    u1.boundaryOpt = "none";
    u1.importTag = "NONE";
    u1.isIsolated = true;
    u1.reconfigModuleName = "mod_a";
    project.partitions[3].attrs.boundaryOpt = "limited";
    return project;
  }

  /// A partition's record as bytes: equal bytes, equal records.
  static std::string RecordOf(const CommonI::RefCountPtr<ZavU::IPartition>& p) {
    MemoryStream s;
    CitI::QueryAs<Prjrep::IPersist>(p.get())->PersistSave(&s);
    return s.Bytes();
  }

  static void ExpectSameProject(const ProjectImage& a, const ProjectImage& b) {
    EXPECT_EQ(a.name, b.name);
    ASSERT_EQ(a.partitions.size(), b.partitions.size());
    for (std::size_t i = 0; i < a.partitions.size(); ++i) {
      EXPECT_EQ(a.partitions[i].parentName, b.partitions[i].parentName) << i;
      EXPECT_TRUE(a.partitions[i].attrs == b.partitions[i].attrs) << i;
      EXPECT_EQ(RecordOf(a.partitions[i].partition), RecordOf(b.partitions[i].partition)) << i;
    }
  }

  std::string FileBytes() const {
    std::ifstream in(m_path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void WriteFileBytes(const std::string& bytes) const {
    std::ofstream(m_path, std::ios::binary | std::ios::trunc) << bytes;
  }

  std::string m_dir;
  std::string m_path;
};

TEST_F(ProjectFile, SavedProjectLoadsBackWholeWithItsDescriptionAttributes) {
  ZoreTest::CapturingSink sink;
  const ProjectImage saved = Project();
  std::string error;
  ASSERT_TRUE(SaveProjectFile(m_path, saved, error)) << error;
  EXPECT_EQ(Entries(), std::vector<std::string>{"design.prj"}) << "no temporary file is left";

  ProjectImage loaded;
  ASSERT_TRUE(LoadProjectFile(m_path, loaded, error)) << error;
  ExpectSameProject(saved, loaded);
  EXPECT_TRUE(loaded.partitions[3].partition->FindPartitionPin("pin2"));
  EXPECT_NE(loaded.partitions[0].partition.get(), saved.partitions[0].partition.get());
  EXPECT_TRUE(sink.All().empty());

  // Saving over an existing file replaces it.
  ProjectImage smaller;
  smaller.name = "other";
  smaller.partitions.push_back(Entry("root", "", 0));
  ASSERT_TRUE(SaveProjectFile(m_path, smaller, error)) << error;
  ASSERT_TRUE(LoadProjectFile(m_path, loaded, error)) << error;
  ExpectSameProject(smaller, loaded);
}

TEST_F(ProjectFile, SaveThatFailsMidwayLeavesThePreviousFileLoadable) {
  const ProjectImage first = Project();
  std::string error;
  ASSERT_TRUE(SaveProjectFile(m_path, first, error)) << error;
  const std::string before = FileBytes();

  ProjectImage second;
  second.name = "second";
  second.partitions.push_back(Entry("other", "", 5));

  // A disk that fills up after 64 bytes, a flush that fails, a rename that fails.
  int written = 0;
  HostPersist::FileCalls fullDisk = HostPersist::FileCalls::System();
  fullDisk.write = [&written](int fd, const void* data, std::size_t size) -> ssize_t {
    const std::size_t room = static_cast<std::size_t>(64 - written);
    if (room == 0) {
      errno = ENOSPC;
      return -1;
    }
    const ssize_t n = ::write(fd, data, size < room ? size : room);
    if (n > 0) written += static_cast<int>(n);
    return n;
  };
  HostPersist::FileCalls failingSync = HostPersist::FileCalls::System();
  failingSync.sync = [](int) {
    errno = EIO;
    return -1;
  };
  HostPersist::FileCalls failingRename = HostPersist::FileCalls::System();
  failingRename.rename = [](const char*, const char*) {
    errno = EXDEV;
    return -1;
  };
  const std::pair<HostPersist::FileCalls*, const char*> failures[] = {
      {&fullDisk, "No space left on device"},
      {&failingSync, "Input/output error"},
      {&failingRename, "Invalid cross-device link"},
  };
  for (const auto& [calls, why] : failures) {
    error.clear();
    EXPECT_FALSE(SaveProjectFile(m_path, second, *calls, error));
    EXPECT_NE(error.find("'" + m_path + "'"), std::string::npos) << error;
    EXPECT_NE(error.find(why), std::string::npos) << error;
    EXPECT_NE(error.find("the previous file is unchanged"), std::string::npos) << error;
    EXPECT_EQ(Entries(), std::vector<std::string>{"design.prj"}) << "temporary file removed";
    EXPECT_EQ(FileBytes(), before);
  }
  EXPECT_EQ(written, 64) << "the write really stopped midway";

  ProjectImage loaded;
  ASSERT_TRUE(LoadProjectFile(m_path, loaded, error)) << error;
  ExpectSameProject(first, loaded);
}

TEST_F(ProjectFile, ProjectOutOfHierarchyOrderIsNotSaved) {
  ProjectImage project = Project();
  std::swap(project.partitions[1], project.partitions[2]);  // a child before its parent
  std::string error;
  EXPECT_FALSE(SaveProjectFile(m_path, project, error));
  EXPECT_NE(error.find("'top/u1/a'"), std::string::npos) << error;
  EXPECT_TRUE(Entries().empty());

  ProjectImage rootless = Project();
  rootless.partitions[0].parentName = "above";
  EXPECT_FALSE(SaveProjectFile(m_path, rootless, error));
  EXPECT_TRUE(Entries().empty());
}

TEST_F(ProjectFile, DamagedFileIsRefusedBeforeAnythingIsCreated) {
  std::string error;
  ASSERT_TRUE(SaveProjectFile(m_path, Project(), error)) << error;
  const std::string good = FileBytes();

  ProjectImage out;
  out.name = "untouched";
  const int liveBefore = ZorE::LiveComponents();
  auto expectRefused = [&](const std::string& bytes, const char* what, const std::string& case_) {
    WriteFileBytes(bytes);
    error.clear();
    EXPECT_FALSE(LoadProjectFile(m_path, out, error)) << case_;
    EXPECT_NE(error.find("project file '" + m_path + "'"), std::string::npos) << error;
    EXPECT_NE(error.find(what), std::string::npos) << case_ << ": " << error;
    EXPECT_EQ(out.name.str(), "untouched");
    EXPECT_EQ(ZorE::LiveComponents(), liveBefore) << case_;
  };

  for (std::size_t at : {std::size_t{8}, std::size_t{40}, good.size() / 2, good.size() - 1}) {
    std::string flipped = good;
    flipped[at] = static_cast<char>(flipped[at] ^ 0x10);
    expectRefused(flipped, "corrupt: checksum mismatch", "byte " + std::to_string(at));
  }
  for (std::size_t size : {good.size() - 1, good.size() / 2, std::size_t{33}}) {
    expectRefused(good.substr(0, size), "is truncated", "cut at " + std::to_string(size));
  }
  expectRefused(good.substr(0, 31), "is truncated", "inside the header");
  expectRefused("", "is truncated", "empty");
  expectRefused(good + "x", "is corrupt", "trailing byte");
  std::string wrongMark = good;
  wrongMark[0] = 'X';
  expectRefused(wrongMark, "is not a project file", "mark");
  std::string wrongFormat = good;
  wrongFormat[16] = 2;
  expectRefused(wrongFormat, "has format 2", "format");

  ::unlink(m_path.c_str());
  EXPECT_FALSE(LoadProjectFile(m_path, out, error));
  EXPECT_NE(error.find("cannot be read: No such file or directory"), std::string::npos) << error;
}

/// A file whose checksum is right, whatever its contents.
std::string SealedFile(MemoryStream& contents) {
  std::string bytes = contents.TakeBytes();
  HostPersist::SealProjectFile(bytes);
  return bytes;
}

TEST_F(ProjectFile, ContentsThatFailReleaseEveryPartitionMadeSoFar) {
  const int liveBefore = ZorE::LiveComponents();
  std::string error;
  ProjectImage out;
  out.name = "untouched";
  const PartitionEntry root = Entry("top", "", 2);
  const Port::XUID partitionClass(Xuids::ZorE_Partition);

  auto header = [&](MemoryStream& s, std::int32_t count) {
    // SealProjectFile overwrites the bytes left for the header.
    s.WriteString("p");
    s.WriteInt(count);
  };
  auto entryHead = [&](MemoryStream& s, const char* parent, const Port::XUID& cls) {
    s.WriteString(parent);
    s.WriteXUID(cls);
    s.WriteBool(false);
    s.WriteFileName("");
    s.WriteString("");
    s.WriteString("");
    s.WriteBool(false);
    s.WriteString("");
  };
  auto load = [&](MemoryStream& s) {
    WriteFileBytes(SealedFile(s));
    error.clear();
    return LoadProjectFile(m_path, out, error);
  };

  {  // The second record is cut after its version and revision.
    ZoreTest::CapturingSink sink;
    MemoryStream s(std::string(HostPersist::kProjectFileHeaderSize, '\0'));
    header(s, 2);
    entryHead(s, "", partitionClass);
    CitI::QueryAs<Prjrep::IPersist>(root.partition.get())->PersistSave(&s);
    entryHead(s, "top", partitionClass);
    s.WriteString("2");
    s.WriteString("0");
    const int liveWithRoot = ZorE::LiveComponents();
    EXPECT_FALSE(load(s));
    EXPECT_NE(error.find("the record of partition 1 did not load"), std::string::npos) << error;
    EXPECT_EQ(ZorE::LiveComponents(), liveWithRoot) << "the loaded root was released";
    EXPECT_EQ(sink.All(), std::vector<std::string>{"ERROR: Partition::PersistLoad: Failed to read "
                                                   "Partition XUID.  Partition not loaded.\n"});
  }
  {  // A class nobody registered.
    MemoryStream s(std::string(HostPersist::kProjectFileHeaderSize, '\0'));
    header(s, 1);
    entryHead(s, "", Port::XUID(1, 2));
    EXPECT_FALSE(load(s));
    EXPECT_NE(error.find("{00000000-0000-0001-0000-000000000002}"), std::string::npos) << error;
  }
  {  // A huge partition count over a short file ends with the stream.
    MemoryStream s(std::string(HostPersist::kProjectFileHeaderSize, '\0'));
    header(s, INT_MAX);
    EXPECT_FALSE(load(s));
    EXPECT_NE(error.find("partition 0 cannot be read"), std::string::npos) << error;
  }
  {  // A child listed before its parent.
    MemoryStream s(std::string(HostPersist::kProjectFileHeaderSize, '\0'));
    header(s, 1);
    entryHead(s, "nowhere", partitionClass);
    CitI::QueryAs<Prjrep::IPersist>(root.partition.get())->PersistSave(&s);
    EXPECT_FALSE(load(s));
    EXPECT_NE(error.find("names parent 'nowhere'"), std::string::npos) << error;
  }
  EXPECT_EQ(out.name.str(), "untouched");
  EXPECT_EQ(ZorE::LiveComponents(), liveBefore + 3) << "only the test's root and its pins live";
}

TEST_F(ProjectFile, ListingShowsEveryItemOnALine) {
  ProjectImage project;
  project.name = "list\"me";
  project.partitions.push_back(Entry("top", "", 1));
  std::string error;
  ASSERT_TRUE(SaveProjectFile(m_path, project, error)) << error;
  std::ostringstream out;
  ASSERT_TRUE(HostPersist::ListProjectFile(m_path, out, error)) << error;

  std::vector<std::string> lines;
  std::istringstream in(out.str());
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  ASSERT_GT(lines.size(), 20u);
  EXPECT_EQ(lines[0].rfind("# project file '" + m_path + "', format 1, ", 0), 0u) << lines[0];
  const std::vector<std::string> start = {
      "string \"list\\\"me\"",
      "int 1",
      "string \"\"",
      "xuid {5d0ffae9-0919-45e9-9f89-3775737fbc86}",
      "bool false",
      "filename \"\"",
      "string \"\"",
      "string \"\"",
      "bool false",
      "string \"\"",
      "string \"2\"",
      "string \"0\"",
  };
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 1 + start.size()), start);
  EXPECT_EQ(lines[16], "bool true") << "the root flag";
  EXPECT_EQ(lines[18], "int 1") << "the pin count";
  EXPECT_EQ(lines[19], "uint 2") << "the pin record's version";
  EXPECT_NE(std::find(lines.begin(), lines.end(), "time 1700000000"), lines.end());
  EXPECT_EQ(lines.back(), "time -1");

  EXPECT_EQ(HostPersist::QuotedText(Port::StringBase(std::string("a\\b\n\xff\0", 6))),
            "\"a\\\\b\\x0a\\xff\\x00\"");
  WriteFileBytes(FileBytes().substr(0, 100));
  EXPECT_FALSE(HostPersist::ListProjectFile(m_path, out, error));
  EXPECT_NE(error.find("is truncated"), std::string::npos) << error;
}

}  // namespace
