#include "preview/preview_view.h"

#include <algorithm>
#include <cmath>

namespace qel {
namespace {
constexpr float kDegreesPerPixel = 0.5f;
constexpr float kScalePerNotch = 0.85f;
constexpr float kPanLimit = 10.0f;  // radii: far enough to look past any end of the model
}  // namespace

void turnView(PreviewView& view, int dx, int dy) {
  view.orthographic = false;
  view.yawDegrees = std::remainder(view.yawDegrees - dx * kDegreesPerPixel, 360.0f);
  view.pitchDegrees =
      std::clamp(view.pitchDegrees + dy * kDegreesPerPixel, -kMaxPitchDegrees, kMaxPitchDegrees);
}

void panView(PreviewView& view, int dx, int dy, int pictureHeight) {
  if (pictureHeight <= 0) return;
  // About the picture's height is two radii at the framing distance, nearer when zoomed in.
  const float perPixel = 2.0f * view.distanceScale / static_cast<float>(pictureHeight);
  view.panRight = std::clamp(view.panRight - dx * perPixel, -kPanLimit, kPanLimit);
  view.panUp = std::clamp(view.panUp + dy * perPixel, -kPanLimit, kPanLimit);
}

void zoomView(PreviewView& view, int delta) {
  const float scale = view.distanceScale * std::pow(kScalePerNotch, delta / 120.0f);
  view.distanceScale = std::clamp(scale, kMinDistanceScale, kMaxDistanceScale);
}

}  // namespace qel
