#include "support/ZoreTest.h"

#include "ZavU/IPartitionHierarchy.h"
#include "framework/LiveObjects.h"

extern "C" void InstFactoryEntry();

namespace ZoreTest {

namespace {
/// Registers the library's factories once, and checks at the very end that
/// every component of the whole run was freed.
class LibraryEnvironment : public ::testing::Environment {
 public:
  void SetUp() override { InstFactoryEntry(); }
  void TearDown() override {
    EXPECT_EQ(ZorE::LiveComponents(), 0) << "components still alive at the end of the run";
  }
};
const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new LibraryEnvironment);
}  // namespace

void LeakCheckedTest::SetUp() { m_liveAtStart = ZorE::LiveComponents(); }
void LeakCheckedTest::TearDown() {
  EXPECT_EQ(ZorE::LiveComponents(), m_liveAtStart) << "a component reference leaked or was "
                                                      "released twice";
}

CapturingSink::CapturingSink() : m_previous(Port_MsgManData::SetSink(this)) {}
CapturingSink::~CapturingSink() { Port_MsgManData::SetSink(m_previous); }

std::vector<std::string> CapturingSink::Texts(Port_Severity severity) const {
  std::vector<std::string> texts;
  for (const Port_Message& m : messages) {
    if (m.severity == severity) texts.push_back(m.text);
  }
  return texts;
}

std::vector<std::string> CapturingSink::All() const {
  std::vector<std::string> texts;
  for (const Port_Message& m : messages) {
    if (m.severity != Port_Severity::Debug)
      texts.push_back(SeverityName(m.severity) + (": " + m.text));
  }
  return texts;
}

const char* SeverityName(Port_Severity severity) {
  static const char* const kNames[] = {"STATUS",   "INFO",  "WARNING", "ERROR",
                                       "INTERNAL", "FATAL", "DEBUG"};  // in Port_Severity's order
  return kNames[static_cast<int>(severity)];
}

void LinkProject(ZavU::IPartition* p, Dpm::IHDProject* project) {
  Prjrep::AutoRelease<Dpm::IHDProject> held;
  held.Share(project);
  EXPECT_EQ(CitI::QueryAs<ZavU::IPartitionHierarchySettable>(p)->SetHDProject(held), 1);
}

void LinkParent(ZavU::IPartition* p, ZavU::IPartition* parent) {
  EXPECT_EQ(CitI::QueryAs<ZavU::IPartitionHierarchySettable>(p)->SetParent(
                CommonI::RefCountPtr<ZavU::IPartition>(parent)),
            1);
}

int RefCount(CitI::IInterface* object) {
  int count = -1;
  CitI::QueryAs<CommonI::IRefCount>(object)->GetRefCount(count);
  return count;
}

std::vector<std::string> Drain(Dpm::IStringIterator* list) {
  std::vector<std::string> texts;
  for (list->First(); !list->IsDone(); list->Next()) {
    Port::StringBase text;
    list->CurrentItem()->GetText(text);
    texts.push_back(text.str());
  }
  delete list;
  return texts;
}

}  // namespace ZoreTest
