// The shell's word work without a terminal: which known names are offered
// for a mistyped command, how they are joined, and where a word being
// completed stands in the line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ShellWords.h"

namespace hdpart {
namespace {

using Names = std::vector<std::string>;

TEST(ShellWordsTest, NearestNamesOfferOnlyTheNearestWithinReach) {
  const Names commands = {"report_hierarchy",
                          "report_partition",
                          "report_property",
                          "get_property",
                          "get_partitions",
                          "set",
                          "gets",
                          "puts",
                          "set"};
  struct Case {
    const char* name;
    Names expected;
  };
  const Case cases[] = {
      {"report_hierachy", {"report_hierarchy"}},  // one left out
      {"get_partitons", {"get_partitions"}},      // the nearer of two near names
      {"ste", {"set"}},                           // two swapped: one step
      {"sets", {"gets", "set"}},                  // equally near, sorted, once each
      {"report_propperty", {"report_property"}},  // one too many
      {"reprt_hirarchy", {"report_hierarchy"}},   // two steps on a long name
      {"reprt_hirarhy", {}},                      // three steps are too far
      {"pt", {}},                                 // one step at least, not two
      {"gts", {"gets"}},                          // the one step
      {"frobnicate", {}},                         // nothing near
      {"set", {}},                                // known: nothing to offer
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NearestNames(c.name, commands), c.expected) << c.name;
  }
}

TEST(ShellWordsTest, ASuggestionReachesAThirdOfTheNameAtMostTwoSteps) {
  EXPECT_EQ(SuggestionReach("ab"), 1u);
  EXPECT_EQ(SuggestionReach("abcdef"), 2u);
  EXPECT_EQ(SuggestionReach("report_hierarchy"), 2u);
}

TEST(ShellWordsTest, AlternativesReadAsASentence) {
  EXPECT_EQ(JoinAlternatives({}), "");
  EXPECT_EQ(JoinAlternatives({"a"}), "a");
  EXPECT_EQ(JoinAlternatives({"a", "b"}), "a or b");
  EXPECT_EQ(JoinAlternatives({"a", "b", "c"}), "a, b or c");
}

TEST(ShellWordsTest, CompletionFindsTheCommandAWordBelongsTo) {
  struct Case {
    std::string line;  // ends with the word being completed
    const char* word;
    bool commandWord;
    const char* command;
    Names wordsBefore;
  };
  const Case cases[] = {
      {"", "", true, "", {}},
      {"report_hier", "report_hier", true, "", {}},
      {"  get_", "get_", true, "", {}},
      {"get_partitions -fil", "-fil", false, "get_partitions", {}},
      {"get_property -quiet pres", "pres", false, "get_property", {"-quiet"}},
      {"puts [get_prop", "get_prop", true, "", {}},
      {"puts [get_partitions /top] ", "", false, "puts", {"[get_partitions /top]"}},
      {"puts [get_partitions /top] [get_property ", "", false, "get_property", {}},
      {"set x 1; get_property ", "", false, "get_property", {}},
      {"set x 1;get_", "get_", true, "", {}},
      {"set_property {a b} \"c d\" ", "", false, "set_property", {"{a b}", "\"c d\""}},
      {"set x {[}; puts ", "", false, "puts", {}},  // no bracket inside braces
      {"set x {;} ", "", false, "set", {"x", "{;}"}},
      {"puts \"a; [get_partitions ", "", false, "get_partitions", {}},
      {"puts \\[get_property ", "", false, "puts", {"\\[get_property"}},
  };
  for (const Case& c : cases) {
    const CompletionContext context =
        CompletionContextAt(c.line, c.line.size() - std::string(c.word).size());
    EXPECT_EQ(context.commandWord, c.commandWord) << c.line;
    EXPECT_EQ(context.command, c.command) << c.line;
    EXPECT_EQ(context.wordsBefore, c.wordsBefore) << c.line;
  }
}

}  // namespace
}  // namespace hdpart
