#include "preview/preview_pane.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/number_text.h"
#include "base/text_pattern.h"
#include "preview/named_views.h"
#include "preview/png_codec.h"
#include "preview/side_view.h"

namespace qel {
namespace {

constexpr int kButtonWidth = 92;
constexpr int kButtonGap = 2;
constexpr int kLabelInset = 6;
constexpr int kNamedViewMargin = 12;
constexpr Rgba kTexCoordColour{255, 0, 255, 255};
// The texture-coordinate lines stop after this many pixels, whatever the model.
constexpr std::size_t kTexCoordWork = 16 * 256 * 256;

// The key of each button, in PaneButton order: Windows virtual-key codes.
constexpr int kVirtualHome = 0x24;
constexpr int kButtonKeys[kPaneButtonCount] = {'1', '2', '3', '4', kVirtualHome, 'W', 'U', 'O'};

RgbaImage buttonFace(Rgba face, Rgba border) {
  RgbaImage image(kButtonWidth, PreviewPane::kButtonHeight, face);
  for (int x = 0; x < image.width; ++x)
    image.set(x, 0, border), image.set(x, image.height - 1, border);
  for (int y = 0; y < image.height; ++y)
    image.set(0, y, border), image.set(image.width - 1, y, border);
  return image;
}

// The top-left part of image that fits area.
RgbaImage croppedTo(const RgbaImage& image, const PaneArea& area) {
  if (image.width <= area.width && image.height <= area.height) return image;
  RgbaImage part(std::max(0, std::min(image.width, area.width)),
                 std::max(0, std::min(image.height, area.height)), {});
  for (int y = 0; y < part.height; ++y) {
    for (int x = 0; x < part.width; ++x) part.set(x, y, image.at(x, y));
  }
  return part;
}

std::uint8_t mixed(std::uint8_t over, std::uint8_t under, int alpha) {
  return static_cast<std::uint8_t>((over * alpha + under * (255 - alpha) + 127) / 255);
}

// over laid on under (both of one size) with its own alpha times share / 255.
void layOver(RgbaImage& under, const RgbaImage& over, int share) {
  for (int y = 0; y < under.height; ++y) {
    for (int x = 0; x < under.width; ++x) {
      const Rgba a = over.at(x, y), b = under.at(x, y);
      const int alpha = a.a * share / 255;
      under.set(x, y,
                {mixed(a.r, b.r, alpha), mixed(a.g, b.g, alpha), mixed(a.b, b.b, alpha), 255});
    }
  }
}

// Lines a thousand units apart (a metre at 1 unit = 1 mm), or a tenth as far for each tenth the
// model is smaller, so that a few lines fall under it; ten times as far for a model past a hundred
// of them.
double gridSpacingFor(const PreviewMesh& mesh) {
  const double footprint = std::max<double>(mesh.high.x - mesh.low.x, mesh.high.z - mesh.low.z);
  double spacing = 1000.0;
  while (spacing > 1.0 && footprint < 2 * spacing) spacing /= 10;
  while (spacing < 1e30 && footprint > 100 * spacing) spacing *= 10;
  return spacing;
}

std::u16string metres(double millimetres) {
  if (millimetres >= 1000) return wholeNumberText(millimetres / 1000);
  std::u16string text = u"0.";
  for (double step = 100; step > millimetres; step /= 10) text += u'0';
  return text + u'1';
}

}  // namespace

PreviewPane::PreviewPane(const PaneWording& wording) : wording_(wording) {
  resize(kFirstWidth, kFirstHeight);
}

// The buttons take as many rows as the pane's width needs, so that a narrow pane (a
// small screen at a high DPI) shows all of them.
int PreviewPane::buttonsPerRow() const {
  return std::max(1, (width_ + kButtonGap) / (kButtonWidth + kButtonGap));
}

PaneArea PreviewPane::buttonArea(PaneButton button) const {
  const int index = static_cast<int>(button);
  const int perRow = buttonsPerRow();
  return {index % perRow * (kButtonWidth + kButtonGap),
          index / perRow * (kButtonHeight + kButtonGap), kButtonWidth, kButtonHeight};
}

void PreviewPane::resize(int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  const int info = kInfoLines * kLinePitch;
  const int rows = (static_cast<int>(kPaneButtonCount) + buttonsPerRow() - 1) / buttonsPerRow();
  const int modelTop = kModelTop + (rows - 1) * (kButtonHeight + kButtonGap);
  const int room = height - modelTop - info - kGap;
  const int images = std::clamp(room - kMinModelHeight, 0, kImageSide);
  model_ = {0, modelTop, width, std::max(0, room - images)};
  texture_.area = {0, height - images, std::min(kImageSide, width), images};
  sideView_.area = {kImageSide + kGap, height - images,
                    std::clamp(width - kImageSide - kGap, 0, kImageSide), images};
  for (ImageSlot* slot : {&texture_, &sideView_}) {
    if (slot->decoded) slot->shown = croppedTo(*slot->decoded, slot->area);
  }
  modelDrawn_ = false;
}

void PreviewPane::takeOver(ImageSlot& slot, const std::optional<Bytes>& bytes) {
  if (slot.bytes == bytes) return;
  slot.bytes = bytes;
  slot.decoded.reset();
  if (bytes) slot.decoded = decodePng(*bytes);
  if (slot.decoded) slot.shown = croppedTo(*slot.decoded, slot.area);
  modelDrawn_ = false;
  texCoordPicture_ = {};
}

PreviewPane::Picture PreviewPane::pictureAt(int x, int y) const {
  if (texture_.area.contains(x, y)) return Picture::Texture;
  if (sideView_.area.contains(x, y)) return Picture::SideView;
  return model_.contains(x, y) ? Picture::Model : Picture::None;
}

void PreviewPane::follow(const ContainerRecord& record, std::uint64_t revision) {
  if (revision_ == revision) return;
  revision_ = revision;
  if (modelBytes_ != record.modelData) {
    modelBytes_ = record.modelData;
    mesh_.reset();
    if (modelBytes_) mesh_ = std::move(readPreviewMesh(*modelBytes_).mesh);
    view_ = {};
    modelDrawn_ = false;
    texCoordPicture_ = {};
  }
  takeOver(texture_, record.textureData);
  takeOver(sideView_, record.sideViewData);
  lengthMm_ = record.lengthMm;
}

void PreviewPane::drawModel() {
  const double spacing = gridSpacingFor(*mesh_);
  const PreviewOverlays overlays{static_cast<float>(spacing), true, true, wireframe_};
  modelPicture_ = renderer_.render(*mesh_, textureImage(), view_, model_.width, model_.height,
                                   kPreviewBackdrop, overlays);
  partlyDrawn_ = !renderer_.drewAll();
}

// The side-on view at the side view's size with the side view over it at half strength,
// both made larger by the same whole number to fill the model's area.
void PreviewPane::drawSideViewOver() {
  const RgbaImage& stored = *sideView_.decoded;
  const SideViewSize size{std::min(stored.width, kImageSide), std::min(stored.height, kImageSide)};
  RgbaImage together(size.width, size.height, kPreviewBackdrop);
  layOver(together, renderSideView(*mesh_, textureImage(), size), 255);
  layOver(together, croppedTo(stored, {0, 0, size.width, size.height}), 128);
  const int factor = std::max(1, std::min(model_.width / size.width, model_.height / size.height));
  modelPicture_.reset(model_.width, model_.height, kPreviewBackdrop);
  const int left = (model_.width - size.width * factor) / 2;
  const int top = (model_.height - size.height * factor) / 2;
  for (int y = 0; y < size.height * factor; ++y) {
    for (int x = 0; x < size.width * factor; ++x) {
      const int px = left + x, py = top + y;
      if (px >= 0 && py >= 0 && px < model_.width && py < model_.height) {
        modelPicture_.set(px, py, together.at(x / factor, y / factor));
      }
    }
  }
  partlyDrawn_ = false;
}

bool PreviewPane::toggled(PaneButton button) const {
  switch (button) {
    case PaneButton::Wireframe:
      return wireframe_;
    case PaneButton::TexCoords:
      return texCoords_;
    case PaneButton::SideViewOver:
      return sideViewOver_;
    default:
      return false;
  }
}

// The line that compares the model's length in units with the part's, at unit_; past the
// tolerance it names a unit that would make them match, if one does.
std::u16string PreviewPane::lengthLine(double units) const {
  const std::u16string unitName(wording_.unitNames[static_cast<std::size_t>(unit_)]);
  const auto offBy = [&](ModelUnit unit) { return lengthOffBy(units, unit, lengthMm_); };
  const double difference = offBy(unit_);
  if (difference <= kLengthTolerance) {
    return fillPattern(wording_.lengthMatches, {wholeNumberText(lengthMm_), unitName});
  }
  std::u16string line =
      fillPattern(wording_.lengthDiffers,
                  {wholeNumberText(lengthMm_), wholeNumberText(difference * 100), unitName});
  for (const ModelUnit unit :
       {ModelUnit::Millimetre, ModelUnit::Centimetre, ModelUnit::Metre, ModelUnit::Inch}) {
    if (offBy(unit) <= kLengthTolerance) {
      line += fillPattern(wording_.unitWouldMatch,
                          {std::u16string(wording_.unitNames[static_cast<std::size_t>(unit)])});
      break;
    }
  }
  return line;
}

void PreviewPane::describe(PaneContents& contents) {
  lines_.clear();
  const PreviewMesh& mesh = *mesh_;
  const double dx = mesh.high.x - mesh.low.x, dz = mesh.high.z - mesh.low.z;
  const double length = std::max(dx, dz), width = std::min(dx, dz);
  const double height = mesh.high.y - mesh.low.y;
  const double mm = millimetresPer(unit_);
  lines_.push_back(fillPattern(
      wording_.modelSize,
      {threeFigures(length), threeFigures(width), threeFigures(height),
       std::u16string(wording_.unitNames[static_cast<std::size_t>(unit_)]),
       wholeNumberText(length * mm), wholeNumberText(width * mm), wholeNumberText(height * mm)}));
  if (lengthMm_ > 0) {
    lines_.push_back(lengthLine(length));
  } else {
    lines_.emplace_back();
  }
  lines_.push_back(fillPattern(wording_.legend, {metres(gridSpacingFor(mesh) * mm)}));
  const int top = model_.y + model_.height + 2;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (!lines_[i].empty()) {
      contents.texts.push_back({0, top + static_cast<int>(i) * kLinePitch, lines_[i]});
    }
  }
}

