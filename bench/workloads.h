#pragma once

#include "container/container_format.h"
#include "preview/preview_mesh.h"
#include "preview/rgba_image.h"

// The inputs of the benchmarks that the native build and the page both measure.
namespace qel::bench {

// The side of the square preview frame drawn.
inline constexpr int kFrameSide = 512;

// A sphere stretched to a container's proportions at the working model's capacity (30,000
// vertices, 10,000 textured triangles), every triangle with corners of its own as the
// converter writes them.
PreviewMesh containerLikeMesh();
// A 256 x 256 checkerboard.
RgbaImage checkerTexture();
// A record whose blocks together hold about 64 MiB, mostly model.
ContainerRecord largeRecord();

}  // namespace qel::bench
