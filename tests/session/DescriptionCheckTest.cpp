// The description check: each kind of finding, where it is placed, what it
// names, and what it leaves alone; the nearest known name offered for an
// unknown one. (The command end to end: tests/hdpart/cases/check_*.)
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "Port/MsgMan.h"
#include "portability/TestSupport.h"
#include "session/DescriptionCheck.h"
#include "session/NearestName.h"
#include "session/Session.h"

namespace {

using HostSession::Finding;
using HostSession::FindingKind;

/// A finding in one line: kind, line:column, partition (or "-") and pin,
/// then what its kind names.
std::string Describe(const Finding& f) {
  std::string text = std::string(HostSession::KindName(f.kind)) + " " + std::to_string(f.line) +
                     ":" + std::to_string(f.column) + " " + f.partition.value_or("-");
  if (f.pin) text += "," + *f.pin;
  switch (f.kind) {
    case FindingKind::UnknownAttribute:
      text += " <" + f.element + "> " + f.attribute + "->" + f.suggestion.value_or("?");
      break;
    case FindingKind::NotBoolean:
      text += " " + f.attribute + "=" + f.value;
      break;
    case FindingKind::NotUnderParent:
      text += " in " + f.parent;
      break;
    case FindingKind::NameTwice:
      text += " first " + std::to_string(f.firstLine) + ":" + std::to_string(f.firstColumn);
      break;
    case FindingKind::ImportLocation:
      text += " [" + f.location + "]";
      break;
    case FindingKind::SeveralImportFiles:
      text += " [" + f.location + "] " + f.pattern + ":";
      for (const std::string& file : f.files) text += " " + file;
      break;
    case FindingKind::RelativeName:
    case FindingKind::ReconfigurableRoot:
    case FindingKind::NoName:
      text += " <" + f.element + ">";
      break;
  }
  return text;
}

class DescriptionCheckTest : public ::testing::Test {
 protected:
  /// The findings on a description of `body` (the Project element's
  /// content, from line 2 on), described.
  std::vector<std::string> Check(const std::string& body) {
    const std::string path = m_dir / "d.pxml";
    porttest::WriteFile(path, "<Project Name=\"p\">\n" + body + "</Project>\n");
    std::vector<Finding> findings;
    EXPECT_TRUE(HostSession::CheckDescription(m_session, path, findings)) << body;
    std::vector<std::string> described;
    for (const Finding& finding : findings) {
      described.push_back(Describe(finding));
      EXPECT_FALSE(finding.message.empty());
    }
    return described;
  }
  void Touch(const std::string& name) const { porttest::WriteFile(m_dir / name, ""); }

