#include "preview/render_preview.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace qel {
namespace {

constexpr double kHalfFieldOfView = 20.0 * std::numbers::pi / 180.0;
constexpr float kNearPlane = 0.01f;  // in radii of the model
// A parallel camera stands this far from the centre, outside the unit sphere; its depth
// counts down from kParallelFar, so that the nearer surface has the larger value, as 1 / z
// has in perspective.
constexpr double kParallelDistance = 3.0;
constexpr float kParallelFar = 16.0f;
constexpr float kAmbient = 0.35f;
constexpr float kDiffuse = 0.65f;
constexpr float kTexCoordLimit = 1.0e6f;
// The pixels that the triangles' bounding boxes may cover together, in pictures: a model
// seen from outside covers a few; past this the rest is not drawn, so that a picture takes
// a bounded time whatever the model.
constexpr std::uint64_t kPixelWorkInPictures = 16;
// A line on a surface wins against the surface's own depth by this share.
constexpr float kLineDepthBias = 0.002f;
constexpr int kMaxGridLines = 200;  // a side
constexpr int kAxisLength = 28;     // pixels
constexpr int kAxisOrigin = 40;     // pixels from the left and bottom edges

struct Vec {
  double x, y, z;
};

Vec operator+(Vec a, Vec b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec operator-(Vec a, Vec b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec operator*(Vec a, double s) {
  return {a.x * s, a.y * s, a.z * s};
}
double dot(Vec a, Vec b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec cross(Vec a, Vec b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec normalized(Vec a) {
  const double length = std::sqrt(dot(a, a));
  return length > 0 && std::isfinite(length) ? a * (1 / length) : Vec{0, 0, 0};
}
Vec vec(Vector3 v) {
  return {v.x, v.y, v.z};
}

// The model moved to the origin and scaled to a unit sphere.
struct UnitSpace {
  Vec center;
  double unit;
  Vec operator()(Vec p) const { return (p - center) * unit; }
};

UnitSpace unitSpaceOf(const PreviewMesh& mesh) {
  return {vec(mesh.center), mesh.radius > 0 ? 1.0 / mesh.radius : 1.0};
}

// Camera axes in unit space, and how view space reaches the picture.
struct Camera {
  Vec eye, right, up, forward;
  bool parallel = false;
  double focal = 1;                 // perspective: pixels per unit of x / z
  double perUnit = 1;               // parallel: pixels per unit
  double centreX = 0, centreY = 0;  // parallel: the view-space point at the picture's centre
};

Camera cameraFor(const PreviewView& view, int width, int height, const PreviewMesh& mesh) {
  const double yaw = view.yawDegrees * std::numbers::pi / 180.0;
  const double pitch = std::clamp<double>(view.pitchDegrees, -kMaxPitchDegrees, kMaxPitchDegrees) *
                       std::numbers::pi / 180.0;
  double scale = std::clamp<double>(view.distanceScale, kMinDistanceScale, kMaxDistanceScale);
  if (!std::isfinite(scale)) scale = 1.0;
  const Vec towardsEye{std::sin(yaw) * std::cos(pitch), std::sin(pitch),
                       std::cos(yaw) * std::cos(pitch)};
  Camera camera;
  camera.forward = towardsEye * -1.0;
  // From the yaw alone, so that straight down keeps its bearing.
  camera.right = {std::cos(yaw), 0, -std::sin(yaw)};
  camera.up = cross(camera.right, camera.forward);
  const Vec pan = camera.right * view.panRight + camera.up * view.panUp;
  camera.parallel = view.orthographic;
  if (!camera.parallel) {
    const double tanY = std::tan(kHalfFieldOfView);
    const double tanX = tanY * width / height;
    const double framing = 1.0 / std::sin(std::atan(std::min(tanX, tanY)));
    camera.eye = towardsEye * (framing * scale) + pan;
    camera.focal = (height / 2.0) / tanY;
    return camera;
  }
  camera.eye = towardsEye * kParallelDistance + pan;
  // The bounding box's corners across the picture, fitted inside the margin.
  const UnitSpace space = unitSpaceOf(mesh);
  const Vec low = space(vec(mesh.low)), high = space(vec(mesh.high));
  double left = HUGE_VAL, right = -HUGE_VAL, bottom = HUGE_VAL, top = -HUGE_VAL;
  for (int corner = 0; corner < 8; ++corner) {
    const Vec p{corner & 1 ? high.x : low.x, corner & 2 ? high.y : low.y,
                corner & 4 ? high.z : low.z};
    left = std::min(left, dot(p, camera.right)), right = std::max(right, dot(p, camera.right));
    bottom = std::min(bottom, dot(p, camera.up)), top = std::max(top, dot(p, camera.up));
  }
  // The tighter of the two directions; a flat model seen edge-on is framed as its sphere.
  const int margin = std::max(0, view.marginPixels);
  double perUnit = HUGE_VAL;
  if (right - left > 1e-9) perUnit = std::max(1.0, width - 2.0 * margin) / (right - left);
  if (top - bottom > 1e-9) {
    perUnit = std::min(perUnit, std::max(1.0, height - 2.0 * margin) / (top - bottom));
  }
  if (!std::isfinite(perUnit)) perUnit = std::max(1, std::min(width, height) - 2 * margin) / 2.0;
  camera.perUnit = perUnit / scale;
  camera.centreX = (left + right) / 2 - view.panRight;
  camera.centreY = (bottom + top) / 2 - view.panUp;
  return camera;
}

// A corner in view space (x right, y up, z away from the eye) with what is interpolated.
struct Corner {
  float x, y, z;
  float u, v, light;
};

Corner mix(const Corner& a, const Corner& b, float t) {
  const auto at = [t](float p, float q) { return p + (q - p) * t; };
  return {at(a.x, b.x), at(a.y, b.y), at(a.z, b.z),
          at(a.u, b.u), at(a.v, b.v), at(a.light, b.light)};
}

float lightOf(Vec normal, Vec light) {
  return kAmbient + kDiffuse * static_cast<float>(std::max(0.0, dot(normal, light)));
}

float usableTexCoord(float t) {
  return std::isfinite(t) ? std::clamp(t, -kTexCoordLimit, kTexCoordLimit) : 0.0f;
}

// Cuts the segment from a to b to what lies at the near plane or beyond; false: nothing.
bool clipNear(Corner& a, Corner& b) {
  const bool aIn = a.z >= kNearPlane, bIn = b.z >= kNearPlane;
  if (!aIn && !bIn) return false;
  if (aIn != bIn) (aIn ? b : a) = mix(a, b, (kNearPlane - a.z) / (b.z - a.z));
  return true;
}

// The pixel steps of a segment's part inside a width x height picture.
struct Steps {
  float t0, t1;
  int count;
  float at(int i) const {
    return t0 + (t1 - t0) * (count > 1 ? static_cast<float>(i) / (count - 1) : 0.0f);
  }
};

std::optional<Steps> stepsInside(float x0, float y0, float x1, float y1, int width, int height) {
  if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1)) {
    return std::nullopt;
  }
  // Liang-Barsky against the picture.
  float t0 = 0, t1 = 1;
  const float dx = x1 - x0, dy = y1 - y0;
  const float edges[4][2] = {{-dx, x0}, {dx, width - 1 - x0}, {-dy, y0}, {dy, height - 1 - y0}};
  for (const auto& [p, q] : edges) {
    if (p == 0) {
      if (q < 0) return std::nullopt;
      continue;
    }
    const float t = q / p;
    if (p < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return std::nullopt;
  }
  return Steps{t0, t1,
               static_cast<int>(std::ceil(std::max(std::fabs(dx), std::fabs(dy)) * (t1 - t0))) + 1};
}

}  // namespace

// Named outside the file's own namespace, since the renderer's drawing steps take it.
class Rasterizer {
 public:
  // Clears image and depth to width x height.
  Rasterizer(const RgbaImage* texture, RgbaImage& image, std::vector<float>& depth, int width,
             int height, const Camera& camera, Rgba background)
      : texture_(texture && !texture->empty() ? texture : nullptr),
        image_(image),
        depth_(depth),
        parallel_(camera.parallel),
        scale_(static_cast<float>(camera.parallel ? camera.perUnit : camera.focal)),
        centreX_(static_cast<float>(camera.centreX)),
        centreY_(static_cast<float>(camera.centreY)) {
    image_.reset(width, height, background);
    depth_.assign(static_cast<std::size_t>(width) * height, 0.0f);
    pixelWorkLeft_ = kPixelWorkInPictures * static_cast<std::uint64_t>(width) * height;
  }

  // Whether the pixel work ran out: nothing more is drawn.
  bool exhausted() const { return exhausted_; }

  // Clips the triangle at the near plane and fills what is left.
  void draw(const Corner (&corners)[3], bool backFace) {
    Corner polygon[4];
    int count = 0;
    for (int i = 0; i < 3; ++i) {
      const Corner& a = corners[i];
      const Corner& b = corners[(i + 1) % 3];
      const bool aIn = a.z >= kNearPlane;
      const bool bIn = b.z >= kNearPlane;
      if (aIn) polygon[count++] = a;
      if (aIn != bIn) polygon[count++] = mix(a, b, (kNearPlane - a.z) / (b.z - a.z));
    }
    for (int i = 1; i + 1 < count; ++i) fill(polygon[0], polygon[i], polygon[i + 1], backFace);
  }

  // A line of one pixel; depthTested: hidden behind surfaces nearer than it.
  void line(Corner a, Corner b, Rgba colour, bool depthTested) {
    if (!clipNear(a, b)) return;
    const Projected p = project(a), q = project(b);
    line2d(p.x, p.y, p.depth, q.x, q.y, q.depth, colour, depthTested);
  }

 private:
  struct Projected {
    float x, y;
    float depth;          // larger is nearer; linear on the screen
    float w, uw, vw, lw;  // attributes times w, with w linear on the screen
  };

  Projected project(const Corner& c) const {
    if (parallel_) {
      return {image_.width * 0.5f + (c.x - centreX_) * scale_,
              image_.height * 0.5f - (c.y - centreY_) * scale_,
              kParallelFar - c.z,
              1.0f,
              c.u,
              c.v,
              c.light};
    }
    const float invZ = 1.0f / c.z;
    return {image_.width * 0.5f + c.x * invZ * scale_,
            image_.height * 0.5f - c.y * invZ * scale_,
            invZ,
            invZ,
            c.u * invZ,
            c.v * invZ,
            c.light * invZ};
  }

  void fill(const Corner& c0, const Corner& c1, const Corner& c2, bool backFace) {
    const Projected p[3] = {project(c0), project(c1), project(c2)};
    const float area =
        (p[1].x - p[0].x) * (p[2].y - p[0].y) - (p[2].x - p[0].x) * (p[1].y - p[0].y);
    if (!(std::fabs(area) > 0.0f) || !std::isfinite(area)) return;
    const float sign = area > 0 ? 1.0f : -1.0f;
    // Edge k is opposite corner k; its value at a pixel weighs corner k.
    float a[3], b[3], c[3];
    for (int k = 0; k < 3; ++k) {
      const Projected& from = p[(k + 1) % 3];
      const Projected& to = p[(k + 2) % 3];
      a[k] = sign * (from.y - to.y);
      b[k] = sign * (to.x - from.x);
      c[k] = sign * (from.x * to.y - from.y * to.x);
    }
    const float scale = 1.0f / std::fabs(area);

    const float left = std::max(0.0f, std::floor(std::min({p[0].x, p[1].x, p[2].x})));
    const float right = std::min<float>(image_.width - 1, std::max({p[0].x, p[1].x, p[2].x}));
    const float top = std::max(0.0f, std::floor(std::min({p[0].y, p[1].y, p[2].y})));
    const float bottom = std::min<float>(image_.height - 1, std::max({p[0].y, p[1].y, p[2].y}));
    if (!(left <= right && top <= bottom)) return;
    const int x0 = static_cast<int>(left), x1 = static_cast<int>(right);
    const int y0 = static_cast<int>(top), y1 = static_cast<int>(bottom);
    if (!spend(static_cast<std::uint64_t>(x1 - x0 + 1) * static_cast<std::uint64_t>(y1 - y0 + 1)))
      return;

    for (int y = y0; y <= y1; ++y) {
      const float py = y + 0.5f;
      const float px = x0 + 0.5f;
      float e[3];
      for (int k = 0; k < 3; ++k) e[k] = a[k] * px + b[k] * py + c[k];
      for (int x = x0; x <= x1; ++x, e[0] += a[0], e[1] += a[1], e[2] += a[2]) {
        if (e[0] < 0 || e[1] < 0 || e[2] < 0) continue;
        const float w0 = e[0] * scale, w1 = e[1] * scale, w2 = e[2] * scale;
        const float depth = w0 * p[0].depth + w1 * p[1].depth + w2 * p[2].depth;
        float& nearest = depth_[static_cast<std::size_t>(y) * image_.width + x];
        if (!(depth > nearest)) continue;
        nearest = depth;
        const float z = 1.0f / (w0 * p[0].w + w1 * p[1].w + w2 * p[2].w);
        const float u = (w0 * p[0].uw + w1 * p[1].uw + w2 * p[2].uw) * z;
        const float v = (w0 * p[0].vw + w1 * p[1].vw + w2 * p[2].vw) * z;
        const float light = (w0 * p[0].lw + w1 * p[1].lw + w2 * p[2].lw) * z;
        image_.set(x, y, shade(u, v, light, backFace));
      }
    }
  }

  bool spend(std::uint64_t work) {
    if (work > pixelWorkLeft_) {
      exhausted_ = true;
      return false;
    }
    pixelWorkLeft_ -= work;
    return true;
  }

  void line2d(float x0, float y0, float d0, float x1, float y1, float d1, Rgba colour,
              bool depthTested) {
    const std::optional<Steps> steps = stepsInside(x0, y0, x1, y1, image_.width, image_.height);
    if (!steps || !spend(static_cast<std::uint64_t>(steps->count))) return;
    for (int i = 0; i < steps->count; ++i) {
      const float t = steps->at(i);
      const int x = static_cast<int>(x0 + (x1 - x0) * t + 0.5f);
      const int y = static_cast<int>(y0 + (y1 - y0) * t + 0.5f);
      if (x < 0 || y < 0 || x >= image_.width || y >= image_.height) continue;
      if (depthTested) {
        const float depth = d0 + (d1 - d0) * t;
        const float nearest = depth_[static_cast<std::size_t>(y) * image_.width + x];
        if (depth * (1.0f + kLineDepthBias) < nearest) continue;
      }
      image_.set(x, y, colour);
    }
  }

  Rgba shade(float u, float v, float light, bool backFace) const {
    const Rgba base = texture_ ? texel(u, v) : kUntexturedColour;
    const float l = std::clamp(light, 0.0f, 1.0f);
    const auto channel = [&](std::uint8_t c, std::uint8_t tint) {
      const float lit = c * l;
      return static_cast<std::uint8_t>(backFace ? (lit + tint * l) * 0.5f : lit);
    };
    return {channel(base.r, kBackFaceTint.r), channel(base.g, kBackFaceTint.g),
            channel(base.b, kBackFaceTint.b), 255};
  }

  // Nearest texel, wrapping as the simulation's default sampler does.
  Rgba texel(float u, float v) const {
    const auto index = [](float t, int size) {
      float f = t - std::floor(t);
      if (!(f >= 0.0f && f < 1.0f)) f = 0.0f;
      return std::min(static_cast<int>(f * size), size - 1);
    };
    return texture_->at(index(u, texture_->width), index(v, texture_->height));
  }

  const RgbaImage* texture_;
  RgbaImage& image_;
  std::vector<float>& depth_;  // the nearest surface, larger nearer; 0 is nothing
  bool parallel_;
  float scale_;
  float centreX_, centreY_;
  std::uint64_t pixelWorkLeft_ = 0;
  bool exhausted_ = false;
};

namespace {

// 5 x 7 letters for the axis marker, a row to a byte, the leftmost pixel in bit 4.
constexpr std::uint8_t kAxisLetters[3][7] = {
    {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11},
    {0x11, 0x11, 0x0A, 0x04, 0x04, 0x04, 0x04},
    {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F},
};

void drawLetter(RgbaImage& image, int axis, int left, int top, Rgba colour) {
  for (int row = 0; row < 7; ++row) {
    for (int column = 0; column < 5; ++column) {
      const int x = left + column, y = top + row;
      if ((kAxisLetters[axis][row] >> (4 - column) & 1) && x >= 0 && y >= 0 && x < image.width &&
          y < image.height) {
        image.set(x, y, colour);
      }
    }
  }
}

}  // namespace

std::size_t drawLine(RgbaImage& image, float x0, float y0, float x1, float y1, Rgba colour) {
  const std::optional<Steps> steps = stepsInside(x0, y0, x1, y1, image.width, image.height);
  if (!steps) return 0;
  for (int i = 0; i < steps->count; ++i) {
    const float t = steps->at(i);
    const int x = static_cast<int>(x0 + (x1 - x0) * t + 0.5f);
    const int y = static_cast<int>(y0 + (y1 - y0) * t + 0.5f);
    if (x >= 0 && y >= 0 && x < image.width && y < image.height) image.set(x, y, colour);
  }
  return static_cast<std::size_t>(steps->count);
}

struct PreviewRenderer::Transformed {
  Vec position;  // view space
  Vec normal;    // view space; zero when the blob holds none that can be used
};

PreviewRenderer::PreviewRenderer() = default;
PreviewRenderer::~PreviewRenderer() = default;

RgbaImage renderPreview(const PreviewMesh& mesh, const RgbaImage* texture, const PreviewView& view,
                        int width, int height, Rgba background) {
  PreviewRenderer renderer;
  return renderer.render(mesh, texture, view, width, height, background);
}

// The camera with the model's unit space: where a point of the model lands in view space.
struct PreviewRenderer::Sight {
  Camera camera;
  UnitSpace space;

  Vec toView(Vec modelPoint) const {
    const Vec d = space(modelPoint) - camera.eye;
    return {dot(d, camera.right), dot(d, camera.up), dot(d, camera.forward)};
  }
  Corner corner(Vec modelPoint) const {
    const Vec p = toView(modelPoint);
    return {static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z), 0, 0, 0};
  }
};

const RgbaImage& PreviewRenderer::render(const PreviewMesh& mesh, const RgbaImage* texture,
                                         const PreviewView& view, int width, int height,
                                         Rgba background, const PreviewOverlays& overlays) {
  if (width <= 0 || height <= 0) {
    image_ = {};
    return image_;
  }
  const Sight sight{cameraFor(view, width, height, mesh), unitSpaceOf(mesh)};
  Rasterizer rasterizer(texture, image_, depth_, width, height, sight.camera, background);
  drewAll_ = !mesh.partial;
  if (mesh.triangles.empty()) return image_;
  drawMesh(mesh, sight, rasterizer);
  drewAll_ = drewAll_ && !rasterizer.exhausted();
  drawOverlays(mesh, sight, overlays, rasterizer);
  return image_;
}

void PreviewRenderer::drawMesh(const PreviewMesh& mesh, const Sight& sight,
                               Rasterizer& rasterizer) {
  const Camera& camera = sight.camera;
  // From the surface towards the light: above and to the left of the eye.
  const Vec light = normalized({-0.35, 0.5, -0.8});

  std::vector<Transformed>& transformed = transformed_;
  transformed.resize(mesh.vertices.size());
  for (std::size_t i = 0; i < mesh.vertices.size(); ++i) {
    const ModelVertex& v = mesh.vertices[i];
    transformed[i].position = sight.toView({v.x, v.y, v.z});
    const Vec n = normalized({v.nx, v.ny, v.nz});
    transformed[i].normal = {dot(n, camera.right), dot(n, camera.up), dot(n, camera.forward)};
  }

  for (const auto& triangle : mesh.triangles) {
    if (rasterizer.exhausted()) break;
    const Transformed* t[3] = {&transformed[triangle[0]], &transformed[triangle[1]],
                               &transformed[triangle[2]]};
    // View space is left-handed, so this order gives the normal of the counter-clockwise
    // front face.
    const Vec face =
        normalized(cross(t[2]->position - t[0]->position, t[1]->position - t[0]->position));
    if (dot(face, face) == 0) continue;
    // Perspective: towards the eye at the origin; parallel: along the view.
    const bool backFace = camera.parallel ? face.z > 0 : dot(face, t[0]->position) > 0;
    Corner corners[3];
    for (int k = 0; k < 3; ++k) {
      const ModelVertex& v = mesh.vertices[triangle[k]];
      Vec normal = dot(t[k]->normal, t[k]->normal) > 0 ? t[k]->normal : face;
      if (backFace) normal = normal * -1.0;
      corners[k] = {static_cast<float>(t[k]->position.x),
                    static_cast<float>(t[k]->position.y),
                    static_cast<float>(t[k]->position.z),
                    usableTexCoord(v.u),
                    usableTexCoord(v.v),
                    lightOf(normal, light)};
    }
    rasterizer.draw(corners, backFace);
  }
}

void PreviewRenderer::drawOverlays(const PreviewMesh& mesh, const Sight& sight,
                                   const PreviewOverlays& overlays, Rasterizer& rasterizer) {
  if (overlays.wireframe) {
    for (const auto& triangle : mesh.triangles) {
      if (rasterizer.exhausted()) break;
      for (int k = 0; k < 3; ++k) {
        const Vec a = transformed_[triangle[k]].position;
        const Vec b = transformed_[triangle[(k + 1) % 3]].position;
        rasterizer.line({float(a.x), float(a.y), float(a.z), 0, 0, 0},
                        {float(b.x), float(b.y), float(b.z), 0, 0, 0}, kWireColour, true);
      }
    }
  }
  const Vec low = vec(mesh.low), high = vec(mesh.high);
  if (const double step = overlays.gridSpacing; step > 0 && std::isfinite(step)) {
    // Whole steps around the footprint, one more on each side, on the ground under it.
    const double x0 = (std::floor(low.x / step) - 1) * step,
                 x1 = (std::ceil(high.x / step) + 1) * step;
    const double z0 = (std::floor(low.z / step) - 1) * step,
                 z1 = (std::ceil(high.z / step) + 1) * step;
    const double linesX = std::round((x1 - x0) / step), linesZ = std::round((z1 - z0) / step);
    if (linesX <= kMaxGridLines && linesZ <= kMaxGridLines) {
      for (int i = 0; i <= linesX; ++i) {
        const double x = x0 + i * step;
        rasterizer.line(sight.corner({x, low.y, z0}), sight.corner({x, low.y, z1}), kGridColour,
                        true);
      }
      for (int i = 0; i <= linesZ; ++i) {
        const double z = z0 + i * step;
        rasterizer.line(sight.corner({x0, low.y, z}), sight.corner({x1, low.y, z}), kGridColour,
                        true);
      }
    }
  }
  if (overlays.boundingBox) {
    const auto at = [&](int c) {
      return sight.corner({c & 1 ? high.x : low.x, c & 2 ? high.y : low.y, c & 4 ? high.z : low.z});
    };
    for (int c = 0; c < 8; ++c) {
      for (int bit : {1, 2, 4}) {
        if (!(c & bit)) rasterizer.line(at(c), at(c | bit), kBoxColour, false);
      }
    }
  }
  const int width = image_.width, height = image_.height;
  if (overlays.axes && width > 2 * kAxisOrigin && height > 2 * kAxisOrigin) {
    const Camera& camera = sight.camera;
    const float ox = kAxisOrigin, oy = static_cast<float>(height - kAxisOrigin);
    const Vec axes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (int axis = 0; axis < 3; ++axis) {
      const float ex = ox + static_cast<float>(dot(axes[axis], camera.right)) * kAxisLength;
      const float ey = oy - static_cast<float>(dot(axes[axis], camera.up)) * kAxisLength;
      drawLine(image_, ox, oy, ex, ey, kAxisColours[axis]);
      // The letter beyond the end, away from the origin.
      const float lx = ex + (ex - ox) * 0.3f, ly = ey + (ey - oy) * 0.3f;
      drawLetter(image_, axis, static_cast<int>(lx) - 2, static_cast<int>(ly) - 3,
                 kAxisColours[axis]);
    }
  }
}

}  // namespace qel
