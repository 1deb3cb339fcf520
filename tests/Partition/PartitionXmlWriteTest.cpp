// Writing a partition element's attributes: each case reads an element as a
// host hands it over, writes the attributes after what the host wrote, and
// reads the written element back into a fresh partition, which must write
// the same again.
#include <gtest/gtest.h>

#include "ZavU/IXPartition.h"
#include "support/XmlDoc.h"
#include "support/ZoreTest.h"

namespace {

using PartitionRef = CommonI::RefCountPtr<ZavU::IPartition>;

class PartitionXmlWrite : public ZoreTest::LeakCheckedTest {};

constexpr const char* kHostPart = "<Partition Name=\"/top/u1\" ";

std::string Written(const PartitionRef& p) {
  Port::StringBase text(kHostPart);
  EXPECT_EQ(p.As<ZavU::IXPartition>()->WriteXmlAttributes(text), 1);
  return text.str();
}

/// A partition of the given rootness that read `element`.
PartitionRef Read(const std::string& element, bool isRoot) {
  ZoreTest::XmlDoc doc(element);
  auto p = ZoreTest::NewPartition();
  p->SetRoot(isRoot);
  EXPECT_EQ(p.As<ZavU::IXPartition>()->ReadXmlElement(doc.Root(), 1, 2), 1) << element;
  return p;
}

TEST_F(PartitionXmlWrite, WrittenAttributesFollowWhatWasReadAndReadBackAlike) {
  EXPECT_EQ(Written(ZoreTest::NewPartition()),
            std::string(kHostPart) + "State=\"implement\" ImportLocation=\"NONE\" >\n");
  struct Case {
    bool isRoot;
    const char* attributes;  // of the element read
    const char* written;
  };
  const Case cases[] = {
      // The location follows the import state.
      {false, R"(State="implement" ImportLocation="../export")",
       R"(State="implement" ImportLocation="NONE" >)"},
      // Every optional attribute, in order.
      {false,
       R"(ReconfigModuleName="rm_a" Reconfigurable="true" Preserve="placement" Isolated="true" )"
       R"(ImportTag="v3" BoundaryOpt="all" ImportLocation="../exp" State="import")",
       R"(State="import" ImportLocation="../exp" BoundaryOpt="all" ImportTag="v3" )"
       R"(Isolated="true" Preserve="placement" Reconfigurable="true" ReconfigModuleName="rm_a" >)"},
      // A reconfigurable partition writes its module name even when empty;
      // another never writes one.
      {false, R"(State="implement" Reconfigurable="true")",
       R"(State="implement" ImportLocation="NONE" Reconfigurable="true" ReconfigModuleName="" >)"},
      {false, R"(State="implement" ReconfigModuleName="rm")",
       R"(State="implement" ImportLocation="NONE" >)"},
      // Preserve is left out only at the description's default.
      {true, R"(State="implement" Preserve="routing")",
       R"(State="implement" ImportLocation="NONE" >)"},
      {false, R"(State="implement" Preserve="routing")",
       R"(State="implement" ImportLocation="NONE" Preserve="routing" >)"},
      {true, R"(State="implement" Preserve="synthesis")",
       R"(State="implement" ImportLocation="NONE" Preserve="synthesis" >)"},
      // Markup characters are escaped; an apostrophe cannot end a value in
      // double quotes.
      {false, R"(State="import" ImportLocation="a&quot;b&amp;c&lt;d&gt;e" BoundaryOpt="it's")",
       R"(State="import" ImportLocation="a&quot;b&amp;c&lt;d&gt;e" BoundaryOpt="it's" >)"},
  };
  for (const Case& c : cases) {
    auto p = Read(std::string("<Partition ") + c.attributes + "/>", c.isRoot);
    const std::string written = Written(p);
    EXPECT_EQ(written, kHostPart + std::string(c.written) + "\n") << c.attributes;
    auto back = Read(written + "</Partition>", c.isRoot);
    EXPECT_EQ(Written(back), written) << c.attributes;
    EXPECT_EQ(back->GetTrait("preserve"), p->GetTrait("preserve")) << c.attributes;
  }
}

}  // namespace
