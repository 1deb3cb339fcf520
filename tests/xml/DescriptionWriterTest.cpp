// Writing a whole description from partitions (the exact text is compared in
// the end-to-end cases and the session's tests): a deep hierarchy written and
// laid out again without recursion, and a value XML 1.0 cannot carry refused
// by partition and attribute with nothing written.
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

using PartitionRef = CommonI::RefCountPtr<ZavU::IPartition>;

class DescriptionWriterTest : public ZoreTest::LeakCheckedTest {
 protected:
  PartitionRef Add(HostXml::DescriptionContent& content, const std::string& name, int parent) {
    PartitionRef p = ZoreTest::NewPartition();
    p->SetHierarchicalName(name.c_str());
    p->SetRoot(parent < 0);
    content.partitions.push_back({p, parent});
    return p;
  }
  HostXml::XercesSession m_xerces;
};

TEST_F(DescriptionWriterTest, DeepHierarchiesKeepLinesShortAndLayOutAgain) {
  constexpr int kDepth = 3000;
  HostXml::DescriptionContent content;
  for (int i = 0; i < kDepth; ++i) Add(content, "p" + std::to_string(i), i - 1);
  std::string text, error;
  ASSERT_TRUE(HostXml::WriteDescription(content, text, error)) << error;
  std::istringstream lines(text);
  std::size_t longest = 0;
  for (std::string line; std::getline(lines, line);) longest = std::max(longest, line.size());
  EXPECT_LT(longest, 200u) << "indentation stops growing";
  auto doc = HostXml::DescriptionDocument::ParseText(text, "deep.pxml", error);
  ASSERT_TRUE(doc) << error;
  HostXml::DescriptionLayout layout;
  ASSERT_TRUE(HostXml::ReadLayout(doc->Root(), "deep.pxml", layout, error)) << error;
  ASSERT_EQ(layout.partitions.size(), static_cast<std::size_t>(kDepth));
  EXPECT_EQ(layout.partitions.back().parent, kDepth - 2);
}

TEST_F(DescriptionWriterTest, ValuesXml10CannotCarryAreRefusedByName) {
  const std::string kCannot = "holds a character XML 1.0 cannot carry";
  const std::string kInU = "partition \"/top/u\": ";
  const struct {
    const char *project, *attribute, *value, *pin;
    std::string error;
  } cases[] = {
      {"demo", "ImportTag", "\x1f", "clk",
       kInU + "attribute \"ImportTag\" " + kCannot + " (byte 0 of its value)"},
      {"demo", "BoundaryOpt", "ok\xef\xbf\xbf", "clk",
       kInU + "attribute \"BoundaryOpt\" " + kCannot + " (byte 2 of its value)"},
      {"demo", "ImportTag", "fine", "d\x0b", kInU + "the name of pin 1 " + kCannot + " (byte 1)"},
      {"\xff", "ImportTag", "fine", "clk", "the project's name " + kCannot + " (byte 0)"},
  };
  for (const auto& c : cases) {
    HostXml::DescriptionContent content;
    content.projectName = c.project;
    Add(content, "/top", -1);
    PartitionRef u = Add(content, "/top/u", 0);
    HostXml::BuiltElement element("Partition");
    element.SetAttribute("State", "import");
    element.SetAttribute(c.attribute, c.value);
    ASSERT_EQ(u.As<ZavU::IXPartition>()->ReadXmlElement(element.Get(), 1, 2), 1);
    ASSERT_EQ(u->AddPartitionPin(c.pin), 1);
    std::string text = "untouched", error;
    EXPECT_FALSE(HostXml::WriteDescription(content, text, error)) << c.error;
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(text, "untouched");
  }
}

}  // namespace
