// The configuration as the partition library finds it in our host: by the
// project helper for a design read from a description, by the project
// repository and the autonym saver for a design opened from a project file,
// both giving the same modules and locations; and the saver's library
// loaded once, at the first lookup that needs it.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "CitP/Factory.h"
#include "Dpm/IConfiguration.h"
#include "Prjrep/IAutonym.h"
#include "ZavU/IReconfigAssocInfo.h"
#include "persist/Checksum.h"
#include "persist/ProjectFile.h"
#include "portability/TestSupport.h"
#include "project/Configuration.h"
#include "project/CurrentProject.h"
#include "project/DesignProject.h"
#include "session/Session.h"

namespace {

constexpr const char* kDescription = R"(<?xml version="1.0" encoding="UTF-8"?>
<Project FileVersion="2" Name="services">
  <Partition Name="/top" State="implement" ImportLocation="NONE">
    <Partition Name="/top/here" State="implement" ImportLocation="NONE" Reconfigurable="true"
               ReconfigModuleName="alpha"/>
    <Partition Name="/top/away" State="implement" ImportLocation="NONE" Reconfigurable="true"
               ReconfigModuleName="beta" ReconfigModuleLocation="/elsewhere/beta_impl"/>
    <Partition Name="/top/plain" State="implement" ImportLocation="NONE"/>
  </Partition>
</Project>
)";

/// What a partition under `parent`, not read from a description (so its
/// module name comes from the configuration too), answers. An empty
/// location stands for the design's own directory. A format 1 project file
/// kept no module locations: every module is this project's.
struct Row {
  const char* parent;
  const char* moduleName;
  const char* location;
  const char* formatOneLocation;
};
constexpr Row kRows[] = {
    {"/top/here", "alpha", "", ""},                     // a module of this project
    {"/top/away", "beta", "/elsewhere/beta_impl", ""},  // a module of another project
    {"/top/plain", "", "", ""},                         // static logic
    {"/top", "", "", ""},
};

