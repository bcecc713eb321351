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
  // The camera moved across the picture, in radii of the model along its right and up.
  float panRight = 0.0f;
  float panUp = 0.0f;
  // Parallel projection, framed on the model's bounding box with this margin in pixels
  // (distanceScale then divides the size); otherwise perspective, framed on its sphere.
  bool orthographic = false;
  int marginPixels = 0;
};

inline constexpr float kMaxPitchDegrees = 90.0f;
inline constexpr float kMinDistanceScale = 0.1f;
inline constexpr float kMaxDistanceScale = 10.0f;

// A mouse drag by dx, dy pixels turns the model with the pointer, in perspective.
void turnView(PreviewView& view, int dx, int dy);

// A drag by dx, dy pixels over a picture pictureHeight pixels high moves the model with the
// pointer.
void panView(PreviewView& view, int dx, int dy, int pictureHeight);

// A wheel turned by delta (120 per notch, positive away from the user) brings the camera
// closer.
void zoomView(PreviewView& view, int delta);

}  // namespace qel
