#include "preview/side_view.h"

#include <algorithm>

#include "image/png_check.h"
#include "preview/named_views.h"
#include "preview/render_preview.h"

namespace qel {

SideViewSize sideViewSizeFor(const std::optional<Bytes>& current) {
  PngSize size;
  if (!current || failed(readPngSize(*current, size)) || size.width < 1 || size.height < 1) {
    return {};
  }
  return {static_cast<int>(std::min<std::uint32_t>(size.width, kMaxImageSide)),
          static_cast<int>(std::min<std::uint32_t>(size.height, kMaxImageSide))};
}

RgbaImage renderSideView(const PreviewMesh& mesh, const RgbaImage* texture, SideViewSize size) {
  return renderPreview(mesh, texture, namedView(ViewDirection::Side, mesh, kSideViewMargin),
                       size.width, size.height, {0, 0, 0, 0});
}

}  // namespace qel
