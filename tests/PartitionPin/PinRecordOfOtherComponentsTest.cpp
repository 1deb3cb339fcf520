// A partition's record when a pin cannot keep a record of its own: a listed
// pin of another implementation without a record interface refuses the
// partition's save, and a pin class whose objects have no record interface
// makes a load give up once enough pins in a row have failed.
#include <gtest/gtest.h>

#include "Partition/FakeServices.h"
#include "Partition/PartitionRecordFormat.h"
#include "Prjrep/IPersist.h"
#include "support/ScriptedStream.h"
#include "support/ZoreTest.h"

namespace {

using ZorE::PartitionRecord::Text;
using ZorE::PartitionRecord::TextOf;
using ZoreTest::CapturingSink;
using ZoreTest::ScriptedStream;

class PinRecordOfOtherComponents : public FakeServices::FakeServicesTest {
 protected:
  static Prjrep::IPersist* Persist(const ZoreTest::PartitionRef& p) {
    return CitI::QueryAs<Prjrep::IPersist>(p.get());
  }
};

TEST_F(PinRecordOfOtherComponents, APinWithoutARecordRefusesTheSave) {
  auto p = ZoreTest::NewPartition();
  ASSERT_EQ(p->AddPartitionPin("a"), 1);
  FakeServices::ForeignPinFactory foreignPins;
  {
    FakeServices::EmptiedRegistry emptied;
    CitP::Factory::RegisterFactory(Port::XUID(Xuids::ZorE_PartitionPin), &foreignPins);
    ASSERT_EQ(p->AddPartitionPin("x"), 1);
  }
  CapturingSink sink;
  ScriptedStream s;
  EXPECT_EQ(Persist(p)->PersistSave(&s), 0);
  EXPECT_EQ(sink.Texts(Port_Severity::Error), ZoreTest::Strings{TextOf(Text::WritePinPersist)});
}

TEST_F(PinRecordOfOtherComponents, PinsWithoutARecordInterfaceEndTheLoadAfterTheLimit) {
  auto p = ZoreTest::NewPartition();
  FakeServices::NotAPinFactory notAPins;
  FakeServices::EmptiedRegistry emptied;
  CitP::Factory::RegisterFactory(Port::XUID(Xuids::ZorE_PartitionPin), &notAPins);
  // Eight pins announced, none readable, then a record that would load.
  ScriptedStream s;
  s.Str("2").Str("0").Xuid(Port::XUID(1, 2)).Str("u1").Str("top/u1").Bool(false).Bool(false);
  s.Int(8).Int(0).Int(0).Int(0).Int(-1).Int(0).Int(-1).Int(-1);
  CapturingSink sink;
  EXPECT_EQ(Persist(p)->PersistLoad(&s), 0);
  const ZoreTest::Strings errors = sink.Texts(Port_Severity::Error);
  ASSERT_EQ(errors.size(), 9u);
  EXPECT_EQ(errors.front(), TextOf(Text::CreatePinPersist));
  EXPECT_EQ(errors.back(),
            "Partition::PersistLoad: 8 Partition Pins in a row failed to load; the pin records are "
            "damaged.  Partition not loaded.\n");
}

}  // namespace
