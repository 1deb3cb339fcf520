// Parsing description files: faults named by file, line and column, and
// hostile documents that fetch nothing and declare no entity to expand.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/util/XMLString.hpp>

#include "xml/DescriptionDocument.h"
#include "xml/XercesSession.h"

namespace {

using HostXml::DescriptionDocument;

/// A temporary directory for the test's files, removed with them.
class TempDir {
 public:
  TempDir() {
    char name[] = "/tmp/hostxml.XXXXXX";
    m_path = mkdtemp(name) ? name : "";
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  std::string Write(const std::string& file, const std::string& text) const {
    const std::string path = m_path + "/" + file;
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
  const std::string& Path() const { return m_path; }

 private:
  std::string m_path;
};

std::string Text(const XMLCh* text) {
  char* bytes = XERCES_CPP_NAMESPACE::XMLString::transcode(text);
  std::string out = bytes;
  XERCES_CPP_NAMESPACE::XMLString::release(&bytes);
  return out;
}

class DescriptionDocumentTest : public ::testing::Test {
 protected:
  HostXml::XercesSession m_xerces;
};

TEST_F(DescriptionDocumentTest, FaultsNameFileLineAndColumn) {
  struct Case {
    const char* text;
    const char* prefix;
  };
  const Case cases[] = {
      {"<Project>\n  <Partition>\n</Project>\n", "demo.pxml:3:3: "},
      {"<Project Name=\"x></Project>", "demo.pxml:1:"},
      {"", "demo.pxml:1:1: "},
      {"<Project/><Project/>", "demo.pxml:1:"},
      {"<Project>&undeclared;</Project>", "demo.pxml:1:"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(DescriptionDocument::ParseText(c.text, "demo.pxml", error)) << c.text;
    EXPECT_EQ(error.rfind(c.prefix, 0), 0u) << error;
    EXPECT_GT(error.size(), std::string(c.prefix).size() + 2) << "the parser says what is wrong";
  }
}

TEST_F(DescriptionDocumentTest, DocumentTypesThatDeclareEntitiesAreRefused) {
  TempDir dir;
  const std::string secret = dir.Write("secret.txt", "SECRET-CONTENTS");
  // Ten levels of ten references each would expand ten billion times.
  std::string laughs = "<!DOCTYPE Project [<!ENTITY l0 \"lol\">";
  for (int level = 1; level <= 10; ++level) {
    laughs += "<!ENTITY l" + std::to_string(level) + " \"";
    for (int i = 0; i < 10; ++i) laughs += "&l" + std::to_string(level - 1) + ";";
    laughs += "\">";
  }
  laughs += "]>\n<Project Name=\"&l10;\"/>";
  struct Case {
    std::string text;
    const char* entity;
  };
  const Case cases[] = {
      {laughs, "l0"},
      {"<!DOCTYPE Project [<!ENTITY top \"/top\">]>\n<Project Name=\"&top;/u1\"/>", "top"},
      {"<!DOCTYPE Project [<!ENTITY e SYSTEM \"file://" + secret + "\">]>\n<Project>&e;</Project>",
       "e"},
      {"<!DOCTYPE Project [<!ENTITY % p \"x\">]>\n<Project/>", "p"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(DescriptionDocument::ParseText(c.text, "hostile.pxml", error)) << c.text;
    EXPECT_EQ(error, std::string("hostile.pxml: the document type declares entity \"") + c.entity +
                         "\"; a description declares none");
  }

  // A document type without declarations is harmless, and an external DTD
  // is not loaded at all: the document stands on its own.
  const std::string dtd = dir.Write("p.dtd", "<!ENTITY fromdtd \"DTD-TEXT\">");
  std::string error;
  auto doc = DescriptionDocument::ParseText(
      "<!DOCTYPE Project SYSTEM \"file://" + dtd + "\">\n<Project Name=\"x\"/>", "dtd.pxml", error);
  ASSERT_TRUE(doc) << error;
  EXPECT_EQ(Text(doc->Root()->getAttribute(u"Name")), "x");
}

TEST_F(DescriptionDocumentTest, FilesThatCannotBeRead) {
  TempDir dir;
  std::string error;
  EXPECT_FALSE(DescriptionDocument::ParseFile(dir.Path() + "/missing.pxml", error));
  EXPECT_EQ(error, "cannot read " + dir.Path() + "/missing.pxml: No such file or directory");
  EXPECT_FALSE(DescriptionDocument::ParseFile(dir.Path(), error));
  EXPECT_EQ(error, "cannot read " + dir.Path() + ": not a regular file");
  EXPECT_FALSE(DescriptionDocument::ParseFile("/dev/zero", error)) << "a device is never read";

  const std::string good = dir.Write("good.pxml", "<Project/>");
  std::string head;
  ASSERT_TRUE(HostXml::ReadFileHead(good, 4, head, error)) << error;
  EXPECT_EQ(head, "<Pro");
  EXPECT_TRUE(DescriptionDocument::ParseFile(good, error)) << error;
}

}  // namespace