/// The project file at `path` made a format 1 file: its configuration
/// section taken out, its header sealed again.
void MakeFormatOne(const std::string& path) {
  std::ostringstream read;
  read << std::ifstream(path, std::ios::binary).rdbuf();
  std::string bytes = read.str();
  HostPersist::MemoryStream stream(bytes, HostPersist::kProjectFileHeaderSize);
  Port::StringBase name;
  HostModel::Configuration modules;
  std::string error;
  ASSERT_EQ(stream.ReadString(name), 1);
  const std::size_t sectionAt = stream.ReadPosition();
  ASSERT_TRUE(HostPersist::ReadConfiguration(stream, path, modules, error)) << error;
  bytes.erase(sectionAt, stream.ReadPosition() - sectionAt);
  HostPersist::SealProjectFile(bytes);
  bytes[16] = 1;  // the format, then the checksum over everything after it
  const std::uint64_t sum = HostPersist::Checksum(bytes.data() + 16, bytes.size() - 16);
  for (int i = 0; i < 8; ++i) bytes[8 + i] = static_cast<char>(sum >> (8 * i));
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

/// The saver library's entry count; 0 while it is not loaded.
int SaverEntries() {
  void* handle = dlopen("libDpm_DesignData.so", RTLD_NOW | RTLD_NOLOAD);
  if (!handle) return 0;
  auto* count = reinterpret_cast<int (*)()>(dlsym(handle, "DesignDataEntryCount"));
  const int entries = count ? count() : -1;
  dlclose(handle);
  return entries;
}

bool SaverRegistered() {
  return CitP::Factory::IsRegistered(Port::XUID(Xuids::Class_AutonymSaver));
}

class HostServices : public ::testing::Test {
 protected:
  void SetUp() override { std::ofstream(m_dir + "/design.pxml") << kDescription; }
  void TearDown() override {
    EXPECT_EQ(HostModel::LiveObjects(), 0) << "a host object leaked";
    CitP::Factory::Shutdown();  // the next test starts with an empty registry
  }
  /// A new partition named `name`, added under `parent` in the open design.
  static CommonI::RefCountPtr<ZavU::IPartition> Probe(HostSession::Session& session,
                                                      const std::string& parent) {
    auto probe =
        CitP::Factory::CreateInstanceRef(Port::XUID(Xuids::ZorE_Partition)).As<ZavU::IPartition>();
    probe->SetHierarchicalName(Port::StringBase(parent + "/probe"));
    auto* project = HostProject::DesignProject::FromInterface(HostProject::CurrentProject());
    EXPECT_TRUE(project && project->AddPartition(probe.get(), session.Find(parent).get()));
    return probe;
  }
  /// Checks every row's answers in the open design.
  void ExpectRows(HostSession::Session& session, const std::string& route, bool formatOne = false) {
    for (const Row& row : kRows) {
      const char* expected = formatOne ? row.formatOneLocation : row.location;
      SCOPED_TRACE(route + ", under " + row.parent);
      auto info = Probe(session, row.parent).As<ZavU::IReconfigAssocInfo>();
      Port::StringBase name, location;
      EXPECT_TRUE(info->GetReconfigModuleName(&name));
      EXPECT_EQ(name.str(), row.moduleName);
      EXPECT_TRUE(info->GetReconfigModuleProjectLocation(&location));
      EXPECT_EQ(location.str(), *expected ? expected : m_dir);
    }
  }
  porttest::ScopedTempDir m_tmp;
  const std::string m_dir = m_tmp.path();
};

TEST_F(HostServices, BothRoutesGiveTheSameModulesAndLocations) {
  HostSession::Session session("test");
  ASSERT_TRUE(session.Start());
  ASSERT_TRUE(session.Open(m_dir + "/design.pxml"));
  // The description's design answers a project helper: route 1.
  Prjrep::AutoRelease<CitI::IInterface> helper;
  helper.Adopt(HostProject::CurrentProject()->GetHelper());
  EXPECT_TRUE(CitI::QueryAs<Dpm::IProjectHelper>(helper.get()));
  helper.Reset();
  ExpectRows(session, "description");
  EXPECT_FALSE(SaverRegistered()) << "route 1 never needs the saver";

  ASSERT_TRUE(session.Open(m_dir + "/design.pxml"));
  ASSERT_TRUE(session.Save(m_dir + "/design.prj"));
  ASSERT_TRUE(session.Open(m_dir + "/design.prj"));
  EXPECT_FALSE(SaverRegistered()) << "loaded at the first lookup that needs it";
  const int entries = SaverEntries();
  // The project file's design answers none: route 2, through the repository.
  EXPECT_EQ(HostProject::CurrentProject()->GetHelper(), nullptr);
  ExpectRows(session, "project file");
  EXPECT_TRUE(SaverRegistered());
  EXPECT_EQ(SaverEntries(), entries + 1) << "entered once for all the lookups";
  // No repository, or one of another host, keeps no configuration here.
  auto saver = CitP::Factory::CreateInstanceRef(Port::XUID(Xuids::Class_AutonymSaver))
                   .As<Prjrep::ISaveAutonym>();
  ASSERT_TRUE(saver);
  CitI::IInterface* none = saver.get();
  EXPECT_EQ(saver->GetConfiguration(nullptr, none), 0);
  EXPECT_EQ(none, nullptr);

  // The module's location is written back with the description.
  std::string text;
  ASSERT_TRUE(session.DescriptionText(text));
  EXPECT_NE(text.find(R"(ReconfigModuleLocation="/elsewhere/beta_impl" )"), std::string::npos)
      << text;
}

TEST_F(HostServices, FormatOneFileGivesItsReconfigurablePartitionsAsModules) {
  HostSession::Session session("test");
  ASSERT_TRUE(session.Start());
  ASSERT_TRUE(session.Open(m_dir + "/design.pxml") && session.Save(m_dir + "/design.prj"));
  MakeFormatOne(m_dir + "/design.prj");
  ASSERT_TRUE(session.Open(m_dir + "/design.prj"));
  ExpectRows(session, "format 1", true);
}

}  // namespace
