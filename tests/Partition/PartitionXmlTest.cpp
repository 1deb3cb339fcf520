// A partition's element of the partition description. Reading: attributes
// into fields and traits, the pins of its Pins children, and every message.
// Writing: each case reads an element, writes the attributes after what the
// host wrote, and reads the written element back into a fresh partition,
// which must write the same again.
#include <gtest/gtest.h>

#include "Partition/FakeServices.h"
#include "Port/Exception.h"
#include "ZavU/IXPartition.h"
#include "support/Probe.h"
#include "support/XmlDoc.h"
#include "support/ZoreTest.h"

namespace {

using namespace ZoreTest;

class PartitionXml : public LeakCheckedTest {};

/// Reads the first Partition element of `text` into `p`.
CitI::Status Read(const PartitionRef& p, const std::string& text, std::uint32_t checkFlag = 1) {
  XmlDoc doc(text);
  return p.As<ZavU::IXPartition>()->ReadXmlElement(doc.Find("Partition"), checkFlag, 2);
}

/// The partition's pin names in list order, as "a,b,".
std::string PinNames(const PartitionRef& p) {
  std::string names;
  for (const ZavU::PinRef& pin : PartitionProbe(p).Pins()) names += pin->GetName().str() + ",";
  return names;
}

/// An element in state implement holding one Pins child of `pins`, and `more`.
std::string WithPins(const std::string& pins, const std::string& more = "") {
  return "<Partition State=\"implement\"><Pins>" + pins + "</Pins>" + more + "</Partition>";
}

TEST_F(PartitionXml, AttributesAndKeywords) {
  struct Case {
    const char* before;      // attributes of an element read first
    const char* attributes;  // of the element read
    const char* state;       // import, location, boundary option, tag, reconfigurable,
                             // module name, isolated, preserve: "1|loc|opt|tag|1|rm|1|inherit"
    const char* message;     // the one message, if any
  };
  const char* kImport = R"(State="import")";
  const Case cases[] = {
      {kImport, R"(State="implement")", "0||||0||0|inherit", nullptr},
      {kImport, R"(State="export")", "0||||0||0|inherit", nullptr},
      {kImport, R"(State="active")", "0||||0||0|inherit",
       "WARNING: Partition XML state \"active\" is deprecated.  Please change the state to "
       "\"implement\".\n"},
      // An unknown state leaves the import state as it was; the rest is reset.
      {R"(State="import" ImportLocation="old" BoundaryOpt="old" ImportTag="old" Isolated="true" )"
       R"(Preserve="placement" Reconfigurable="true")",
       "", "1||||0||0|inherit", "ERROR: Unknown Partition state value = \"\"\n"},
      // "NONE" names no tag; the location takes whatever the element says.
      {R"(State="implement")", R"(State="import" ImportLocation="NONE" ImportTag="NONE")",
       "1|NONE|||0||0|inherit", nullptr},
      {R"(State="implement")",
       R"(State="import" ImportLocation="../x" BoundaryOpt="all" ImportTag="v3" Isolated="true")",
       "1|../x|all|v3|0||1|inherit", nullptr},
      // Not reconfigurable: the module name is not read; only the keyword true counts.
      {R"(State="implement" Reconfigurable="true" ReconfigModuleName="rm_a")",
       R"(State="implement" Reconfigurable="yes" ReconfigModuleName="rm_b" Isolated="1")",
       "0||||0|rm_a|0|inherit", nullptr},
      // Keywords ignore the case of letters.
      {R"(State="implement")",
       R"(State="IMPORT" ImportTag="None" Reconfigurable="True" ReconfigModuleName="rm" )"
       R"(Isolated="TRUE" Preserve="synthesis")",
       "1||||1|rm|1|synthesis", nullptr},
  };
  for (const Case& c : cases) {
    auto p = NewPartition();
    ASSERT_EQ(Read(p, std::string("<Partition ") + c.before + "/>"), 1);
    CapturingSink sink;
    EXPECT_EQ(Read(p, std::string("<Partition ") + c.attributes + "/>"), 1) << c.attributes;
    PartitionProbe own(p);
    const std::string state = std::string(own.IsImport() ? "1|" : "0|") +
                              own.ImportLocation().str() + "|" + own.BoundaryOpt().str() + "|" +
                              own.ImportTag().str() + (p->IsReconfigurable() ? "|1|" : "|0|") +
                              own.ReconfigModuleName().str() + (p->IsIsolated() ? "|1|" : "|0|") +
                              p->GetTrait("preserve").str();
    EXPECT_EQ(state, c.state) << c.attributes;
    EXPECT_EQ(p.As<ZavU::IXPartition>()->GetImportTag(), own.ImportTag());
    EXPECT_EQ(sink.All(), c.message ? Strings{c.message} : Strings{}) << c.attributes;
  }
}

TEST_F(PartitionXml, PreserveDefaultsByRootnessAndIsStored) {
  auto none = NewPartition();
  EXPECT_EQ(none.As<ZavU::IXPartition>()->ReadXmlElement(nullptr, 1, 2), 0);
  EXPECT_FALSE(none.As<ZavU::IXPartition>()->IsXmlDefined());
  auto root = NewPartition();
  root->SetRoot(true);
  EXPECT_EQ(Read(root, R"(<Partition State="implement"/>)"), 1);
  EXPECT_TRUE(root.As<ZavU::IXPartition>()->IsXmlDefined());
  EXPECT_EQ(root->GetTrait("preserve").str(), "routing");
  EXPECT_EQ(PartitionProbe(root).Traits().count("preserve"), 1u);
  EXPECT_THROW(Read(root, R"(<Partition State="implement" Preserve="inherit"/>)"), Port::Exception);
}

TEST_F(PartitionXml, PinsTheRegistryCannotMakeAreSkipped) {
  auto p = NewPartition();
  FakeServices::EmptiedRegistry emptied;
  CapturingSink sink;
  EXPECT_EQ(Read(p, WithPins(R"(<Pin Name="a"/><Pin Name="a"/>)")), 1);
  EXPECT_EQ(sink.All(), Strings(2,
                                "ERROR: Can't create Partition Pin interface.  Partition Pin "
                                "not loaded.\n"));
  EXPECT_EQ(PinNames(p), "");
}

// An unknown child of Pins, and the Site attribute without the pin check:
// tests/hdpart/cases/library_faults and pin_check.
TEST_F(PartitionXml, PinsInDocumentOrderUntilOneIsRefused) {
  struct Case {
    std::uint32_t checkFlag;
    const char* pins;
    const char* message;  // "" for none
    const char* kept;
  };
  const Case cases[] = {
      // Text, comments, other children and empty pin lists are skipped.
      {1,
       R"(<!--c--><Pin Name="a"/> text <Pin Name="b"/><?pi?></Pins><Other><Pin Name="x"/></Other>)"
       R"(<Pins/><Pins><Pin Name="c"/>)",
       "", "a,b,c,d,"},
      {1, R"(<Pin Name="a"/><Pin/><Pin Name="c"/>)", "FATAL: Missing pin Name attribute.\n", "a,"},
      {1, R"(<Pin Name="a"/><Pin Name=""/>)", "FATAL: Missing pin Name attribute.\n", "a,"},
      // Names differing in case are different pins.
      {1, R"(<Pin Name="a"/><Pin Name="A"/><Pin Name="a"/><Pin Name="b"/>)",
       "ERROR: Duplicate Partition Pin names <a>.\n", "a,A,"},
      // The refused pin is kept; the Site is never stored.
      {1, R"(<Pin Name="a" Site="S1"/><Pin Name="b"/>)",
       "ERROR: The \"Site\" attribute on Partition pins is no longer supported.  Please correct "
       "the xpartition.pxml file.\n",
       "a,"},
  };
  for (const Case& c : cases) {
    auto p = NewPartition();
    CapturingSink sink;
    EXPECT_EQ(Read(p, WithPins(c.pins, R"(<Pins><Pin Name="d"/></Pins>)"), c.checkFlag),
              *c.message ? 0 : 1)
        << c.pins;
    EXPECT_EQ(sink.All(), *c.message ? Strings{c.message} : Strings{}) << c.pins;
    for (const Port_Message& m : sink.messages) {
      EXPECT_EQ(m.fatalCode, m.severity == Port_Severity::Fatal ? 2 : 0);
    }
    EXPECT_EQ(PinNames(p), c.kept) << c.pins;
    EXPECT_EQ(PinProbe(PartitionProbe(p).Pins()[0]).Site().str(), "");
    EXPECT_TRUE(p->FindPartitionPin("a")) << "read pins are found";
  }
}

constexpr const char* kHostPart = "<Partition Name=\"/top/u1\" ";

std::string Written(const PartitionRef& p) {
  Port::StringBase text(kHostPart);
  EXPECT_EQ(p.As<ZavU::IXPartition>()->WriteXmlAttributes(text), 1);
  return text.str();
}

/// A partition of the given rootness that read `element`.
PartitionRef ReadNew(const std::string& element, bool isRoot) {
  auto p = NewPartition();
  p->SetRoot(isRoot);
  EXPECT_EQ(Read(p, element), 1) << element;
  return p;
}

TEST_F(PartitionXml, WrittenAttributesFollowWhatWasReadAndReadBackAlike) {
  EXPECT_EQ(Written(NewPartition()),
            std::string(kHostPart) + "State=\"implement\" ImportLocation=\"NONE\" >\n");
  struct Case {
    bool isRoot;
    const char* attributes;  // of the element read
    const char* written;
  };
  const Case cases[] = {
      // The location follows the import state.
      {false, R"(State="implement" ImportLocation="../export")",
       R"(State="implement" ImportLocation="NONE" >)"},
      // A reconfigurable partition writes its module name even when empty;
      // another never writes one.
      {false, R"(State="implement" Reconfigurable="true")",
       R"(State="implement" ImportLocation="NONE" Reconfigurable="true" ReconfigModuleName="" >)"},
      {false, R"(State="implement" ReconfigModuleName="rm")",
       R"(State="implement" ImportLocation="NONE" >)"},
      // Preserve is left out only at the description's default.
      {true, R"(State="implement" Preserve="routing")",
       R"(State="implement" ImportLocation="NONE" >)"},
      {false, R"(State="implement" Preserve="routing")",
       R"(State="implement" ImportLocation="NONE" Preserve="routing" >)"},
      {true, R"(State="implement" Preserve="synthesis")",
       R"(State="implement" ImportLocation="NONE" Preserve="synthesis" >)"},
      // Markup characters are escaped; an apostrophe cannot end a value in
      // double quotes.
      {false, R"(State="import" ImportLocation="a&quot;b&amp;c&lt;d&gt;e" BoundaryOpt="it's")",
       R"(State="import" ImportLocation="a&quot;b&amp;c&lt;d&gt;e" BoundaryOpt="it's" >)"},
  };
  for (const Case& c : cases) {
    auto p = ReadNew(std::string("<Partition ") + c.attributes + "/>", c.isRoot);
    const std::string written = Written(p);
    EXPECT_EQ(written, kHostPart + std::string(c.written) + "\n") << c.attributes;
    auto back = ReadNew(written + "</Partition>", c.isRoot);
    EXPECT_EQ(Written(back), written) << c.attributes;
    EXPECT_EQ(back->GetTrait("preserve"), p->GetTrait("preserve")) << c.attributes;
  }
}

}  // namespace
