#pragma once

#include <vector>

#include "preview/preview_mesh.h"
#include "preview/preview_view.h"
#include "preview/rgba_image.h"

namespace qel {

// The colour of surfaces without a texture.
inline constexpr Rgba kUntexturedColour{200, 200, 200, 255};
// What a back face (seen from the side its winding turns away from) is mixed with, half
// and half, so that a face pointing the wrong way stands out.
inline constexpr Rgba kBackFaceTint{255, 0, 255, 255};
inline constexpr Rgba kGridColour{150, 160, 170, 255};
inline constexpr Rgba kBoxColour{255, 220, 0, 255};
inline constexpr Rgba kWireColour{20, 20, 20, 255};
// The axis marker's x, y and z.
inline constexpr Rgba kAxisColours[3] = {
    {240, 60, 60, 255}, {60, 220, 60, 255}, {80, 140, 255, 255}};

// What is drawn over the model; lengths in the model's own units.
struct PreviewOverlays {
  float gridSpacing = 0.0f;  // a grid on the ground under the model, lines this far apart;
                             // 0: none
  bool boundingBox = false;
  bool axes = false;  // a marker of the model's axes in the bottom-left corner
  bool wireframe = false;
};

// Draws mesh into a width x height picture over background: perspective or parallel with
// a depth buffer, the texture (nothing: kUntexturedColour) mapped through the vertices'
// texture coordinates with wrapping, v downwards from the texture's top row, lit by a light
// at the camera from the vertices' normals. Both faces of each triangle are drawn, in their
// order, until their bounding boxes (and the wireframe's lines) have covered 16 pictures.
RgbaImage renderPreview(const PreviewMesh& mesh, const RgbaImage* texture, const PreviewView& view,
                        int width, int height, Rgba background);

// A line of one pixel in picture coordinates, over everything; answers the pixels it
// stepped over, so that a caller can bound the work of many.
std::size_t drawLine(RgbaImage& image, float x0, float y0, float x1, float y1, Rgba colour);

class Rasterizer;  // the drawing steps' own

// The same, keeping its buffers from one picture to the next: for a view that draws often.
class PreviewRenderer {
 public:
  PreviewRenderer();
  ~PreviewRenderer();
  // The picture stays valid until the next call.
  const RgbaImage& render(const PreviewMesh& mesh, const RgbaImage* texture,
                          const PreviewView& view, int width, int height, Rgba background,
                          const PreviewOverlays& overlays = {});
  // Whether the last picture shows the whole mesh and the mesh the whole model.
  bool drewAll() const { return drewAll_; }

 private:
  struct Transformed;
  struct Sight;
  // The triangles, shaded; then the lines and the axis marker over them.
  void drawMesh(const PreviewMesh& mesh, const Sight& sight, Rasterizer& rasterizer);
  void drawOverlays(const PreviewMesh& mesh, const Sight& sight, const PreviewOverlays& overlays,
                    Rasterizer& rasterizer);
  RgbaImage image_;
  std::vector<float> depth_;
  std::vector<Transformed> transformed_;
  bool drewAll_ = true;
};

}  // namespace qel
