#include "check/container_check.h"

#include <gtest/gtest.h>

#include <bit>

#include <cmath>
#include <functional>

#include "container/container_format.h"
#include "tests/support/container_fixtures.h"
#include "tests/support/temp_folder.h"

namespace qel {
namespace {

using test::concat;
using test::le32;

// A blob of one triangle that export takes.
Bytes triangleBlob() {
  return concat({le32(100), le32(274), le32(3), le32(3), Bytes(96), {0, 0, 1, 0, 2, 0}});
}

ContainerRecord soundRecord() {
  ContainerRecord record = test::completeRecord();
  record.modelData = triangleBlob();
  record.modelVertexCount = 3;
  return record;
}

std::vector<std::string> codesOf(const std::vector<Diagnostic>& found) {
  std::vector<std::string> codes;
  for (const Diagnostic& d : found) codes.push_back(d.code);
  return codes;
}

class ContainerCheckTest : public ::testing::Test {
 protected:
  std::vector<Diagnostic> checkBytes(const Bytes& bytes) {
    return checkContainerFile(folder.write("a.cnt", bytes));
  }
  std::vector<std::string> codesFor(const ContainerRecord& record) {
    return codesOf(checkBytes(*serializeContainerBytes(record, 77)));
  }

  test::TempFolder folder;
};

TEST_F(ContainerCheckTest, FindsNothingInWhatTheProgramSaves) {
  EXPECT_TRUE(codesFor(soundRecord()).empty());
}

TEST_F(ContainerCheckTest, GivesTheOpenCommandsRefusalsAsErrors) {
  const Bytes file = *serializeContainerBytes(soundRecord(), 77);
  const auto cut = checkBytes(Bytes(file.begin(), file.end() - 1));
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0].code, "container.damaged");
  EXPECT_EQ(cut[0].severity, Severity::Error);
  EXPECT_EQ(cut[0].line, 0u);
  EXPECT_EQ(codesOf(checkBytes(test::pngOf(8, 8))),
            std::vector<std::string>{"container.not-container"});
  EXPECT_EQ(codesOf(checkContainerFile(folder.file("none.cnt"))),
            std::vector<std::string>{"container.unreadable"});
}

// Each change of a saved record, and what the check says of it.
TEST_F(ContainerCheckTest, TellsWhatTheProgramWouldNotHaveSaved) {
  const struct {
    std::function<void(ContainerRecord&)> change;
    std::vector<std::string> codes;
  } cases[] = {
      {[](ContainerRecord& r) { r.modelData = test::modelBlobOf(3, 3); }, {"blob.short"}},
      {[](ContainerRecord& r) { r.modelData->back() = 3; }, {"blob.index-past-vertices"}},
      {[](ContainerRecord& r) { r.modelData->push_back(0); }, {"blob.trailing-bytes"}},
      {[](ContainerRecord& r) { r.modelData.reset(); }, {"container.block-missing"}},
      {[](ContainerRecord& r) { r.sideViewData.reset(); }, {"container.block-missing"}},
      {[](ContainerRecord& r) { r.sideViewData = Bytes(40, 1); }, {"container.image-not-png"}},
      {[](ContainerRecord& r) { r.textureData = test::pngOf(257, 128); },
       {"container.image-too-large", "container.texture-size-mismatch"}},
      {[](ContainerRecord& r) { r.typeIndex = 13; }, {"container.type-not-offered"}},
      {[](ContainerRecord& r) { r.lengthMm = NAN; }, {"container.length-out-of-range"}},
      {[](ContainerRecord& r) { r.lengthMm = 50000.5f; }, {"container.length-out-of-range"}},
  };
  for (const auto& c : cases) {
    ContainerRecord record = soundRecord();
    c.change(record);
    EXPECT_EQ(codesFor(record), c.codes);
  }
}

TEST_F(ContainerCheckTest, WarnsOfAModelWhoseLengthIsNotThePartsInTheUnitGiven) {
  ContainerRecord record = soundRecord();
  const auto at = [](float x) {
    return concat({le32(std::bit_cast<std::uint32_t>(x)), Bytes(28)});
  };
  record.modelData = concat({le32(100),
                             le32(274),
                             le32(3),
                             le32(3),
                             at(0.0f),
                             at(12.192f),
                             at(0.0f),
                             {0, 0, 1, 0, 2, 0}});
  record.lengthMm = 12192.0f;
  const std::u16string path = folder.write("a.cnt", *serializeContainerBytes(record, 77));
  EXPECT_EQ(codesOf(checkContainerFile(path, ModelUnit::Metre)), std::vector<std::string>{});
  EXPECT_EQ(codesOf(checkContainerFile(path, ModelUnit::Millimetre)),
            std::vector<std::string>{"container.length-differs"});
}

// The loader cuts the last unit of a text that fills its field; the last chunk of a field
// decides, and a text that ends on its last unit is whole. Both forms go through one reader.
TEST_F(ContainerCheckTest, NamesEachTextStoredWithoutTerminator) {
  const auto cutTexts = [](const std::vector<Diagnostic>& found) {
    std::vector<std::string> messages;
    for (const Diagnostic& d : found) {
      if (d.code == "container.text-unterminated") messages.push_back(d.message);
    }
    return messages;
  };
  ContainerRecord record = soundRecord();
  record.containerName.units().fill(u'名');
  record.makerName.units().fill(u'工');
  EXPECT_EQ(
      cutTexts(checkBytes(*serializeContainerBytes(record, 77))),
      (std::vector<std::string>{
          "the container name fills its 32 units without a terminator: its last unit is "
          "dropped",
          "the maker name fills its 16 units without a terminator: its last unit is dropped"}));

  const Bytes plain = test::ChunkSequence()
                          .chunk(kPlainFormMarker, {})
                          .text(kContainerNameChunk, std::u16string(32, u'名'), 32)
                          .text(kContainerNameChunk, u"短い", 32)
                          .text(kMakerNameChunk, std::u16string(15, u'工'), 16)
                          .text(kDescriptionChunk, std::u16string(64, u'説'), 64)
                          .end()
                          .bytes();
  EXPECT_EQ(cutTexts(checkBytes(plain)),
            std::vector<std::string>{"the description fills its 64 units without a terminator: "
                                     "its last unit is dropped"});
}

}  // namespace
}  // namespace qel
