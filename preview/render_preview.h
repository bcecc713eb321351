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

// Draws mesh into a width x height picture over background: perspective with a depth
// buffer, the texture (nothing: kUntexturedColour) mapped through the vertices' texture
// coordinates with wrapping, v downwards from the texture's top row, lit by a light at the
// camera from the vertices' normals. Both faces of each triangle are drawn, in their order,
// until their bounding boxes have covered 16 pictures.
RgbaImage renderPreview(const PreviewMesh& mesh, const RgbaImage* texture, const PreviewView& view,
                        int width, int height, Rgba background);

// The same, keeping its buffers from one picture to the next: for a view that draws often.
class PreviewRenderer {
 public:
  PreviewRenderer();
  ~PreviewRenderer();
  // The picture stays valid until the next call.
  const RgbaImage& render(const PreviewMesh& mesh, const RgbaImage* texture,
                          const PreviewView& view, int width, int height, Rgba background);
  // Whether the last picture shows the whole mesh and the mesh the whole model.
  bool drewAll() const { return drewAll_; }

 private:
  struct Transformed;
  RgbaImage image_;
  std::vector<float> depth_;
  std::vector<Transformed> transformed_;
  bool drewAll_ = true;
};

}  // namespace qel
