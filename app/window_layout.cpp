#include "app/window_layout.h"

#include <algorithm>

#include "app/status_view.h"
#include "preview/preview_pane.h"

namespace qel {

platform::ClientArea previewPaneArea(int clientWidth, int clientHeight) {
  const int width = clientWidth - kPaneLeft - kPaneBorder;
  const int height = clientHeight - kPaneTop - kPaneBorder;
  if (width <= 0 || height <= 0) return {};
  return {kPaneLeft, kPaneTop, width, height};
}

platform::ClientArea firstClientArea() {
  return {0, 0, std::max(kStatusViewWidth, kPaneLeft + PreviewPane::kFirstWidth + kPaneBorder),
          std::max(kStatusViewHeight, kPaneTop + PreviewPane::kFirstHeight + kPaneBorder)};
}

}  // namespace qel
