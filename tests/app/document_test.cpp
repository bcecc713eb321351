#include "app/document.h"

#include <gtest/gtest.h>

#include "tests/support/shell_fixtures.h"

namespace qel {
namespace {

TEST(Document, SigningAnOpenedPartIsAChangeToSave) {
  Document document;
  ContainerRecord record = test::readyRecord();
  record.makerName.assign(u"他の工房");
  document.startOpened(record, ContainerForm::Scrambled, u"other.cnt");
  EXPECT_TRUE(document.sign(u"工房"));
  EXPECT_TRUE(document.hasUnsavedChanges());
}

TEST(Document, AChangeNotCommittedLeavesTheRecordAndItsRevision) {
  Document document;
  document.startNew(u"工房");
  const std::uint64_t revision = document.revision();
  {
    RecordChange change(document);
    change.record().containerName.assign(u"箱");
    change.sign(u"別の工房");
  }
  EXPECT_EQ(document.record().containerName.view(), u"");
  EXPECT_EQ(document.record().makerName.view(), u"工房");
  EXPECT_EQ(document.revision(), revision);
}

}  // namespace
}  // namespace qel
