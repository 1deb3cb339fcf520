// Bel, Site and the identity of a pin are kept apart from it and dropped once
// all are unset: each must still read back as stored, whichever is set,
// emptied or cleared, and whether it came from the accessors or a record.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "Prjrep/IPersist.h"
#include "support/Probe.h"
#include "support/ScriptedStream.h"
#include "support/ZoreTest.h"

namespace {

using ZoreTest::PinProbe;

enum class Step { kSetBel, kSetSite, kSetXuid, kClear, kLoad };

struct LocationCase {
  Step step;
  const char* value;  // the value set, or Bel and Site of the loaded record ("bel|site")
  const char* bel;    // Bel, Site and the identity's words afterwards
  const char* site;
  std::uint64_t xuid;
};

// One pin goes through every row in turn.
constexpr LocationCase kSteps[] = {
    {Step::kSetBel, "", "", "", 0},  // nothing to keep
    {Step::kSetBel, "LAB_X1", "LAB_X1", "", 0},
    {Step::kSetSite, "SITE_2", "LAB_X1", "SITE_2", 0},
    {Step::kSetBel, "", "", "SITE_2", 0},  // Site stays while Bel goes
    {Step::kSetSite, "", "", "", 0},       // all unset: all gone
    {Step::kSetXuid, "5", "", "", 5},
    {Step::kSetSite, "SITE_3", "", "SITE_3", 5},
    {Step::kSetBel, "LAB_X4", "LAB_X4", "SITE_3", 5},
    {Step::kClear, "", "", "", 5},  // the identity stays
    {Step::kSetXuid, "0", "", "", 0},
    {Step::kLoad, "B5|S5", "B5", "S5", 3},  // records carry the identity 3
    {Step::kLoad, "|S6", "", "S6", 3},      // an empty Bel read over a stored one
    {Step::kLoad, "|", "", "", 3},
    {Step::kSetXuid, "0", "", "", 0},
    {Step::kSetSite, "SITE_7", "", "SITE_7", 0},
};

class PinLocationTest : public ZoreTest::LeakCheckedTest {};

TEST_F(PinLocationTest, BelSiteAndIdentityReadBackAsStoredThroughEveryChange) {
  auto pin = ZoreTest::NewPin();
  ZoreTest::CapturingSink sink;  // the accessors' internal reports are not what is checked here
  int row = 0;
  for (const LocationCase& c : kSteps) {
    const std::string value = c.value;
    switch (c.step) {
      case Step::kSetBel:
        EXPECT_EQ(pin->SetPartitionPinBel(c.value), 0);
        break;
      case Step::kSetSite:
        EXPECT_EQ(pin->SetPartitionPinSite(c.value), 0);
        break;
      case Step::kSetXuid: {
        const std::uint64_t word = std::stoull(value);
        EXPECT_EQ(CitI::QueryAs<Prjrep::IPersist>(pin.get())->SetXUID(Port::XUID(word, word)), 1);
        break;
      }
      case Step::kClear:
        EXPECT_EQ(pin->ClearPartitionPinBelAndSite(), 0);
        break;
      case Step::kLoad: {
        const std::size_t bar = value.find('|');
        ZoreTest::ScriptedStream s;
        s.UInt(2).UInt(0).Xuid(Port::XUID(3, 3)).Str("p").Str(value.substr(0, bar).c_str());
        s.Str(value.substr(bar + 1).c_str());
        EXPECT_EQ(CitI::QueryAs<Prjrep::IPersist>(pin.get())->PersistLoad(&s), 1) << row;
        break;
      }
    }
    EXPECT_EQ(pin->GetPartitionPinBel().str(), c.bel) << row;
    EXPECT_EQ(pin->GetPartitionPinSite().str(), c.site) << row;
    EXPECT_EQ(PinProbe(pin).Xuid(), Port::XUID(c.xuid, c.xuid)) << row;
    // What the pin writes is what it holds.
    ZoreTest::ScriptedStream saved;
    ASSERT_EQ(CitI::QueryAs<Prjrep::IPersist>(pin.get())->PersistSave(&saved), 1) << row;
    ASSERT_EQ(saved.items.size(), 6u);
    EXPECT_EQ(saved.items[4].text.str() + "|" + saved.items[5].text.str(),
              std::string(c.bel) + "|" + c.site)
        << row;
    ++row;
  }
}

}  // namespace
