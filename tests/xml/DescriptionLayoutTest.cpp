// Our host's file layout: the Project root, nested Partition elements and
// what makes a file not follow it.
#include <gtest/gtest.h>

#include <xercesc/util/XMLString.hpp>

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
  ASSERT_TRUE(Layout(R"(<Project Name="demo" FileVersion="2">
      <!-- the design -->
      <Partition Name="/top">
        <Partition Name="/top/a"><Pins><Pin Name="clk"/></Pins>
          <Partition Name="/top/a/x"/>
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
  const char* names[] = {"/top", "/top/a", "/top/a/x", "/top/b"};
  const int parents[] = {-1, 0, 1, 0};
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(layout.partitions[i].name, names[i]);
    EXPECT_EQ(layout.partitions[i].parent, parents[i]) << names[i];
    char* tag = XERCES_CPP_NAMESPACE::XMLString::transcode(
        layout.partitions[i].element->getAttribute(u"Name"));
    EXPECT_STREQ(tag, names[i]) << "each entry carries its own element";
    XERCES_CPP_NAMESPACE::XMLString::release(&tag);
  }
}

TEST_F(DescriptionLayoutTest, FileVersionIsItsLeadingWholeNumber) {
  struct Case {
    const char* text;
    bool ok;
    std::uint32_t version;
  };
  const Case cases[] = {{"", true, 1},     {"2", true, 2},   {"2.1", true, 2},
                        {"10b", true, 10}, {"0", true, 0},   {"99999999999", true, 4294967295u},
                        {"x2", false, 0},  {"-1", false, 0}, {" 2", false, 0}};
  for (const Case& c : cases) {
    std::uint32_t version = 77;
    EXPECT_EQ(HostXml::ParseFileVersion(c.text, version), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(version, c.version) << c.text;
    }
  }
  HostXml::DescriptionLayout layout;
  std::string error;
  ASSERT_TRUE(Layout(R"(<Project><Partition Name="/top"/></Project>)", layout, error));
  EXPECT_EQ(layout.formatVersion, 1u) << "a file that does not say is of format 1";
  EXPECT_FALSE(
      Layout(R"(<Project FileVersion="two"><Partition Name="/top"/></Project>)", layout, error));
  EXPECT_EQ(error, "d.pxml: FileVersion \"two\" is not a number");
}

TEST_F(DescriptionLayoutTest, FilesThatDoNotFollowTheLayout) {
  struct Case {
    const char* text;
    const char* error;
  };
  const Case cases[] = {
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
  };
  for (const Case& c : cases) {
    HostXml::DescriptionLayout layout;
    std::string error;
    EXPECT_FALSE(Layout(c.text, layout, error)) << c.text;
    EXPECT_EQ(error, c.error);
  }
}

}  // namespace
