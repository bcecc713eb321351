#pragma once

#include "preview/preview_mesh.h"
#include "preview/preview_view.h"

namespace qel {

// The views a container is judged by, parallel and framed on its bounding box. The side
// looks across the model's longest horizontal axis, its positive end to the right; front
// and back look along that axis from its positive and its negative end; the top looks
// down with the long axis across, as the side shows it.
enum class ViewDirection { Front, Side, Top, Back };

PreviewView namedView(ViewDirection direction, const PreviewMesh& mesh, int marginPixels);

}  // namespace qel
