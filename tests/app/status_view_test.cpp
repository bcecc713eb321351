#include "app/status_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "tests/support/shell_fixtures.h"

namespace qel {
namespace {

using test::TextLine;

class LineSink : public platform::TextSink {
 public:
  void textOut(int x, int y, std::u16string_view text) override {
    lines.push_back({x, y, std::u16string(text)});
  }
  std::vector<TextLine> lines;
};

std::vector<TextLine> paint(const ContainerRecord& record, std::u16string_view path = {}) {
  LineSink sink;
  paintStatusView(record, path, sink);
  return sink.lines;
}

std::optional<std::u16string> textAt(const std::vector<TextLine>& lines, int x, int y) {
  for (const TextLine& line : lines) {
    if (line.x == x && line.y == y) return line.text;
  }
  return std::nullopt;
}

// The lines above the blocks when every value is empty and no type line is drawn.
std::vector<TextLine> labelsOnly() {
  return {{0, 0, u"ファイルパス："}, {0, 40, u"工房名"}, {0, 60, u"コンテナ名"}, {0, 80, u"説明"}};
}

TEST(StatusView, FullRecordShowsEveryLineAtItsPlace) {
  const ContainerRecord record = test::readyRecord();
  const std::vector<TextLine> expected = {
      {0, 0, u"ファイルパス："},
      {128, 0, u"C:\\parts\\box.cnt"},
      {0, 40, u"工房名"},
      {96, 40, u"工房"},
      {0, 60, u"コンテナ名"},
      {96, 60, u"コキ20ft"},
      {0, 80, u"説明"},
      {96, 80, u"説明文\r\n二行目"},
      {0, 100, u"種別"},
      {96, 100, u"20ft"},
      {96, 140, u"3D MODEL 118 bytes"},
      {96, 160, u"  Vertex 3"},
      {96, 200, u"TEXTURE 34 bytes"},
      {96, 220, u"  DX 256"},
      {96, 240, u"  DY 128"},
      {96, 280, u"SIDEVIEW 29 bytes"},
      {96, 300, u"  DX 64"},
      {96, 320, u"  DY 32"},
  };
  EXPECT_EQ(paint(record, u"C:\\parts\\box.cnt"), expected);
}

TEST(StatusView, NewRecordShowsTypeZeroAndThreeUnsetBlocks) {
  std::vector<TextLine> expected = labelsOnly();
  expected.insert(expected.end(), {{0, 100, u"種別"},
                                   {96, 100, u"---"},
                                   {96, 140, u"3D MODEL 未設定"},
                                   {96, 180, u"TEXTURE未設定"},
                                   {96, 220, u"SIDEVIEW未設定"}});
  EXPECT_EQ(paint(ContainerRecord{}), expected);
}

TEST(StatusView, TypeOutsideTheTableDrawsNoTypeLineAndMovesTheBlocksUp) {
  for (std::uint32_t typeIndex : {16u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu}) {
    ContainerRecord record;
    record.typeIndex = typeIndex;
    std::vector<TextLine> expected = labelsOnly();
    expected.insert(
        expected.end(),
        {{96, 120, u"3D MODEL 未設定"}, {96, 160, u"TEXTURE未設定"}, {96, 200, u"SIDEVIEW未設定"}});
    EXPECT_EQ(paint(record), expected) << typeIndex;
  }
}

TEST(StatusView, SideViewThatIsNoPngLeavesItsWholeBlockOut) {
  ContainerRecord record = test::readyRecord();
  for (Bytes sideView : {Bytes{'G', 'I', 'F', '8', '9', 'a'}, Bytes(40, 0), test::pngOf(1, 1)}) {
    sideView.resize(std::min<std::size_t>(sideView.size(), 23));  // too short for a header too
    record.sideViewData = sideView;
    const std::vector<TextLine> lines = paint(record);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), (TextLine{96, 240, u"  DY 128"}));
  }
}

TEST(StatusView, ValuesFromAFileAreShownWithoutReadingPastTheirFields) {
  ContainerRecord record;
  record.makerName.units().fill(u'M');  // no terminator in any text
  record.containerName.units().fill(u'C');
  record.description.units().fill(u'D');
  record.sideViewData = test::pngOf(0xFFFFFFFFu, 0x80000000u, 0);
  record.modelData = Bytes(3, 0);  // shorter than any model header
  record.modelVertexCount = 0xFFFFFFFFu;
  const std::vector<TextLine> lines = paint(record);
  EXPECT_EQ(textAt(lines, 96, 40), std::u16string(16, u'M'));
  EXPECT_EQ(textAt(lines, 96, 60), std::u16string(32, u'C'));
  EXPECT_EQ(textAt(lines, 96, 80), std::u16string(64, u'D'));
  EXPECT_EQ(textAt(lines, 96, 140), u"3D MODEL 3 bytes");
  EXPECT_EQ(textAt(lines, 96, 160), u"  Vertex -1");
  EXPECT_EQ(textAt(lines, 96, 240), u"SIDEVIEW 24 bytes");
  EXPECT_EQ(textAt(lines, 96, 260), u"  DX -1");
  EXPECT_EQ(textAt(lines, 96, 280), u"  DY -2147483648");
}

// The path alone goes to the sink as a path, which the front ends shorten to the window.
TEST(StatusView, ThePathIsDrawnAsAPath) {
  struct PathSink : LineSink {
    void pathOut(int x, int y, std::u16string_view path) override {
      paths.push_back({x, y, std::u16string(path)});
    }
    std::vector<TextLine> paths;
  } sink;
  paintStatusView(test::readyRecord(), u"C:\\parts\\box.cnt", sink);
  EXPECT_EQ(sink.paths, (std::vector<TextLine>{{128, 0, u"C:\\parts\\box.cnt"}}));
}

}  // namespace
}  // namespace qel
