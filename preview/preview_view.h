#pragma once

namespace qel {

// Where the preview looks from. The camera circles the centre of the model: yaw 0 and
// pitch 0 look along -z with y up (the side that a counter-clockwise face shows its
// front to), positive yaw moves the camera towards +x, positive pitch raises it.
struct PreviewView {
  float yawDegrees = 30.0f;
  float pitchDegrees = 20.0f;
  float distanceScale = 1.0f;  // the camera's distance as a multiple of the one that frames
                               // the whole model
};

inline constexpr float kMaxPitchDegrees = 89.0f;
inline constexpr float kMinDistanceScale = 0.1f;
inline constexpr float kMaxDistanceScale = 10.0f;

// A mouse drag by dx, dy pixels turns the model with the pointer.
void turnView(PreviewView& view, int dx, int dy);

// A wheel turned by delta (120 per notch, positive away from the user) brings the camera
// closer.
void zoomView(PreviewView& view, int delta);

}  // namespace qel
