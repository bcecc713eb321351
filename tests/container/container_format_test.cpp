#include "container/container_format.h"

#include <gtest/gtest.h>

#include "base/little_endian.h"
#include "container/scramble_stream.h"
#include "tests/support/container_fixtures.h"
#include "tests/support/fingerprint.h"

namespace qel {
namespace {

using test::ChunkSequence;
using test::completeRecord;
using test::le32;
using test::modelBlobOf;
using test::pngOf;

Bytes bodyOf(Bytes file) {
  const auto seed = scrambleSeedOf(file);
  EXPECT_TRUE(seed.has_value());
  Bytes body(file.begin() + 16, file.end());
  applyScramble(body, seed.value_or(0));
  return body;
}

// ---- Layout of written files ----

TEST(ContainerFileLayout, HeaderAndSizeWithoutSideView) {
  ContainerRecord record;
  record.modelData = modelBlobOf(3, 3, 100);
  record.textureData = pngOf(16, 16, 50);
  const auto file = serializeContainerBytes(record, 0xABCDEF);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->size(), 352 + record.modelData->size() + record.textureData->size());
  EXPECT_EQ(Bytes(file->begin(), file->begin() + 16),
            (Bytes{0x24, 0x25, 0x26, 0, 0, 0, 0, 0, 0xEF, 0xCD, 0xAB, 0, 0, 0, 0, 0}));
}

TEST(ContainerFileLayout, ChunksStandAtTheirOffsets) {
  const ContainerRecord record = completeRecord();
  const auto file = serializeContainerBytes(record, 4711);
  ASSERT_TRUE(file);
  const std::size_t s = record.sideViewData->size(), m = record.modelData->size(),
                    t = record.textureData->size();
  EXPECT_EQ(file->size(), 372 + s + m + t);

  const Bytes body = bodyOf(*file);
  const std::pair<std::size_t, std::uint32_t> fixed[] = {
      {0, 0x801001},   {72, 0x801002},  {84, 0x801003}, {96, 0x801004},
      {112, 0x801005}, {248, 0x801006}, {288, 0x801007}};
  for (auto [offset, tag] : fixed) EXPECT_EQ(readLe32(&body[offset]), tag) << offset;
  // Data chunks follow in the order side view, model, texture.
  EXPECT_EQ(readLe32(&body[300]), 0x801020u);
  EXPECT_EQ(readLe32(&body[304]), 12 + s);
  EXPECT_EQ(readLe32(&body[300 + 20 + s]), 0x801102u);
  EXPECT_EQ(readLe32(&body[300 + 20 + s + 12 + m]), 0x801101u);
  EXPECT_EQ(Bytes(body.end() - 8, body.end()), (Bytes{0xFF, 0x1F, 0x80, 0, 0, 0, 0, 0}));
}

TEST(ContainerFileLayout, WorkedExampleWithSeedZero) {
  ContainerRecord record;
  const auto file = serializeContainerBytes(record, 0);
  ASSERT_TRUE(file);
  EXPECT_EQ(Bytes(file->begin(), file->begin() + 24),
            (Bytes{0x24, 0x25, 0x26, 0, 0,    0,    0,    0,    0,    0,    0,    0,
                   0,    0,    0,    0, 0x86, 0x72, 0x73, 0x03, 0xc4, 0x0e, 0xdd, 0x84}));
}

// Pins the bytes of a file that spans many pieces, so that no way of writing it changes one.
TEST(ContainerFileLayout, LargeFileKeepsItsBytes) {
  const auto file = serializeContainerBytes(test::largeRecord(), 0xABCDEF);
  ASSERT_TRUE(file);
  EXPECT_EQ(file->size(), 3'765'987u);
  EXPECT_EQ(test::fnv1a(*file), 0x9A6BBAFFA5EAE133u);
}

// A file that the open command would refuse is never written: the size is refused from the
// limit on, and it is the size of the file that the writer lays out.
TEST(ContainerFileLayout, RefusesASizeThatReachesTheLimit) {
  const ContainerRecord record = completeRecord();
  const std::uint64_t size = serializeContainerBytes(record, 0)->size();
  EXPECT_EQ(containerFileSize(record), size);
  EXPECT_EQ(containerFileSize(record, size + 1), size);
  EXPECT_FALSE(containerFileSize(record, size));
}

// ---- Saving ----

TEST(SerializeContainer, SavesTwiceWithDifferentSeedsButTheSameContent) {
  ContainerRecord record = completeRecord();
  const Bytes first = *serializeContainerBytes(record, 1000);
  const Bytes second = *serializeContainerBytes(record, 3000);
  EXPECT_NE(Bytes(first.begin() + 16, first.end()), Bytes(second.begin() + 16, second.end()));
  EXPECT_EQ(bodyOf(first), bodyOf(second));
}

// ---- Loading ----

TEST(ParseContainerFile, RoundTripsEveryField) {
  const ContainerRecord original = completeRecord();
  Bytes file = *serializeContainerBytes(original, 99);
  ContainerRecord loaded;
  ASSERT_EQ(parseContainerFile(loaded, file), kSuccess);
  EXPECT_EQ(loaded, original);
}

TEST(ParseContainerFile, KeepsTextureSizeAsStoredAndUnitsBehindTheTerminator) {
  ContainerRecord original = completeRecord();
  original.textureWidth = 7;  // not what the PNG says
  original.containerName.units()[20] = u'X';
  Bytes file = *serializeContainerBytes(original, 5);
  ContainerRecord loaded;
  ASSERT_EQ(parseContainerFile(loaded, file), kSuccess);
  EXPECT_EQ(loaded.textureWidth, 7);
  EXPECT_EQ(loaded.containerName.units()[20], u'X');
  EXPECT_EQ(*serializeContainerBytes(loaded, 5), *serializeContainerBytes(original, 5));
}

TEST(ParseContainerFile, NegativeSeedWordUsesTheStreamOfSeedZero) {
  ContainerRecord original = completeRecord();
  Bytes file = *serializeContainerBytes(original, 0);
  file[11] = 0x80;  // seed word 0x80000000
  ContainerRecord loaded;
  ASSERT_EQ(parseContainerFile(loaded, file), kSuccess);
  EXPECT_EQ(loaded, original);
}

TEST(ParseContainerFile, RefusesOtherFilesAndKeepsTheRecord) {
  const ContainerRecord original = completeRecord();
  for (Bytes other :
       {pngOf(10, 10), Bytes{}, Bytes{0x24, 0x25, 0x26}, Bytes{0x24, 0x25, 0x26, 1}}) {
    ContainerRecord record = original;
    EXPECT_EQ(parseContainerFile(record, other), kFailure);
    EXPECT_EQ(record, original);
  }
}

TEST(ParseContainerFile, APlainFileReplacesTheWholeRecord) {
  Bytes file = ChunkSequence()
                   .chunk(kPlainFormMarker, {1, 2, 3, 4, 5})
                   .text(kMakerNameChunk, u"平文工房", 16)
                   .end()
                   .bytes();
  ContainerRecord record = completeRecord();
  ASSERT_EQ(parseContainerFile(record, file), kSuccess);
  EXPECT_EQ(record.makerName.view(), u"平文工房");
  EXPECT_TRUE(record.containerName.empty());
  EXPECT_FALSE(record.modelData || record.textureData || record.sideViewData);
}

// Parses chunks as the body of a plain file, whose first chunk names its form.
Result parsePlain(ContainerRecord& record, const Bytes& chunks) {
  Bytes file = ChunkSequence().chunk(kPlainFormMarker, {}).bytes();
  file.insert(file.end(), chunks.begin(), chunks.end());
  return parseContainerFile(record, file);
}

TEST(ParseChunks, SkipsUnknownChunksByTheirLength) {
  const Bytes chunks = ChunkSequence()
                           .chunk(0x801050, {9, 9, 9, 9, 9, 9})
                           .chunk(0x000001, {})
                           .chunk(kTypeChunk, le32(12))
                           .end()
                           .bytes();
  ContainerRecord record;
  ASSERT_EQ(parsePlain(record, chunks), kSuccess);
  EXPECT_EQ(record.typeIndex, 12u);
}

TEST(ParseChunks, KnownChunksConsumeTheirOwnSizeNotTheirLengthField) {
  const Bytes chunks = ChunkSequence()
                           .chunkWithLength(kTypeChunk, 100, le32(3))
                           .chunkWithLength(kReservedValueChunk, 0, le32(5))
                           .end()
                           .bytes();
  ContainerRecord record;
  ASSERT_EQ(parsePlain(record, chunks), kSuccess);
  EXPECT_EQ(record.typeIndex, 3u);
  EXPECT_EQ(record.reservedValue, 5);
}

TEST(ParseChunks, LaterChunksWinAndEmptyDataLeavesTheSlotEmpty) {
  const Bytes texture = pngOf(8, 8);
  const Bytes chunks =
      ChunkSequence()
          .chunk(kTextureChunk, test::concat({{8, 0, 8, 0}, le32(texture.size()), texture}))
          .chunk(kModelChunk, test::concat({le32(4), {1, 2, 3, 4}}))
          .chunk(kModelChunk, le32(0))
          .chunk(kSideViewChunk, test::concat({le32(1), le32(2), le32(0)}))
          .chunk(kTypeChunk, le32(1))
          .chunk(kTypeChunk, le32(2))
          .end()
          .bytes();
  ContainerRecord record;
  ASSERT_EQ(parsePlain(record, chunks), kSuccess);
  EXPECT_EQ(record.textureData, texture);
  EXPECT_FALSE(record.modelData);
  EXPECT_EQ(record.modelVertexCount, 0u);
  EXPECT_FALSE(record.sideViewData);
  EXPECT_EQ(record.sideViewReserved2, 2u);
  EXPECT_EQ(record.typeIndex, 2u);
}

TEST(ParseChunks, ModelTooShortForAVertexCountLoadsWithCountZero) {
  const Bytes chunks = ChunkSequence()
                           .chunk(kModelChunk, test::concat({le32(6), {100, 0, 0, 0, 5, 6}}))
                           .end()
                           .bytes();
  ContainerRecord record;
  ASSERT_EQ(parsePlain(record, chunks), kSuccess);
  EXPECT_EQ(record.modelData->size(), 6u);
  EXPECT_EQ(record.modelVertexCount, 0u);
}

TEST(ParseChunks, TextsWithoutTerminatorAreCutToTheField) {
  const std::u16string full(32, u'名');
  const Bytes chunks = ChunkSequence().text(kContainerNameChunk, full, 32).end().bytes();
  ContainerRecord record;
  ASSERT_EQ(parsePlain(record, chunks), kSuccess);
  EXPECT_EQ(record.containerName.view(), full.substr(0, 31));
}

TEST(ParseChunks, NothingAfterTheEndChunkIsRead) {
  Bytes chunks = ChunkSequence().chunk(kTypeChunk, le32(4)).end().bytes();
  chunks.push_back(0xEE);  // trailing garbage
  ContainerRecord record;
  ASSERT_EQ(parsePlain(record, chunks), kSuccess);
  EXPECT_EQ(record.typeIndex, 4u);
}

// Random bytes behind a header stop the walk at once: that is a damaged file, not an empty part.
TEST(ParseContainerFile, RefusesAWalkEndingAtAnyTagButTheEnd) {
  const ContainerRecord original = completeRecord();
  for (const std::uint32_t tag : {0x802000u, 0xFFFFFFFFu}) {
    const Bytes above = ChunkSequence().chunk(kTypeChunk, le32(7)).chunk(tag, {}).bytes();
    ContainerRecord record = original;
    EXPECT_EQ(parsePlain(record, above), kFailure) << tag;
    EXPECT_EQ(record, original);
  }
}

// Every prefix of a valid file, scrambled or plain, is refused; none is read past its end.
TEST(ParseContainerFile, RefusesEveryTruncation) {
  ContainerRecord small;
  small.makerName.assign(u"工房");
  small.modelData = modelBlobOf(1, 1, 4);
  small.textureData = pngOf(2, 2, 2);
  small.sideViewData = pngOf(3, 3, 1);
  const Bytes plain = ChunkSequence()
                          .chunk(kPlainFormMarker, {1, 2})
                          .text(kMakerNameChunk, u"工房", 16)
                          .chunk(0x801099, {7, 7, 7})
                          .chunk(kModelChunk, test::concat({le32(3), {1, 2, 3}}))
                          .end()
                          .bytes();
  const ContainerRecord original = completeRecord();
  for (const Bytes& file : {*serializeContainerBytes(small, 77), plain}) {
    for (std::size_t length = 0; length < file.size(); ++length) {
      Bytes prefix(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
      ContainerRecord record = original;
      ASSERT_EQ(parseContainerFile(record, prefix), kFailure) << "length " << length;
      ASSERT_EQ(record, original) << "length " << length;
    }
  }
}

TEST(ParseContainerFile, RefusesDataRunningPastTheEnd) {
  const ContainerRecord original = completeRecord();
  for (std::uint32_t size : {5u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
    Bytes file = ChunkSequence()
                     .chunk(kPlainFormMarker, {})
                     .chunk(kModelChunk, test::concat({le32(size), {1, 2, 3, 4}}))
                     .end()
                     .bytes();
    ContainerRecord record = original;
    EXPECT_EQ(parseContainerFile(record, file), kFailure) << size;
    EXPECT_EQ(record, original);
  }
}

}  // namespace
}  // namespace qel
