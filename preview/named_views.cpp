#include "preview/named_views.h"

namespace qel {

PreviewView namedView(ViewDirection direction, const PreviewMesh& mesh, int marginPixels) {
  const bool alongX = mesh.high.x - mesh.low.x >= mesh.high.z - mesh.low.z;
  // Seen from +z with yaw 0, +x lies to the right; seen from -x with yaw -90, +z does.
  const float side = alongX ? 0.0f : -90.0f;
  PreviewView view;
  view.orthographic = true;
  view.marginPixels = marginPixels;
  view.pitchDegrees = 0.0f;
  switch (direction) {
    case ViewDirection::Side:
      view.yawDegrees = side;
      break;
    case ViewDirection::Top:
      view.yawDegrees = side;
      view.pitchDegrees = kMaxPitchDegrees;
      break;
    case ViewDirection::Front:
      view.yawDegrees = side + 90.0f;
      break;
    case ViewDirection::Back:
      view.yawDegrees = side - 90.0f;
      break;
  }
  return view;
}

}  // namespace qel
