// Writing a whole description from partitions, and reading it back; a deep
// hierarchy is written and laid out again without recursion; a value XML 1.0
// cannot carry is refused by partition and attribute.
#include <gtest/gtest.h>

#include <sstream>

#include "ZavU/IXPartition.h"
#include "support/ZoreTest.h"
#include "xml/BuiltElement.h"
#include "xml/DescriptionDocument.h"
#include "xml/DescriptionLayout.h"
#include "xml/DescriptionWriter.h"
#include "xml/XercesSession.h"

namespace {

using ZoreTest::NewPartition;
using PartitionRef = CommonI::RefCountPtr<ZavU::IPartition>;

class DescriptionWriterTest : public ZoreTest::LeakCheckedTest {
 protected:
  PartitionRef Add(HostXml::DescriptionContent& content, const char* name, int parent) {
    PartitionRef p = NewPartition();
    p->SetHierarchicalName(name);
    p->SetRoot(parent < 0);
    content.partitions.push_back({p, parent});
    return p;
  }
  static std::string Written(const HostXml::DescriptionContent& content) {
    std::string text;
    std::string error;
    EXPECT_TRUE(HostXml::WriteDescription(content, text, error)) << error;
    return text;
  }
  /// Gives `p` the attributes of an element built from `attributes`.
  static void Read(const PartitionRef& p,
                   std::initializer_list<std::pair<const char*, const char*>> attributes) {
    HostXml::BuiltElement element("Partition");
    for (const auto& [name, value] : attributes) element.SetAttribute(name, value);
    ASSERT_EQ(p.As<ZavU::IXPartition>()->ReadXmlElement(element.Get(), 1, 2), 1);
  }
  static std::size_t PinCount(const PartitionRef& p) {
    std::size_t count = 0;
    auto pins = p->GetPartitionPins();
    for (pins->First(); !pins->IsDone(); pins->Next()) ++count;
    return count;
  }
  static std::string Attributes(const PartitionRef& p) {
    Port::StringBase text;
    p.As<ZavU::IXPartition>()->WriteXmlAttributes(text);
    return text.str();
  }

