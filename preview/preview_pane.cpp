#include "preview/preview_pane.h"

#include <algorithm>

#include "preview/png_codec.h"

namespace qel {
namespace {

// Images larger than their area show their top-left part.
RgbaImage croppedTo(const RgbaImage& image, const PaneArea& area) {
  if (image.width <= area.width && image.height <= area.height) return image;
  RgbaImage part(std::min(image.width, area.width), std::min(image.height, area.height), {});
  for (int y = 0; y < part.height; ++y) {
    for (int x = 0; x < part.width; ++x) part.set(x, y, image.at(x, y));
  }
  return part;
}

}  // namespace

bool PreviewPane::takeOver(ImageSlot& slot, const std::optional<Bytes>& bytes,
                           const PaneArea& area) {
  if (slot.bytes == bytes) return false;
  slot.bytes = bytes;
  slot.image.reset();
  if (bytes) {
    if (auto decoded = decodePng(*bytes)) slot.image = croppedTo(*decoded, area);
  }
  return true;
}

void PreviewPane::follow(const ContainerRecord& record, std::uint64_t revision) {
  if (revision_ == revision) return;
  revision_ = revision;
  bool redraw = false;
  if (modelBytes_ != record.modelData) {
    modelBytes_ = record.modelData;
    mesh_.reset();
    if (modelBytes_) mesh_ = std::move(readPreviewMesh(*modelBytes_).mesh);
    redraw = true;
  }
  redraw = takeOver(texture_, record.textureData, kTextureArea) || redraw;
  takeOver(sideView_, record.sideViewData, kSideViewArea);
  if (redraw) modelPicture_ = nullptr;
}

PaneContents PreviewPane::contents() {
  PaneContents contents;
  if (mesh_) {
    if (!modelPicture_) {
      modelPicture_ = &renderer_.render(*mesh_, texture_.image ? &*texture_.image : nullptr, view_,
                                        modelWidth_, modelHeight_, kPreviewBackdrop);
    }
    contents.pictures.push_back({kModelArea.x, kModelArea.y, modelPicture_});
    if (!renderer_.drewAll()) {
      contents.texts.push_back({kModelArea.x, kModelArea.y, u"model too large: partly drawn"});
    }
  }
  if (texture_.image) {
    contents.pictures.push_back({kTextureArea.x, kTextureArea.y, &*texture_.image});
  } else if (texture_.bytes) {
    contents.texts.push_back({kTextureArea.x, kTextureArea.y, u"no texture"});
  }
  // A side view that cannot be read is left out, as the status view leaves out its lines.
  if (sideView_.image) {
    contents.pictures.push_back({kSideViewArea.x, kSideViewArea.y, &*sideView_.image});
  }
  return contents;
}

void PreviewPane::press(int x, int y) {
  dragFrom_.reset();
  if (mesh_ && kModelArea.contains(x, y)) dragFrom_ = {x, y};
}

bool PreviewPane::moveTo(int x, int y) {
  if (!dragFrom_) return false;
  turnView(view_, x - dragFrom_->first, y - dragFrom_->second);
  dragFrom_ = {x, y};
  modelPicture_ = nullptr;
  return true;
}

void PreviewPane::release() {
  dragFrom_.reset();
}

bool PreviewPane::wheel(int x, int y, int delta) {
  if (!mesh_ || !kModelArea.contains(x, y) || delta == 0) return false;
  zoomView(view_, delta);
  modelPicture_ = nullptr;
  return true;
}

}  // namespace qel
