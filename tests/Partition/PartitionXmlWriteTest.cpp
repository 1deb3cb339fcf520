// Writing a partition element's attributes, and reading the written element
// back.
#include <gtest/gtest.h>

#include "ZavU/IXPartition.h"
#include "support/XmlDoc.h"
#include "support/ZoreTest.h"

namespace {

using ZoreTest::NewPartition;
using ZoreTest::XmlDoc;

class PartitionXmlWrite : public ZoreTest::LeakCheckedTest {
 protected:
  static std::string Written(const CommonI::RefCountPtr<ZavU::IPartition>& p) {
    Port::StringBase text;
    EXPECT_EQ(p.As<ZavU::IXPartition>()->WriteXmlAttributes(text), 1);
    return text.str();
  }
};

TEST_F(PartitionXmlWrite, FreshPartitionWritesStateAndLocationOnly) {
  auto p = NewPartition();
  EXPECT_EQ(Written(p), "State=\"implement\" ImportLocation=\"NONE\" >\n");
  Port::StringBase text("<Partition Name=\"/top/u1\" ");
  EXPECT_EQ(p.As<ZavU::IXPartition>()->WriteXmlAttributes(text), 1);
  EXPECT_EQ(text.str(),
            "<Partition Name=\"/top/u1\" State=\"implement\" ImportLocation=\"NONE\" >\n")
      << "what the caller wrote stays in front";
}

TEST_F(PartitionXmlWrite, LocationFollowsTheImportState) {
  auto p = NewPartition();
  ZorE::Partition& own = ZoreTest::Own(p);
  own.m_importLocation = "../export";
  EXPECT_EQ(Written(p), "State=\"implement\" ImportLocation=\"NONE\" >\n");
  own.m_isImport = true;
  EXPECT_EQ(Written(p), "State=\"import\" ImportLocation=\"../export\" >\n");
  own.m_importLocation.Empty();
  EXPECT_EQ(Written(p), "State=\"import\" ImportLocation=\"\" >\n");
}

TEST_F(PartitionXmlWrite, OptionalAttributesInOrder) {
  auto p = NewPartition();
  ZorE::Partition& own = ZoreTest::Own(p);
  own.m_importTag = "NONE";
  EXPECT_EQ(Written(p), "State=\"implement\" ImportLocation=\"NONE\" >\n")
      << "a tag of NONE and an empty boundary option are left out";
  own.m_importTag = "none";
  EXPECT_EQ(Written(p), "State=\"implement\" ImportLocation=\"NONE\" >\n") << "NONE is a keyword";

  own.m_isImport = true;
  own.m_importLocation = "../exp";
  own.m_boundaryOpt = "all";
  own.m_importTag = "v3";
  own.m_isIsolated = true;
  own.m_isReconfigurable = true;
  own.m_reconfigModuleName = "rm_a";
  ASSERT_EQ(p->SetTrait("preserve", "placement", true), 1);
  EXPECT_EQ(Written(p),
            "State=\"import\" ImportLocation=\"../exp\" BoundaryOpt=\"all\" ImportTag=\"v3\" "
            "Isolated=\"true\" Preserve=\"placement\" Reconfigurable=\"true\" "
            "ReconfigModuleName=\"rm_a\" >\n");

  // A reconfigurable partition writes its module name even when empty.
  auto q = NewPartition();
  ZoreTest::Own(q).m_isReconfigurable = true;
  EXPECT_EQ(Written(q),
            "State=\"implement\" ImportLocation=\"NONE\" Reconfigurable=\"true\" "
            "ReconfigModuleName=\"\" >\n");
}

TEST_F(PartitionXmlWrite, PreserveIsLeftOutOnlyAtTheXmlDefault) {
  auto root = NewPartition();
  root->SetRoot(true);
  auto child = NewPartition();
  EXPECT_EQ(Written(root), "State=\"implement\" ImportLocation=\"NONE\" >\n")
      << "the root reads routing when nothing is stored";
  EXPECT_EQ(Written(child), "State=\"implement\" ImportLocation=\"NONE\" >\n");
  ASSERT_EQ(root->SetTrait("preserve", "routing", true), 1);
  ASSERT_EQ(child->SetTrait("preserve", "routing", true), 1);
  EXPECT_EQ(Written(root), "State=\"implement\" ImportLocation=\"NONE\" >\n");
  EXPECT_EQ(Written(child), "State=\"implement\" ImportLocation=\"NONE\" Preserve=\"routing\" >\n");
}

TEST_F(PartitionXmlWrite, MarkupCharactersAreEscaped) {
  auto p = NewPartition();
  ZorE::Partition& own = ZoreTest::Own(p);
  own.m_isImport = true;
  own.m_importLocation = "a\"b&c<d>e";
  own.m_boundaryOpt = "it's";  // an apostrophe cannot end a value in double quotes
  EXPECT_EQ(Written(p),
            "State=\"import\" ImportLocation=\"a&quot;b&amp;c&lt;d&gt;e\" BoundaryOpt=\"it's\" "
            ">\n");
}

/// Writes `p` as an element, parses it and reads it into a fresh partition
/// of the same rootness.
CommonI::RefCountPtr<ZavU::IPartition> WrittenAndReadBack(
    const CommonI::RefCountPtr<ZavU::IPartition>& p) {
  Port::StringBase text("<Partition ");
  p.As<ZavU::IXPartition>()->WriteXmlAttributes(text);
  text.Append("</Partition>");
  XmlDoc doc(text.str());
  auto back = NewPartition();
  back->SetRoot(p->IsRoot());
  EXPECT_EQ(back.As<ZavU::IXPartition>()->ReadXmlElement(doc.Root(), 1, 2), 1) << text.str();
  return back;
}

TEST_F(PartitionXmlWrite, WrittenElementReadsBackToTheSameSettings) {
  for (bool isRoot : {false, true}) {
    auto p = NewPartition();
    ZorE::Partition& own = ZoreTest::Own(p);
    p->SetRoot(isRoot);
    own.m_isImport = true;
    own.m_importLocation = "../exp \"quoted\" & <tagged>";
    own.m_boundaryOpt = "none&all";
    own.m_importTag = "NONE";
    own.m_isIsolated = true;
    own.m_isReconfigurable = true;
    own.m_reconfigModuleName = "rm<1>";
    ASSERT_EQ(p->SetTrait("preserve", "synthesis", true), 1);

    auto back = WrittenAndReadBack(p);
    ZorE::Partition& b = ZoreTest::Own(back);
    EXPECT_TRUE(b.m_isImport);
    EXPECT_EQ(b.m_importLocation, own.m_importLocation);
    EXPECT_EQ(b.m_boundaryOpt, own.m_boundaryOpt);
    EXPECT_EQ(b.m_importTag.str(), "") << "a tag of NONE comes back empty";
    EXPECT_TRUE(b.m_isIsolated);
    EXPECT_TRUE(b.m_isReconfigurable);
    EXPECT_EQ(b.m_reconfigModuleName, own.m_reconfigModuleName);
    EXPECT_EQ(back->GetTrait("preserve").str(), "synthesis");
  }

  // Defaults everywhere: the location comes back as written, "NONE".
  auto plain = NewPartition();
  ZoreTest::Own(plain).m_importLocation = "ignored";
  ZoreTest::Own(plain).m_reconfigModuleName = "only when reconfigurable";
  auto back = WrittenAndReadBack(plain);
  ZorE::Partition& b = ZoreTest::Own(back);
  EXPECT_FALSE(b.m_isImport);
  EXPECT_EQ(b.m_importLocation.str(), "NONE");
  EXPECT_EQ(b.m_boundaryOpt.str(), "");
  EXPECT_FALSE(b.m_isIsolated);
  EXPECT_FALSE(b.m_isReconfigurable);
  EXPECT_EQ(b.m_reconfigModuleName.str(), "");
  EXPECT_EQ(back->GetTrait("preserve").str(), "inherit");
}

}  // namespace