  HostSession::Session m_session{"test"};
  porttest::ScopedTempDir m_dir;
};

using Strings = std::vector<std::string>;

TEST_F(DescriptionCheckTest, EachFindingAtItsElement) {
  const struct {
    const char* body;
    Strings findings;
  } cases[] = {
      // Unknown attributes on every element of the layout, an element's in
      // name order, with the nearest known name when one is close; elements
      // outside the layout are not looked at.
      {"<Partition Name=\"/t\" Perserve=\"routing\" Isolate=\"true\" Colour=\"red\">\n"
       " <Pins Count=\"1\"><Pin name=\"a\" Name=\"b\"/><Pin Name=\"c\" Bind=\"x\"/></Pins>\n"
       " <Other Perserve=\"x\"><Pin Nme=\"d\"/></Other>\n"
       "</Partition>\n",
       {"unknown-attribute 2:1 /t <Partition> Colour->?",
        "unknown-attribute 2:1 /t <Partition> Isolate->Isolated",
        "unknown-attribute 2:1 /t <Partition> Perserve->Preserve",
        "unknown-attribute 3:2 /t <Pins> Count->?", "unknown-attribute 3:18 /t,b <Pin> name->Name",
        "unknown-attribute 3:42 /t,c <Pin> Bind->?"}},
      // Every attribute the description knows.
      {"<Partition Name=\"/t\" State=\"implement\" ImportLocation=\"NONE\" BoundaryOpt=\"none\"\n"
       " ImportTag=\"v1\" Preserve=\"routing\" Reconfigurable=\"false\" ReconfigModuleName=\"m\"\n"
       " Isolated=\"true\" ReconfigModuleLocation=\"l\">\n"
       " <Pins><Pin Name=\"a\" Site=\"s\" Binding=\"b\" BelSite=\"x\" BelPin=\"y\"/></Pins>\n"
       "</Partition>\n",
       {}},
      // Flags are true or false, in any case.
      {"<Partition Name=\"/t\">\n"
       " <Partition Name=\"/t/a\" Reconfigurable=\"yes\" Isolated=\"\"/>\n"
       " <Partition Name=\"/t/b\" Reconfigurable=\"FALSE\" Isolated=\"True\"/>\n"
       " <Partition Name=\"/t/c\" Isolated=\"true \"/>\n"
       "</Partition>\n",
       {"not-boolean 3:2 /t/a Reconfigurable=yes",
        "not-boolean 3:2 /t/a Isolated=", "not-boolean 5:2 /t/c Isolated=true "}},
      // A name under its parent's: below it at any depth, never beside it.
      {"<Partition Name=\"/t\">\n"
       " <Partition Name=\"/t/a/b\"><Partition Name=\"/t/a\"/></Partition>\n"
       " <Partition Name=\"/tx\"/><Partition Name=\"/t\"/>\n"
       " <Partition Name=\"u1\"><Partition Name=\"u1/v\"/></Partition>\n"
       " <Partition><Partition Name=\"/elsewhere\"/></Partition>\n"
       "</Partition>\n",
       {"not-under-parent 3:27 /t/a in /t/a/b", "not-under-parent 4:2 /tx in /t",
        "not-under-parent 4:25 /t in /t", "name-twice 4:25 /t first 2:1",
        "relative-name 5:2 u1 <Partition>", "not-under-parent 5:2 u1 in /t",
        "relative-name 5:23 u1/v <Partition>", "no-name 6:2 - <Partition>"}},
      {"<Partition Name=\"/\"><Partition Name=\"/a\"/><Partition Name=\"b\"/></Partition>\n",
       {"relative-name 2:43 b <Partition>", "not-under-parent 2:43 b in /"}},
      // Only the root may not be reconfigurable.
      {"<Partition Name=\"/t\" Reconfigurable=\"TRUE\">\n"
       " <Partition Name=\"/t/a\" Reconfigurable=\"true\"/>\n"
       "</Partition>\n",
       {"reconfigurable-root 2:1 /t <Partition>"}},
      {"<Partition Name=\"/t\" Reconfigurable=\"on\"/>\n",
       {"not-boolean 2:1 /t Reconfigurable=on"}},
      // Names given twice: partitions anywhere, pins within one partition
      // (over all its pin lists, not its children's).
      {"<Partition Name=\"/t\">\n"
       " <Pins><Pin Name=\"clk\"/></Pins>\n"
       " <Partition Name=\"/t/a\"><Pins><Pin Name=\"clk\"/><Pin Name=\"d\"/></Pins></Partition>\n"
       " <Pins><Pin Name=\"d\"/><Pin Name=\"clk\"/><Pin Name=\"\"/><Pin/></Pins>\n"
       " <Partition Name=\"/t/b\"><Partition Name=\"/t/a\"/></Partition>\n"
       "</Partition>\n",
       {"name-twice 5:23 /t,clk first 3:8", "no-name 5:40 /t <Pin>", "no-name 5:54 /t <Pin>",
        "not-under-parent 6:25 /t/a in /t/b", "name-twice 6:25 /t/a first 4:2"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Check(c.body), c.findings) << c.body;
}

TEST_F(DescriptionCheckTest, ImportLocationsAsAnImportSeesThem) {
  std::filesystem::create_directories(m_dir / "one");
  std::filesystem::create_directories(m_dir / "many/z_prev_built.qdb");  // a directory
  for (const char* file :
       {"one/a_prev_built.qdb", "one/a_prev_mapped.qmp", "one/a_prev_mapped.qpr",
        "one/a_prev_routed.qpr", "one/notes.txt", "many/b_prev_built.qdb", "many/A_prev_built.qdb",
        "many/a_prev_mapped.qmp", "many/x_prev_routed.qpr", "many/b_prev_routed.qpr",
        "many/a_prev_routed.qpr", "file"}) {
    Touch(file);
  }
  const std::string at = m_dir.path() + "/";
  auto partition = [](const std::string& name, const std::string& state,
                      const std::string& location) {
    return " <Partition Name=\"/t/" + name + "\" State=\"" + state + "\" ImportLocation=\"" +
           location + "\"/>\n";
  };
  const std::string body =
      "<Partition Name=\"/t\" State=\"implement\" ImportLocation=\"" + at + "gone\">\n" +
      partition("a", "import", at + "one") + partition("b", "IMPORT", at + "one//") +
      partition("c", "import", at + "gone/") + partition("d", "import", at + "file") +
      partition("e", "import", "NONE") + partition("f", "import", "") +
      partition("g", "implement", at + "gone") + partition("h", "import", at + "many/") +
      partition("i", "import", at + "many") + "</Partition>\n";
  const Strings several = {
      "several-import-files 10:2 /t/h [" + at + "many/] *_prev_built.qdb: A_prev_built.qdb " +
          "b_prev_built.qdb",
      "several-import-files 10:2 /t/h [" + at + "many/] *_prev_routed.qpr: a_prev_routed.qpr " +
          "b_prev_routed.qpr x_prev_routed.qpr",
  };
  Strings expected = {
      "import-location 5:2 /t/c [" + at + "gone/]",
      "import-location 6:2 /t/d [" + at + "file]",
      "import-location 7:2 /t/e [NONE]",
      "import-location 8:2 /t/f []",
  };
  expected.insert(expected.end(), several.begin(), several.end());
  for (std::string line : several) {
    expected.push_back(line.replace(line.find("10:2 /t/h"), 9, "11:2 /t/i")
                           .replace(line.find("many/]"), 6, "many]"));
  }
  EXPECT_EQ(Check(body), expected);

  // A relative location is taken from the working directory, which the
  // finding names; an absolute one names none.
  std::vector<Finding> findings;
  porttest::WriteFile(m_dir / "r.pxml",
                      "<Project><Partition Name=\"/t\"><Partition Name=\"/t/a\" State=\"import\" "
                      "ImportLocation=\"no/such/dir\"/><Partition Name=\"/t/b\" State=\"import\" "
                      "ImportLocation=\"/no/such/dir\"/></Partition></Project>");
  ASSERT_TRUE(HostSession::CheckDescription(m_session, m_dir / "r.pxml", findings));
  ASSERT_EQ(findings.size(), 2u);
  EXPECT_EQ(findings[0].resolvedFrom, std::filesystem::current_path().string());
  EXPECT_NE(findings[0].message.find(std::filesystem::current_path().string()), std::string::npos)
      << findings[0].message;
  EXPECT_EQ(findings[1].resolvedFrom, std::nullopt);
}

TEST_F(DescriptionCheckTest, FilesThatAreNoDescriptionAreErrors) {
  const std::pair<const char*, const char*> cases[] = {
      {"<Project><Partition Name=\"/t\"></Project>", "bad.pxml:1:"},
      {"<Design><Partition Name=\"/t\"/></Design>", "the root element is <Design>"},
      {"ZORE-PRJ and whatever follows", "a project file, not a description"},
  };
  for (const auto& [text, error] : cases) {
    porttest::WriteFile(m_dir / "bad.pxml", text);
    std::vector<Finding> findings;
    const HostSession::Outcome outcome = m_session.Run(
        [&] { return HostSession::CheckDescription(m_session, m_dir / "bad.pxml", findings); });
    EXPECT_FALSE(outcome.ok) << text;
    EXPECT_EQ(outcome.errors, 1) << text;
    EXPECT_NE(outcome.FirstError().find(error), std::string::npos) << outcome.FirstError();
  }
  std::vector<Finding> findings;
  EXPECT_FALSE(m_session.Run(
      [&] { return HostSession::CheckDescription(m_session, m_dir / "absent.pxml", findings); }));
}

TEST_F(DescriptionCheckTest, FindingsAreReportedAsWarningsWithWhereTheyAre) {
  porttest::WriteFile(m_dir / "w.pxml",
                      "<Project Owner=\"me\">\n<Partition Name=\"/t\">\n"
                      "  <Pins><Pin Name=\"a\"/><Pin Name=\"a\"/></Pins>\n</Partition></Project>");
  std::vector<Finding> findings;
  const HostSession::Outcome outcome = m_session.Run([&] {
    if (!HostSession::CheckDescription(m_session, m_dir / "w.pxml", findings)) return false;
    HostSession::ReportFindings(m_session, "w.pxml", findings);
    return true;
  });
  ASSERT_EQ(outcome.warnings, 2);
  EXPECT_EQ(outcome.errors, 0);
  ASSERT_EQ(outcome.messages.size(), 2u);
  EXPECT_EQ(outcome.messages[0].text,
            "unknown attribute \"Owner\" on <Project> is ignored\n"
            "  at \"w.pxml\" line 1 column 1: <Project>\n");
  EXPECT_EQ(outcome.messages[1].text,
            "pin \"a\" is named twice in partition \"/t\"; first at line 3 column 9\n"
            "  at \"w.pxml\" line 3 column 24: partition \"/t\", pin \"a\"\n");
}

TEST(NearestNameTest, EditDistanceCountsSwapsOnce) {
  const struct {
    const char* a;
    const char* b;
    std::size_t distance;
  } cases[] = {{"", "", 0},
               {"abc", "", 3},
               {"", "ab", 2},
               {"Name", "name", 0},
               {"ab", "ba", 1},
               {"abcd", "badc", 2},
               {"abc", "abd", 1},
               {"Perserve", "Preserve", 1},
               {"kitten", "sitting", 3},
               {"ca", "abc", 3},
               {"Isolate", "Isolated", 1}};
  for (const auto& c : cases) {
    EXPECT_EQ(HostSession::EditDistance(c.a, c.b), c.distance) << c.a << " " << c.b;
    EXPECT_EQ(HostSession::EditDistance(c.b, c.a), c.distance) << c.b << " " << c.a;
  }
}

TEST(NearestNameTest, OffersOnlyCloseNames) {
  const std::vector<const char*> known = {"Name", "State", "ImportLocation", "ImportTag",
                                          "Preserve"};
  const std::pair<const char*, const char*> cases[] = {
      {"Perserve", "Preserve"},
      {"name", "Name"},
      {"Nmae", "Name"},
      {"ImportLocaton", "ImportLocation"},
      {"ImportTags", "ImportTag"},
      {"Sate", "State"},
      {"Colour", ""},
      {"Location", ""},
      {"X", ""},
      {"ImportLoc", ""},
  };
  for (const auto& [name, nearest] : cases) {
    EXPECT_EQ(HostSession::NearestName(name, known), nearest) << name;
  }
  EXPECT_EQ(HostSession::NearestName("Name", {}), "");
}

}  // namespace
