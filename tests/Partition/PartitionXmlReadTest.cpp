// Reading a partition's element of the partition description: attributes
// into fields and traits, the pins of its Pins children, and every message.
#include <gtest/gtest.h>

#include "Partition/FakeServices.h"
#include "Port/Exception.h"
#include "Prjrep/IPersist.h"
#include "ZavU/IXPartition.h"
#include "support/Probe.h"
#include "support/ScriptedStream.h"
#include "support/XmlDoc.h"
#include "support/ZoreTest.h"

namespace {

using ZoreTest::CapturingSink;
using ZoreTest::NewPartition;
using ZoreTest::XmlDoc;

class PartitionXmlRead : public ZoreTest::LeakCheckedTest {
 protected:
  /// Reads the first Partition element of `text` into `p`.
  static CitI::Status Read(const CommonI::RefCountPtr<ZavU::IPartition>& p, const std::string& text,
                           std::uint32_t checkFlag = 1, std::uint32_t formatVersion = 2) {
    XmlDoc doc(text);
    return p.As<ZavU::IXPartition>()->ReadXmlElement(doc.Find("Partition"), checkFlag,
                                                     formatVersion);
  }
  static std::vector<std::string> PinNames(const ZoreTest::PartitionProbe& own) {
    std::vector<std::string> names;
    for (const ZavU::PinRef& pin : own.Pins()) names.push_back(pin->GetName().str());
    return names;
  }
};

TEST_F(PartitionXmlRead, NoElementReadsNothing) {
  auto p = NewPartition();
  EXPECT_EQ(p.As<ZavU::IXPartition>()->ReadXmlElement(nullptr, 1, 2), 0);
  EXPECT_FALSE(p.As<ZavU::IXPartition>()->IsXmlDefined());
}

TEST_F(PartitionXmlRead, ElementWithoutAttributesGivesDefaults) {
  for (bool isRoot : {false, true}) {
    auto p = NewPartition();
    ZoreTest::PartitionProbe own(p);
    p->SetRoot(isRoot);
    // An unknown state leaves the import state as it was.
    ASSERT_EQ(Read(p, R"(<Partition State="import" ImportLocation="old" BoundaryOpt="old"
                                    ImportTag="old" Isolated="true"/>)"),
              1);
    CapturingSink sink;
    EXPECT_EQ(Read(p, "<Partition/>"), 1);
    EXPECT_EQ(sink.All(),
              std::vector<std::string>{"ERROR: Unknown Partition state value = \"\"\n"});
    EXPECT_TRUE(own.IsXmlDefined());
    EXPECT_TRUE(own.IsImport());
    EXPECT_EQ(own.ImportLocation().str(), "");
    EXPECT_EQ(own.BoundaryOpt().str(), "");
    EXPECT_EQ(own.ImportTag().str(), "");
    EXPECT_EQ(p->GetTrait("preserve").str(), isRoot ? "routing" : "inherit");
    EXPECT_EQ(own.Traits().count("preserve"), 1u) << "the default is stored, not only read";
    EXPECT_FALSE(p->IsReconfigurable());
    EXPECT_FALSE(p->IsIsolated());
    EXPECT_TRUE(own.Pins().empty());
  }
}

TEST_F(PartitionXmlRead, AttributesAndKeywords) {
  struct Case {
    const char* before;      // an element read first, or null
    const char* attributes;  // of the element read
    const char* state;       // "import" flag, location, boundary option, tag, reconfigurable,
                             // module name, isolated, as "1|loc|opt|tag|1|rm|1"
    const char* message;     // the one message, if any
  };
  const char* kActive =
      "WARNING: Partition XML state \"active\" is deprecated.  Please change the state to "
      "\"implement\".\n";
  const Case cases[] = {
      {nullptr, R"(State="import")", "1||||0||0", nullptr},
      {R"(State="import")", R"(State="implement")", "0||||0||0", nullptr},
      {R"(State="import")", R"(State="export")", "0||||0||0", nullptr},
      {R"(State="import")", R"(State="active")", "0||||0||0", kActive},
      {R"(State="import")", R"(State="ACTIVE")", "0||||0||0", kActive},
      {R"(State="import")", R"(State="imported")", "1||||0||0",
       "ERROR: Unknown Partition state value = \"imported\"\n"},
      {nullptr, R"(State="import" ImportLocation="../export" BoundaryOpt="all" ImportTag="v3")",
       "1|../export|all|v3|0||0", nullptr},
      // "NONE" names no tag; the location takes whatever the element says, and
      // an absent boundary option empties it.
      {R"(State="import" BoundaryOpt="all")",
       R"(State="import" ImportLocation="NONE" ImportTag="NONE")", "1|NONE|||0||0", nullptr},
      {nullptr,
       R"(State="implement" Reconfigurable="true" ReconfigModuleName="rm_a" Isolated="true")",
       "0||||1|rm_a|1", nullptr},
      // Not reconfigurable: the module name is not read at all; only the
      // keyword true counts.
      {R"(State="implement" Reconfigurable="true" ReconfigModuleName="rm_a")",
       R"(State="implement" Reconfigurable="yes" ReconfigModuleName="rm_b" Isolated="1")",
       "0||||0|rm_a|0", nullptr},
      // Keywords ignore the case of letters.
      {nullptr,
       R"(State="IMPORT" ImportTag="None" Reconfigurable="True" ReconfigModuleName="rm" )"
       R"(Isolated="TRUE")",
       "1||||1|rm|1", nullptr},
      {R"(State="import")", R"(State="Implement")", "0||||0||0", nullptr},
  };
  for (const Case& c : cases) {
    auto p = NewPartition();
    if (c.before) {
      ASSERT_EQ(Read(p, std::string("<Partition ") + c.before + "/>"), 1);
    }
    CapturingSink sink;
    EXPECT_EQ(Read(p, std::string("<Partition ") + c.attributes + "/>"), 1) << c.attributes;
    ZoreTest::PartitionProbe own(p);
    const std::string state = std::string(own.IsImport() ? "1" : "0") + "|" +
                              own.ImportLocation().str() + "|" + own.BoundaryOpt().str() + "|" +
                              own.ImportTag().str() + "|" + (p->IsReconfigurable() ? "1" : "0") +
                              "|" + own.ReconfigModuleName().str() + "|" +
                              (p->IsIsolated() ? "1" : "0");
    EXPECT_EQ(state, c.state) << c.attributes;
    EXPECT_EQ(p.As<ZavU::IXPartition>()->GetImportTag(), own.ImportTag());
    EXPECT_EQ(sink.All(),
              c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
        << c.attributes;
    for (const Port_Message& m : sink.messages) EXPECT_EQ(m.domain, "VudododirazaDoruviV");
  }
}

TEST_F(PartitionXmlRead, PreserveIsSetThroughTheTraitRules) {
  auto root = NewPartition();
  root->SetRoot(true);
  EXPECT_EQ(Read(root, R"(<Partition State="implement" Preserve="synthesis"/>)"), 1);
  EXPECT_EQ(root->GetTrait("preserve").str(), "synthesis");
  auto child = NewPartition();
  EXPECT_EQ(Read(child, R"(<Partition State="implement" Preserve="placement"/>)"), 1);
  EXPECT_EQ(child->GetTrait("preserve").str(), "placement");
  EXPECT_EQ(Read(child, R"(<Partition State="implement"/>)"), 1);
  EXPECT_EQ(child->GetTrait("preserve").str(), "inherit") << "overwrites what was set";
}

TEST_F(PartitionXmlRead, IllegalPreserveThrowsWithEarlierStepsApplied) {
  auto p = NewPartition();
  ZoreTest::PartitionProbe own(p);
  Read(p, R"(<Partition State="implement" Reconfigurable="true" ReconfigModuleName="kept"
                        Isolated="true"/>)");
  try {
    Read(p, R"(<Partition State="import" ImportLocation="../x" Preserve="Routing"
                          Reconfigurable="false" ReconfigModuleName="m" Isolated="false"/>)");
    ADD_FAILURE() << "an illegal preserve value must throw";
  } catch (const Port::Exception& e) {
    EXPECT_EQ(e.Message(), "Invalid Partition trait name/value <preserve/Routing>\n");
    EXPECT_EQ(e.Domain(), "VudododirazaDoruviV");
  }
  EXPECT_TRUE(own.IsXmlDefined());
  EXPECT_TRUE(own.IsImport());
  EXPECT_EQ(own.ImportLocation().str(), "../x");
  // The steps after the trait did not run.
  EXPECT_TRUE(own.IsReconfigurable());
  EXPECT_EQ(own.ReconfigModuleName().str(), "kept");
  EXPECT_TRUE(own.IsIsolated());

  auto root = NewPartition();
  root->SetRoot(true);
  EXPECT_THROW(Read(root, R"(<Partition State="implement" Preserve="inherit"/>)"), Port::Exception);
}

TEST_F(PartitionXmlRead, PinsTheRegistryCannotMakeAreSkipped) {
  auto p = NewPartition();
  {
    struct Restore {
      ~Restore() { FakeServices::RestoreRegistry(); }
    } restore;
    CapturingSink sink;
    CitP::Factory::Shutdown();
    EXPECT_EQ(Read(p, R"(<Partition State="implement"><Pins>
        <Pin Name="a"/><Pin Name="a"/></Pins></Partition>)"),
              1)
        << "each pin is skipped and the reading goes on; no pin, no duplicate";
    const std::string cannot =
        "ERROR: Can't create Partition Pin interface.  Partition Pin not "
        "loaded.\n";
    EXPECT_EQ(sink.All(), (std::vector<std::string>{cannot, cannot}));
    EXPECT_TRUE(ZoreTest::PartitionProbe(p).Pins().empty());
  }
}

TEST_F(PartitionXmlRead, PinsAreReadInDocumentOrderSkippingTextAndComments) {
  auto p = NewPartition();
  ZoreTest::PartitionProbe own(p);
  CapturingSink sink;
  EXPECT_EQ(Read(p, R"(<Partition State="implement">
      <Other><Pin Name="not_a_pin"/></Other>
      <Pins>
        <!-- clocks first -->
        <Pin Name="clk"/>
        text between pins
        <Pin Name="din"/><?processing instruction?>
      </Pins>
      <Pins/>
      <Pins><Pin Name="dout"/></Pins>
    </Partition>)"),
            1);
  EXPECT_TRUE(sink.All().empty());
  EXPECT_EQ(PinNames(own), (std::vector<std::string>{"clk", "din", "dout"}));
  EXPECT_TRUE(p->FindPartitionPin("din"));
}

TEST_F(PartitionXmlRead, MalformedPinListsAreFatalAndReadingStops) {
  struct Case {
    const char* pins;
    const char* message;
  };
  const Case cases[] = {
      {R"(<Pin Name="a"/><Port Name="b"/><Pin Name="c"/>)",
       "Unexpected node Port under the Pins element.\n"},
      {R"(<Pin Name="a"/><Pin/><Pin Name="c"/>)", "Missing pin Name attribute.\n"},
      {R"(<Pin Name="a"/><Pin Name=""/><Pin Name="c"/>)", "Missing pin Name attribute.\n"},
  };
  for (const Case& c : cases) {
    auto p = NewPartition();
    CapturingSink sink;
    EXPECT_EQ(Read(p, std::string("<Partition State=\"implement\"><Pins>") + c.pins +
                          "</Pins><Pins><Pin Name=\"d\"/></Pins></Partition>"),
              0)
        << c.pins;
    ASSERT_EQ(sink.messages.size(), 1u) << c.pins;
    EXPECT_EQ(sink.messages[0].severity, Port_Severity::Fatal);
    EXPECT_EQ(sink.messages[0].fatalCode, 2);
    EXPECT_EQ(sink.messages[0].text, c.message);
    EXPECT_EQ(PinNames(ZoreTest::PartitionProbe(p)), std::vector<std::string>{"a"})
        << "pins before the fault stay, nothing after it is read";
  }
}

TEST_F(PartitionXmlRead, DuplicatePinNamesAreRefused) {
  auto p = NewPartition();
  ZoreTest::PartitionProbe own(p);
  CapturingSink sink;
  EXPECT_EQ(Read(p, R"(<Partition State="implement"><Pins>
      <Pin Name="a"/><Pin Name="A"/><Pin Name="a"/><Pin Name="b"/></Pins></Partition>)"),
            0);
  EXPECT_EQ(sink.All(), std::vector<std::string>{"ERROR: Duplicate Partition Pin names <a>.\n"});
  EXPECT_EQ(PinNames(own), (std::vector<std::string>{"a", "A"}))
      << "names differing in case are different pins; pins after the duplicate are not read";

  // A name the partition already held, from a loaded record, is refused
  // alike; the pins the record replaced are gone.
  auto saved = NewPartition();
  ASSERT_EQ(saved->AddPartitionPin("clk"), 1);
  ZoreTest::ScriptedStream record;
  ASSERT_EQ(saved.As<Prjrep::IPersist>()->PersistSave(&record), 1);
  auto loaded = NewPartition();
  ASSERT_EQ(loaded->AddPartitionPin("old"), 1);
  ASSERT_TRUE(loaded->FindPartitionPin("old"));
  record.Rewind();
  ASSERT_EQ(loaded.As<Prjrep::IPersist>()->PersistLoad(&record), 1);
  sink.Clear();
  EXPECT_EQ(Read(loaded, R"(<Partition State="implement"><Pins><Pin Name="old"/>
      <Pin Name="clk"/><Pin Name="rst"/></Pins></Partition>)"),
            0);
  EXPECT_EQ(sink.All(), std::vector<std::string>{"ERROR: Duplicate Partition Pin names <clk>.\n"});
  EXPECT_EQ(PinNames(ZoreTest::PartitionProbe(loaded)), (std::vector<std::string>{"clk", "old"}));
}

TEST_F(PartitionXmlRead, LocationAttributesOnPinsUnderEachCheckSetting) {
  const std::string text = R"(<Partition State="implement"><Pins>
      <Pin Name="a" Site="S1"/><Pin Name="b"/></Pins></Partition>)";
  struct Case {
    std::uint32_t checkFlag;
    std::uint32_t formatVersion;
    bool refused;
  };
  // Every combination of the settings is checked on the pin itself; here the
  // partition's side: the refused pin is kept and the reading stops.
  const Case cases[] = {{1, 2, true}, {0, 2, false}};
  for (const Case& c : cases) {
    auto p = NewPartition();
    ZoreTest::PartitionProbe own(p);
    CapturingSink sink;
    EXPECT_EQ(Read(p, text, c.checkFlag, c.formatVersion), c.refused ? 0 : 1)
        << c.checkFlag << "/" << c.formatVersion;
    if (c.refused) {
      EXPECT_EQ(sink.All(),
                std::vector<std::string>{"ERROR: The \"Site\" attribute on Partition pins is no "
                                         "longer supported.  Please correct the xpartition.pxml "
                                         "file.\n"});
      EXPECT_EQ(PinNames(own), std::vector<std::string>{"a"}) << "the refused pin is kept";
    } else {
      EXPECT_TRUE(sink.All().empty());
      EXPECT_EQ(PinNames(own), (std::vector<std::string>{"a", "b"}));
    }
    EXPECT_EQ(ZoreTest::PinProbe(own.Pins()[0]).Site().str(), "") << "the Site is never stored";
  }
}

}  // namespace
