#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "base/bytes.h"
#include "container/container_record.h"
#include "preview/preview_mesh.h"
#include "preview/preview_view.h"
#include "preview/render_preview.h"
#include "preview/rgba_image.h"

namespace qel {

// The model's background in the pane and in rendered pictures.
inline constexpr Rgba kPreviewBackdrop{64, 72, 80, 255};

// A part of the pane, in pixels from its top-left corner.
struct PaneArea {
  int x, y, width, height;
  bool contains(int px, int py) const {
    return px >= x && py >= y && px < x + width && py < y + height;
  }
};

struct PanePicture {
  int x, y;
  const RgbaImage* image;  // valid until the pane changes
};

struct PaneText {
  int x, y;
  std::u16string_view text;
};

struct PaneContents {
  std::vector<PanePicture> pictures;
  std::vector<PaneText> texts;
};

// The preview beside the status lines: the record's model, turned with a mouse drag and
// zoomed with the wheel, and below it the texture and the side view at their pixel size.
// A front end places the pane, paints its contents and hands it the mouse; the pane
// decides everything else. An empty slot shows nothing.
class PreviewPane {
 public:
  static constexpr int kWidth = 536;
  static constexpr int kHeight = 600;
  static constexpr PaneArea kModelArea{8, 8, 520, 320};
  static constexpr PaneArea kTextureArea{8, 336, 256, 256};
  static constexpr PaneArea kSideViewArea{272, 336, 256, 256};

  PreviewPane() = default;
  // Draws the model at width by height instead of its area's size, for a caller that needs
  // fewer pixels (a fuzz run); the area and everything else stay as they are.
  PreviewPane(int modelWidth, int modelHeight)
      : modelWidth_(modelWidth), modelHeight_(modelHeight) {}
  PreviewPane(const PreviewPane&) = delete;
  PreviewPane& operator=(const PreviewPane&) = delete;

  // The picture whose area holds a point of the pane, for a file dropped there.
  enum class Picture { None, Model, Texture, SideView };
  static Picture pictureAt(int x, int y) {
    if (kTextureArea.contains(x, y)) return Picture::Texture;
    if (kSideViewArea.contains(x, y)) return Picture::SideView;
    return kModelArea.contains(x, y) ? Picture::Model : Picture::None;
  }

  // Takes over the record's model, texture and side view; cheap when they are unchanged.
  void follow(const ContainerRecord& record);

  // What to draw now; the model is drawn again only when it or the view has changed.
  PaneContents contents();

  // Mouse in pane coordinates. Each answers whether the pane must be painted again.
  void press(int x, int y);
  bool moveTo(int x, int y);
  void release();
  bool wheel(int x, int y, int delta);

  const PreviewView& view() const { return view_; }

 private:
  struct ImageSlot {
    std::optional<Bytes> bytes;
    std::optional<RgbaImage> image;  // nothing when the bytes do not decode
  };
  bool takeOver(ImageSlot& slot, const std::optional<Bytes>& bytes, const PaneArea& area);

  int modelWidth_ = kModelArea.width;
  int modelHeight_ = kModelArea.height;
  std::optional<Bytes> modelBytes_;
  std::optional<PreviewMesh> mesh_;
  ImageSlot texture_;
  ImageSlot sideView_;
  PreviewView view_;
  PreviewRenderer renderer_;
  const RgbaImage* modelPicture_ = nullptr;  // nothing: draw again
  std::optional<std::pair<int, int>> dragFrom_;
};

}  // namespace qel
