// Writing a whole description from partitions, and reading it back; a deep
// hierarchy is written and laid out again without recursion.
#include <gtest/gtest.h>

#include <sstream>

#include "ZavU/IXPartition.h"
#include "support/Probe.h"
#include "support/XmlDoc.h"
#include "support/ZoreTest.h"
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
  EXPECT_EQ(HostXml::WriteDescription(content),
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
  {
    ZoreTest::XmlDoc element(
        R"(<Partition State="import" ImportLocation="../exp &amp; &quot;old&quot;"
                                          BoundaryOpt="none" ImportTag="v&lt;2&gt;" Isolated="true"/>)");
    ASSERT_EQ(a.As<ZavU::IXPartition>()->ReadXmlElement(element.Root(), 1, 2), 1);
  }
  ASSERT_EQ(x->AddPartitionPin("clk"), 1);
  ASSERT_EQ(x->AddPartitionPin("rst&n"), 1);
  ASSERT_EQ(b->SetTrait("preserve", "placement", true), 1);

  const std::string text = HostXml::WriteDescription(content);
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
    EXPECT_EQ(ZoreTest::PartitionProbe(back).Pins().size(),
              ZoreTest::PartitionProbe(original).Pins().size());
  }
  EXPECT_EQ(ZoreTest::PartitionProbe(x).Pins().size(), 2u);
}

TEST_F(DescriptionWriterTest, DeepHierarchiesKeepLinesShort) {
  constexpr int kDepth = 3000;
  HostXml::DescriptionContent content;
  for (int i = 0; i < kDepth; ++i) Add(content, ("p" + std::to_string(i)).c_str(), i - 1);
  const std::string text = HostXml::WriteDescription(content);
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

}  // namespace
