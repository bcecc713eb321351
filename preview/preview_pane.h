#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/bytes.h"
#include "container/container_record.h"
#include "image/png_check.h"
#include "model/model_scale.h"
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
  std::vector<PanePicture> pictures;  // in drawing order
  std::vector<PaneText> texts;        // drawn over the pictures
};

// The buttons along the pane's top, in their order; each has a key.
enum class PaneButton { Front, Side, Top, Back, Reset, Wireframe, TexCoords, SideViewOver };
inline constexpr std::size_t kPaneButtonCount = 8;

// The pane's words, given by the program. In the formats %1, %2 and %3 stand for numbers.
struct PaneWording {
  std::array<std::u16string_view, kPaneButtonCount> buttons;
  // %1 length, %2 width, %3 height in the model's units; %4 the unit; %5, %6, %7 in mm.
  std::u16string_view modelSize;
  std::u16string_view lengthMatches;  // %1 the part's length, %2 the unit
  std::u16string_view
      lengthDiffers;           // %1 the part's length, %2 the difference in percent, %3 the unit
  std::u16string_view legend;  // %1 the grid's spacing in metres; the back-face tint
  std::u16string_view noTexture;
  std::u16string_view partlyDrawn;
  std::u16string_view noSideView;      // the side view is to be laid over, but there is none
  std::u16string_view unitWouldMatch;  // after lengthDiffers: %1 a unit that gives the length
  std::array<std::u16string_view, 4> unitNames;  // by ModelUnit
};

// The preview beside the status lines: the record's model, turned with the left button,
// moved with the right or middle one and zoomed with the wheel, seen from the named views
// or the free one; a grid under it, its bounding box and size, an axis marker, and below
// it the texture and the side view at their pixel size. A front end places the pane,
// paints its contents and hands it the mouse and the keys; the pane decides everything
// else. An empty slot shows nothing.
class PreviewPane {
 public:
  static constexpr int kButtonHeight = 22;
  static constexpr int kModelTop = 28;  // below one row of buttons
  static constexpr int kLinePitch = 20;
  static constexpr int kInfoLines = 3;
  static constexpr int kImageSide = static_cast<int>(kMaxImageSide);  // at its pixel size
  static constexpr int kGap = 8;
  static constexpr int kMinModelHeight = 120;  // the images shrink before the model does
  // The size the pane has until it is given another.
  static constexpr int kFirstWidth = 760;
  static constexpr int kFirstHeight = 600;

  // Laid out at the first size.
  explicit PreviewPane(const PaneWording& wording);

  // What one unit of the model is, as the author says; millimetres until told.
  void setModelUnit(ModelUnit unit) { unit_ = unit; }
  PreviewPane(const PreviewPane&) = delete;
  PreviewPane& operator=(const PreviewPane&) = delete;

  // Lays the pane out over width x height pixels; cheap when the size is unchanged.
  void resize(int width, int height);

  // The picture whose area holds a point of the pane, for a file dropped there.
  enum class Picture { None, Model, Texture, SideView };
  Picture pictureAt(int x, int y) const;

  // Takes over the record's model, texture, side view and length; nothing to do while the
  // record's revision (which every change bumps) stays the same. A new model starts in the
  // first view, framed whole.
  void follow(const ContainerRecord& record, std::uint64_t revision);

  // What to draw now; the model is drawn again only when it or the view has changed.
  PaneContents contents();

  // Mouse in pane coordinates. Each answers whether the pane must be painted again.
  enum class MouseButton { Left, Right, Middle };
  bool press(int x, int y, MouseButton button = MouseButton::Left);
  bool moveTo(int x, int y);
  void release();
  bool wheel(int x, int y, int delta);
  // A key without modifiers, as its Windows virtual-key code (digits and letters by their
  // capital): answers whether it was the pane's.
  bool key(int virtualKey);
  bool push(PaneButton button);

  const PreviewView& view() const { return view_; }
  PaneArea modelArea() const { return model_; }
  PaneArea textureArea() const { return texture_.area; }
  PaneArea sideViewArea() const { return sideView_.area; }
  PaneArea buttonArea(PaneButton button) const;

 private:
  struct ImageSlot {
    PaneArea area{};
    std::optional<Bytes> bytes;
    std::optional<RgbaImage> decoded;  // nothing when the bytes do not decode
    RgbaImage shown;                   // cut to the area
  };
  void takeOver(ImageSlot& slot, const std::optional<Bytes>& bytes);
  const RgbaImage* textureImage() const { return texture_.decoded ? &*texture_.decoded : nullptr; }
  void drawModel();
  void drawSideViewOver();
  void describe(PaneContents& contents);
  std::u16string lengthLine(double units) const;
  bool toggled(PaneButton button) const;
  int buttonsPerRow() const;

  std::optional<std::uint64_t> revision_;
  const PaneWording& wording_;
  int width_ = 0, height_ = 0;
  PaneArea model_{};
  std::optional<Bytes> modelBytes_;
  std::optional<PreviewMesh> mesh_;
  float lengthMm_ = 0.0f;
  ModelUnit unit_ = ModelUnit::Millimetre;
  ImageSlot texture_;
  ImageSlot sideView_;
  PreviewView view_;
  bool wireframe_ = false;
  bool texCoords_ = false;
  bool sideViewOver_ = false;
  PreviewRenderer renderer_;
  RgbaImage modelPicture_;
  bool modelDrawn_ = false;  // false: draw again
  bool partlyDrawn_ = false;
  RgbaImage texCoordPicture_;
  std::array<RgbaImage, 2> buttonFaces_;  // up, down
  std::vector<std::u16string> lines_;     // the texts below the model
  std::optional<std::pair<int, int>> dragFrom_;
  MouseButton dragButton_ = MouseButton::Left;
};

}  // namespace qel
