// Our host's file layout: the Project root, nested Partition elements, the
// format version, and what makes a file not follow the layout.
#include <gtest/gtest.h>

#include "xml/DescriptionDocument.h"
#include "xml/DescriptionLayout.h"
#include "xml/XercesSession.h"

namespace {

class DescriptionLayoutTest : public ::testing::Test {
 protected:
  /// Lays out `text`; the document stays alive in m_doc.
  bool Layout(const std::string& text, HostXml::DescriptionLayout& out, std::string& error) {
    m_doc = HostXml::DescriptionDocument::ParseText(text, "d.pxml", error);
    EXPECT_TRUE(m_doc) << error;
    return m_doc && HostXml::ReadLayout(m_doc->Root(), "d.pxml", out, error);
  }

  HostXml::XercesSession m_xerces;
  std::unique_ptr<HostXml::DescriptionDocument> m_doc;
};

TEST_F(DescriptionLayoutTest, PartitionsRootFirstDepthFirstInDocumentOrder) {
  HostXml::DescriptionLayout layout;
  std::string error;
  ASSERT_TRUE(Layout(R"(<Project Name="demo" FileVersion="2"> <!-- the design -->
      <Partition Name="/top">
        <Partition Name="/top/a"><Pins><Pin Name="clk"/></Pins><Partition Name="/top/a/x"/>
        </Partition>
        <Other><Partition Name="/not/a/child"/></Other>
        <Partition Name="/top/b"/>
      </Partition>
    </Project>)",
                     layout, error))
      << error;
  EXPECT_EQ(layout.projectName, "demo");
  EXPECT_EQ(layout.formatVersion, 2u);
  ASSERT_EQ(layout.partitions.size(), 4u);
  const std::pair<const char*, int> expected[] = {
      {"/top", -1}, {"/top/a", 0}, {"/top/a/x", 1}, {"/top/b", 0}};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(layout.partitions[i].name, expected[i].first);
    EXPECT_EQ(layout.partitions[i].parent, expected[i].second) << expected[i].first;
    const std::string name = expected[i].first;
    EXPECT_EQ(std::u16string(layout.partitions[i].element->getAttribute(u"Name")),
              std::u16string(name.begin(), name.end()))
        << "each entry carries its own element";
  }
}

TEST_F(DescriptionLayoutTest, FileVersionIsItsLeadingWholeNumber) {
  const struct {
    const char* text;
    bool ok;
    std::uint32_t version;
  } cases[] = {{"", true, 1},
               {"2.1", true, 2},
               {"10b", true, 10},
               {"0", true, 0},
               {"99999999999", true, 4294967295u},
               {"x2", false, 77},
               {" 2", false, 77}};
  for (const auto& c : cases) {
    std::uint32_t version = 77;
    EXPECT_EQ(HostXml::ParseFileVersion(c.text, version), c.ok) << c.text;
    EXPECT_EQ(version, c.version) << c.text;
  }
}

TEST_F(DescriptionLayoutTest, FilesThatDoNotFollowTheLayout) {
  const std::pair<const char*, const char*> cases[] = {
      {R"(<Design><Partition Name="/top"/></Design>)",
       "d.pxml: the root element is <Design>, not <Project>"},
      {R"(<Project Name="p"><Other/></Project>)", "d.pxml: no Partition element under <Project>"},
      {R"(<Project><Partition Name="/a"/><Partition Name="/b"/></Project>)",
       "d.pxml: more than one root partition (\"/a\" and \"/b\")"},
      {R"(<Project><Partition/></Project>)", "d.pxml: the root Partition element has no Name"},
      {R"(<Project><Partition Name="/top"><Partition Name=""/></Partition></Project>)",
       "d.pxml: a Partition element under \"/top\" has no Name"},
      {R"(<Project><Partition Name="/t"><Partition Name="/t/a"/><Partition Name="/t/a"/>
          </Partition></Project>)",
       "d.pxml: two partitions are named \"/t/a\""},
      {R"(<Project FileVersion="two"><Partition Name="/top"/></Project>)",
       "d.pxml: FileVersion \"two\" is not a number"},
  };
  for (const auto& [text, expected] : cases) {
    HostXml::DescriptionLayout layout;
    std::string error;
    EXPECT_FALSE(Layout(text, layout, error)) << text;
    EXPECT_EQ(error, expected);
  }
}

}  // namespace