PaneContents PreviewPane::contents() {
  PaneContents contents;
  if (buttonFaces_[0].empty()) {
    buttonFaces_ = {buttonFace({230, 230, 230, 255}, {130, 130, 130, 255}),
                    buttonFace({180, 205, 240, 255}, {60, 90, 160, 255})};
  }
  if (mesh_) {
    for (std::size_t i = 0; i < kPaneButtonCount; ++i) {
      const auto button = static_cast<PaneButton>(i);
      const PaneArea area = buttonArea(button);
      if (area.x + area.width > width_) break;
      contents.pictures.push_back({area.x, area.y, &buttonFaces_[toggled(button) ? 1 : 0]});
      contents.texts.push_back({area.x + kLabelInset, area.y + 2, wording_.buttons[i]});
    }
    const bool over = sideViewOver_ && sideView_.decoded;
    if (!modelDrawn_) {
      over ? drawSideViewOver() : drawModel();
      modelDrawn_ = true;
    }
    contents.pictures.push_back({model_.x, model_.y, &modelPicture_});
    if (partlyDrawn_) contents.texts.push_back({model_.x, model_.y, wording_.partlyDrawn});
    if (sideViewOver_ && !sideView_.decoded) {
      contents.texts.push_back({model_.x, model_.y, wording_.noSideView});
    }
    describe(contents);
  }
  if (texture_.decoded) {
    const RgbaImage* shown = &texture_.shown;
    if (texCoords_ && mesh_) {
      if (texCoordPicture_.empty()) {
        texCoordPicture_ = texture_.shown;
        const float w = static_cast<float>(texture_.decoded->width);
        const float h = static_cast<float>(texture_.decoded->height);
        std::size_t work = 0;
        for (const auto& triangle : mesh_->triangles) {
          for (int k = 0; k < 3 && work < kTexCoordWork; ++k) {
            const ModelVertex& a = mesh_->vertices[triangle[k]];
            const ModelVertex& b = mesh_->vertices[triangle[(k + 1) % 3]];
            work += drawLine(texCoordPicture_, a.u * w, a.v * h, b.u * w, b.v * h, kTexCoordColour);
          }
        }
      }
      shown = &texCoordPicture_;
    }
    contents.pictures.push_back({texture_.area.x, texture_.area.y, shown});
  } else if (texture_.bytes) {
    contents.texts.push_back({texture_.area.x, texture_.area.y, wording_.noTexture});
  }
  // A side view that cannot be read is left out, as the status view leaves out its lines.
  if (sideView_.decoded) {
    contents.pictures.push_back({sideView_.area.x, sideView_.area.y, &sideView_.shown});
  }
  return contents;
}

