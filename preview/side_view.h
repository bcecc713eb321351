#pragma once

#include <optional>

#include "base/bytes.h"
#include "preview/preview_mesh.h"
#include "preview/rgba_image.h"

namespace qel {

// Between the model and each edge of a generated side view, in the direction that frames
// it; the other direction centres it.
inline constexpr int kSideViewMargin = 2;
inline constexpr int kDefaultSideViewWidth = 200;
inline constexpr int kDefaultSideViewHeight = 64;

struct SideViewSize {
  int width = kDefaultSideViewWidth;
  int height = kDefaultSideViewHeight;
};

// The size of a side view made for a part: that of its side view when it has one that can
// be read, within 256 x 256, else the default.
SideViewSize sideViewSizeFor(const std::optional<Bytes>& current);

// The model seen from the side (ViewDirection::Side), parallel, framed tight within
// kSideViewMargin, with its texture (or none), over a transparent background.
RgbaImage renderSideView(const PreviewMesh& mesh, const RgbaImage* texture, SideViewSize size);

}  // namespace qel
