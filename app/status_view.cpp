#include "app/status_view.h"

#include <string>

#include "dialogs/container_type_table.h"
#include "image/png_check.h"
#include "resources/status_texts.h"

namespace qel {
namespace {

constexpr int kLabelX = 0;
constexpr int kValueX = 96;
constexpr int kPathX = 128;
constexpr int kLinePitch = 20;
constexpr int kBlockGap = 40;  // one empty line between two blocks

std::u16string withNumber(std::u16string_view prefix, std::int64_t number,
                          std::u16string_view suffix = {}) {
  std::u16string line(prefix);
  for (char c : std::to_string(number)) line.push_back(static_cast<char16_t>(c));
  line += suffix;
  return line;
}

// Sizes are shown as the signed 32-bit numbers that the file format stores.
std::int32_t asShown(std::size_t size) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(size));
}

class StatusLines {
 public:
  explicit StatusLines(platform::TextSink& sink) : sink_(sink) {}

  void draw(int x, int y, std::u16string_view text) {
    if (!text.empty()) sink_.textOut(x, y, text);
  }
  void drawPath(int x, int y, std::u16string_view path) {
    if (!path.empty()) sink_.pathOut(x, y, path);
  }

  // Lines of one block at the value column, 20 pixels apart from start; answers the y of
  // its last line.
  int block(int start, std::initializer_list<std::u16string> lines) {
    int y = start - kLinePitch;
    for (const std::u16string& line : lines) draw(kValueX, y += kLinePitch, line);
    return y;
  }

 private:
  platform::TextSink& sink_;
};

}  // namespace

void paintStatusView(const ContainerRecord& record, std::u16string_view containerPath,
                     platform::TextSink& sink) {
  StatusLines lines(sink);
  lines.draw(kLabelX, 0, resources::kStatusPathLabel);
  lines.drawPath(kPathX, 0, containerPath);
  lines.draw(kLabelX, 40, resources::kStatusWorkshopLabel);
  lines.draw(kValueX, 40, record.makerName.view());
  lines.draw(kLabelX, 60, resources::kStatusContainerNameLabel);
  lines.draw(kValueX, 60, record.containerName.view());
  lines.draw(kLabelX, 80, resources::kStatusDescriptionLabel);
  lines.draw(kValueX, 80, record.description.view());

  int y = 120;
  if (record.typeIndex < kContainerTypeCount) {
    lines.draw(kLabelX, 100, resources::kStatusTypeLabel);
    lines.draw(kValueX, 100, kContainerTypeTable[record.typeIndex]);
    y = 140;
  }

  if (record.modelData) {
    y = lines.block(y, {withNumber(u"3D MODEL ", asShown(record.modelData->size()), u" bytes"),
                        withNumber(u"  Vertex ", asShown(record.modelVertexCount))});
  } else {
    y = lines.block(y, {std::u16string(resources::kStatusModelUnset)});
  }

  y += kBlockGap;
  if (record.textureData) {
    y = lines.block(
        y, {withNumber(u"TEXTURE ", asShown(record.textureData->size()), u" bytes"),
            withNumber(u"  DX ", record.textureWidth), withNumber(u"  DY ", record.textureHeight)});
  } else {
    y = lines.block(y, {std::u16string(resources::kStatusTextureUnset)});
  }

  y += kBlockGap;
  if (!record.sideViewData) {
    lines.block(y, {std::u16string(resources::kStatusSideViewUnset)});
    return;
  }
  // A side view that is no PNG leaves its whole block out.
  PngSize size;
  if (failed(readPngSize(*record.sideViewData, size))) return;
  lines.block(
      y, {withNumber(u"SIDEVIEW ", asShown(record.sideViewData->size()), u" bytes"),
          withNumber(u"  DX ", asShown(size.width)), withNumber(u"  DY ", asShown(size.height))});
}

}  // namespace qel