bool PreviewPane::push(PaneButton button) {
  if (!mesh_) return false;
  const auto named = [&](ViewDirection direction) {
    view_ = namedView(direction, *mesh_, kNamedViewMargin);
    sideViewOver_ = false;
  };
  switch (button) {
    case PaneButton::Front:
      named(ViewDirection::Front);
      break;
    case PaneButton::Side:
      named(ViewDirection::Side);
      break;
    case PaneButton::Top:
      named(ViewDirection::Top);
      break;
    case PaneButton::Back:
      named(ViewDirection::Back);
      break;
    case PaneButton::Reset:
      view_ = {};
      sideViewOver_ = false;
      break;
    case PaneButton::Wireframe:
      wireframe_ = !wireframe_;
      break;
    case PaneButton::TexCoords:
      texCoords_ = !texCoords_;
      break;
    case PaneButton::SideViewOver:
      sideViewOver_ = !sideViewOver_;
      break;
  }
  modelDrawn_ = false;
  return true;
}

bool PreviewPane::key(int virtualKey) {
  const int* found = std::find(std::begin(kButtonKeys), std::end(kButtonKeys), virtualKey);
  if (found == std::end(kButtonKeys)) return false;
  return push(static_cast<PaneButton>(found - std::begin(kButtonKeys)));
}