  HostXml::XercesSession m_xerces;
};

TEST_F(DescriptionWriterTest, WritesTheLayoutWithNamesEscaped) {
  HostXml::DescriptionContent content;
  content.projectName = "a<b>&\"c\"";
  Add(content, "/top", -1);
  PartitionRef child = Add(content, "/top/u&1", 0);
  ASSERT_EQ(child->AddPartitionPin("clk"), 1);
  ASSERT_EQ(child->AddPartitionPin("d\"q<0>"), 1);
  Add(content, "/top/u2", 0);
  EXPECT_EQ(Written(content),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<Project FileVersion=\"2\" Name=\"a&lt;b&gt;&amp;&quot;c&quot;\">\n"
            "  <Partition Name=\"/top\" State=\"implement\" ImportLocation=\"NONE\" >\n"
            "    <Partition Name=\"/top/u&amp;1\" State=\"implement\" ImportLocation=\"NONE\" >\n"
            "      <Pins>\n"
            "        <Pin Name=\"clk\"/>\n"
            "        <Pin Name=\"d&quot;q&lt;0&gt;\"/>\n"
            "      </Pins>\n"
            "    </Partition>\n"
            "    <Partition Name=\"/top/u2\" State=\"implement\" ImportLocation=\"NONE\" >\n"
            "    </Partition>\n"
            "  </Partition>\n"
            "</Project>\n");
}

TEST_F(DescriptionWriterTest, WrittenTextReadsBackToTheSamePartitions) {
  HostXml::DescriptionContent content;
  content.projectName = "demo";
  PartitionRef top = Add(content, "/top", -1);
  PartitionRef a = Add(content, "/top/a", 0);
  PartitionRef x = Add(content, "/top/a/x", 1);
  PartitionRef b = Add(content, "/top/b", 0);
  ASSERT_EQ(top->SetTrait("preserve", "synthesis", true), 1);
  Read(a, {{"State", "import"},
           {"ImportLocation", "../exp & \"old\"\t\n\r"},
           {"BoundaryOpt", "none"},
           {"ImportTag", "v<2>"},
           {"Isolated", "true"}});
  ASSERT_EQ(x->AddPartitionPin("clk"), 1);
  ASSERT_EQ(x->AddPartitionPin("rst&n"), 1);
  ASSERT_EQ(b->SetTrait("preserve", "placement", true), 1);

  const std::string text = Written(content);
  EXPECT_NE(text.find("ImportLocation=\"../exp &amp; &quot;old&quot;&#9;&#10;&#13;\""),
            std::string::npos)
      << text;
  std::string error;
  auto doc = HostXml::DescriptionDocument::ParseText(text, "w.pxml", error);
  ASSERT_TRUE(doc) << error << "\n" << text;
  HostXml::DescriptionLayout layout;
  ASSERT_TRUE(HostXml::ReadLayout(doc->Root(), "w.pxml", layout, error)) << error;
  EXPECT_EQ(layout.projectName, "demo");
  EXPECT_EQ(layout.formatVersion, 2u);
  ASSERT_EQ(layout.partitions.size(), content.partitions.size());
  for (std::size_t i = 0; i < layout.partitions.size(); ++i) {
    const PartitionRef& original = content.partitions[i].partition;
    EXPECT_EQ(layout.partitions[i].name, original->GetHierarchicalName().str());
    EXPECT_EQ(layout.partitions[i].parent, content.partitions[i].parent);
    PartitionRef back = NewPartition();
    back->SetRoot(layout.partitions[i].parent < 0);
    ASSERT_EQ(back.As<ZavU::IXPartition>()->ReadXmlElement(layout.partitions[i].element, 1, 2), 1);
    EXPECT_EQ(Attributes(back), Attributes(original)) << layout.partitions[i].name;
    EXPECT_EQ(PinCount(back), PinCount(original));
  }
  EXPECT_EQ(PinCount(x), 2u);
}

TEST_F(DescriptionWriterTest, DeepHierarchiesKeepLinesShort) {
  constexpr int kDepth = 3000;
  HostXml::DescriptionContent content;
  for (int i = 0; i < kDepth; ++i) Add(content, ("p" + std::to_string(i)).c_str(), i - 1);
  const std::string text = Written(content);
  std::istringstream lines(text);
  std::size_t longest = 0;
  int partitionStarts = 0;
  for (std::string line; std::getline(lines, line);) {
    longest = std::max(longest, line.size());
    if (line.find("<Partition ") != std::string::npos) ++partitionStarts;
  }
  EXPECT_EQ(partitionStarts, kDepth);
  EXPECT_LT(longest, 200u) << "indentation stops growing";
  std::string error;
  auto doc = HostXml::DescriptionDocument::ParseText(text, "deep.pxml", error);
  ASSERT_TRUE(doc) << error;
  HostXml::DescriptionLayout layout;
  ASSERT_TRUE(HostXml::ReadLayout(doc->Root(), "deep.pxml", layout, error)) << error;
  EXPECT_EQ(layout.partitions.size(), static_cast<std::size_t>(kDepth));
}

TEST_F(DescriptionWriterTest, ValuesXml10CannotCarryAreRefusedByName) {
  struct Case {
    const char* where;  // which value holds the character
    const char* value;
    const char* error;
  };
  const Case cases[] = {
      {"ImportLocation", "a\x01b",
       "partition \"/top/u\": attribute \"ImportLocation\" holds a character XML 1.0 cannot "
       "carry (byte 1 of its value)"},
      {"ImportTag", "\x1f",
       "partition \"/top/u\": attribute \"ImportTag\" holds a character XML 1.0 cannot carry "
       "(byte 0 of its value)"},
      {"BoundaryOpt", "ok\xef\xbf\xbf",
       "partition \"/top/u\": attribute \"BoundaryOpt\" holds a character XML 1.0 cannot "
       "carry (byte 2 of its value)"},
      {"pin", "d\x0b",
       "partition \"/top/u\": the name of pin 1 holds a character XML 1.0 cannot carry (byte 1)"},
      {"project", "\xff", "the project's name holds a character XML 1.0 cannot carry (byte 0)"},
  };
  for (const Case& c : cases) {
    HostXml::DescriptionContent content;
    content.projectName = std::string(c.where) == "project" ? c.value : "demo";
    Add(content, "/top", -1);
    PartitionRef u = Add(content, "/top/u", 0);
    Read(u, {{"State", "import"}, {"ImportLocation", "../x"}});
    if (std::string(c.where) == "pin") {
      ASSERT_EQ(u->AddPartitionPin(c.value), 1);
    } else if (std::string(c.where) != "project") {
      Read(u, {{"State", "import"}, {c.where, c.value}});
    }
    std::string text = "untouched";
    std::string error;
    EXPECT_FALSE(HostXml::WriteDescription(content, text, error)) << c.where;
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(text, "untouched");
  }
}

}  // namespace
