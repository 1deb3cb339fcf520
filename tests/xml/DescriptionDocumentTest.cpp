// Parsing description files: faults named by file, line and column, files
// that cannot be read, and hostile documents that fetch nothing and declare
// no entity to expand.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "persist/RegularFile.h"
#include "xml/DescriptionDocument.h"
#include "xml/XercesSession.h"

namespace {

using HostXml::DescriptionDocument;

class DescriptionDocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char name[] = "/tmp/hostxml.XXXXXX";
    ASSERT_TRUE(mkdtemp(name));
    m_dir = name;
  }
  void TearDown() override { std::filesystem::remove_all(m_dir); }
  std::string Write(const std::string& file, const std::string& text) const {
    std::ofstream(m_dir + "/" + file, std::ios::binary) << text;
    return m_dir + "/" + file;
  }

  HostXml::XercesSession m_xerces;
  std::string m_dir;
};

TEST_F(DescriptionDocumentTest, FaultsNameFileLineAndColumn) {
  const std::pair<const char*, const char*> cases[] = {
      {"<Project>\n  <Partition>\n</Project>\n", "demo.pxml:3:3: "},
      {"", "demo.pxml:1:1: "},
      {"<Project/><Project/>", "demo.pxml:1:"},
      {"<Project>&undeclared;</Project>", "demo.pxml:1:"},
  };
  for (const auto& [text, prefix] : cases) {
    std::string error;
    EXPECT_FALSE(DescriptionDocument::ParseText(text, "demo.pxml", error)) << text;
    EXPECT_EQ(error.rfind(prefix, 0), 0u) << error;
    EXPECT_GT(error.size(), std::string(prefix).size() + 2) << "the parser says what is wrong";
  }
  std::string error;
  EXPECT_FALSE(DescriptionDocument::ParseFile(m_dir + "/missing.pxml", error));
  EXPECT_EQ(error, "cannot read \"" + m_dir + "/missing.pxml\": No such file or directory");
  EXPECT_FALSE(DescriptionDocument::ParseFile(m_dir, error));
  EXPECT_EQ(error, "cannot read \"" + m_dir + "\": not a regular file");
  EXPECT_FALSE(DescriptionDocument::ParseFile("/dev/zero", error)) << "a device is never read";
  const std::string good = Write("good.pxml", "<Project/>");
  std::string head;
  ASSERT_TRUE(HostPersist::ReadRegularFile(good, head, error, 4)) << error;
  EXPECT_EQ(head, "<Pro");
  EXPECT_TRUE(DescriptionDocument::ParseFile(good, error)) << error;
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

}  // namespace