bool PreviewPane::press(int x, int y, MouseButton button) {
  dragFrom_.reset();
  if (!mesh_) return false;
  for (std::size_t i = 0; i < kPaneButtonCount; ++i) {
    if (button == MouseButton::Left && buttonArea(static_cast<PaneButton>(i)).contains(x, y)) {
      return push(static_cast<PaneButton>(i));
    }
  }
  if (model_.contains(x, y) && !sideViewOver_) {
    dragFrom_ = {x, y};
    dragButton_ = button;
  }
  return false;
}

bool PreviewPane::moveTo(int x, int y) {
  if (!dragFrom_) return false;
  const int dx = x - dragFrom_->first, dy = y - dragFrom_->second;
  if (dragButton_ == MouseButton::Left) {
    turnView(view_, dx, dy);
  } else {
    panView(view_, dx, dy, model_.height);
  }
  dragFrom_ = {x, y};
  modelDrawn_ = false;
  return true;
}

void PreviewPane::release() {
  dragFrom_.reset();
}

bool PreviewPane::wheel(int x, int y, int delta) {
  if (!mesh_ || sideViewOver_ || !model_.contains(x, y) || delta == 0) return false;
  zoomView(view_, delta);
  modelDrawn_ = false;
  return true;
}

}  // namespace qel
