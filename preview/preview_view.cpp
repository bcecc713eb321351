#include "preview/preview_view.h"

#include <algorithm>
#include <cmath>

namespace qel {
namespace {
constexpr float kDegreesPerPixel = 0.5f;
constexpr float kScalePerNotch = 0.85f;
}  // namespace

void turnView(PreviewView& view, int dx, int dy) {
  view.yawDegrees = std::remainder(view.yawDegrees - dx * kDegreesPerPixel, 360.0f);
  view.pitchDegrees =
      std::clamp(view.pitchDegrees + dy * kDegreesPerPixel, -kMaxPitchDegrees, kMaxPitchDegrees);
}

void zoomView(PreviewView& view, int delta) {
  const float scale = view.distanceScale * std::pow(kScalePerNotch, delta / 120.0f);
  view.distanceScale = std::clamp(scale, kMinDistanceScale, kMaxDistanceScale);
}

}  // namespace qel
