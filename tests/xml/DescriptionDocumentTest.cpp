// Parsing description files and laying them out: faults named by file, line
// and column, hostile documents that fetch nothing and declare no entity to
// expand, the format version and files that do not follow our host's layout.
#include <gtest/gtest.h>

#include <vector>

#include "portability/TestSupport.h"
#include "xml/DescriptionDocument.h"
#include "xml/DescriptionLayout.h"
#include "xml/XercesSession.h"

namespace {

using HostXml::DescriptionDocument;

class DescriptionDocumentTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& file, const std::string& text) const {
    porttest::WriteFile(m_dir / file, text);
    return m_dir / file;
  }
  /// Lays out `text`; the document stays alive in m_doc.
  bool Layout(const std::string& text, HostXml::DescriptionLayout& out, std::string& error) {
    m_doc = DescriptionDocument::ParseText(text, "d.pxml", error);
    EXPECT_TRUE(m_doc) << error;
    return m_doc && HostXml::ReadLayout(m_doc->Root(), "d.pxml", out, error);
  }

  HostXml::XercesSession m_xerces;
  porttest::ScopedTempDir m_dir;
  std::unique_ptr<DescriptionDocument> m_doc;
};

TEST_F(DescriptionDocumentTest, FaultsNameFileLineAndColumn) {
  const std::pair<const char*, const char*> cases[] = {
      {"<Project>\n  <Partition>\n</Project>\n", "demo.pxml:3:3: "},
      {"", "demo.pxml:1:1: "},
      {"<Project/><Project/>", "demo.pxml:1:"},
      {"<Project>&undeclared;</Project>", "demo.pxml:1:"},
      // Text between elements is not kept, but it is still checked.
      {"<Project>\n  a & b\n</Project>", "demo.pxml:2:"},
      {"<Project><!-- a -- b --></Project>", "demo.pxml:1:"},
  };
  for (const auto& [text, prefix] : cases) {
    std::string error;
    EXPECT_FALSE(DescriptionDocument::ParseText(text, "demo.pxml", error)) << text;
    EXPECT_EQ(error.rfind(prefix, 0), 0u) << error;
    EXPECT_GT(error.size(), std::string(prefix).size() + 2) << "the parser says what is wrong";
  }
}

TEST_F(DescriptionDocumentTest, DocumentTypesThatDeclareEntitiesAreRefused) {
  // Ten levels of ten references each would expand ten billion times.
  std::string laughs = "<!DOCTYPE Project [<!ENTITY l0 \"lol\">";
  for (int level = 1; level <= 10; ++level) {
    const std::string below = "&l" + std::to_string(level - 1) + ";";
    laughs += "<!ENTITY l" + std::to_string(level) + " \"";
    for (int i = 0; i < 10; ++i) laughs += below;
    laughs += "\">";
  }
  const std::string secret = Write("secret.txt", "SECRET-CONTENTS");
  const std::pair<std::string, const char*> cases[] = {
      {laughs + "]>\n<Project Name=\"&l10;\"/>", "l0"},
      {"<!DOCTYPE Project [<!ENTITY e SYSTEM \"file://" + secret + "\">]>\n<Project>&e;</Project>",
       "e"},
      {"<!DOCTYPE Project [<!ENTITY % p \"x\">]>\n<Project/>", "p"},
  };
  for (const auto& [text, entity] : cases) {
    std::string error;
    EXPECT_FALSE(DescriptionDocument::ParseText(text, "hostile.pxml", error)) << text;
    EXPECT_EQ(error, std::string("hostile.pxml: the document type declares entity \"") + entity +
                         "\"; a description declares none");
  }
  // A document type without declarations is harmless, and an external DTD is
  // never loaded.
  const std::string dtd = Write("p.dtd", "<!ENTITY fromdtd \"DTD-TEXT\">");
  std::string error;
  EXPECT_TRUE(DescriptionDocument::ParseText(
      "<!DOCTYPE Project SYSTEM \"file://" + dtd + "\">\n<Project/>", "dtd.pxml", error))
      << error;
}

TEST_F(DescriptionDocumentTest, FileVersionIsItsLeadingWholeNumber) {
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

TEST_F(DescriptionDocumentTest, FilesThatDoNotFollowTheLayout) {
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

TEST_F(DescriptionDocumentTest, EveryElementsStartInDocumentOrderWhenAsked) {
  // Each start is where the element's "<" stands, whatever came before it:
  // the declaration, a comment, text, another start or end tag.
  const struct {
    const char* text;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> starts;
  } cases[] = {
      {"<Project/>", {{1, 1}}},
      {"<?xml version=\"1.0\"?>\n<Project>\n  <Partition Name=\"/t\">\n"
       "    <Pins><Pin Name=\"a\"/><Pin\n Name=\"b\"/></Pins>\n  </Partition>\n</Project>\n",
       {{2, 1}, {3, 3}, {4, 5}, {4, 11}, {4, 26}}},
      {"<Project><!-- c --><Other><x/></Other><Partition Name=\"/t\"/></Project>",
       {{1, 1}, {1, 20}, {1, 27}, {1, 39}}},
  };
  for (const auto& c : cases) {
    std::string error;
    const auto every =
        DescriptionDocument::ParseText(c.text, "d.pxml", error, HostXml::KeptStarts::EveryElement);
    ASSERT_TRUE(every) << error;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> starts;
    for (const HostXml::ElementPosition& start : every->ElementStarts()) {
      starts.emplace_back(start.line, start.column);
    }
    EXPECT_EQ(starts, c.starts) << c.text;
    // By default only the Partition elements' starts are kept.
    const auto partitions = DescriptionDocument::ParseText(c.text, "d.pxml", error);
    ASSERT_TRUE(partitions) << error;
    EXPECT_TRUE(partitions->ElementStarts().empty()) << c.text;
  }
}

}  // namespace
