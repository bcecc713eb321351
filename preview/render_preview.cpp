#include "preview/render_preview.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qel {
namespace {

constexpr double kHalfFieldOfView = 20.0 * std::numbers::pi / 180.0;
constexpr float kNearPlane = 0.01f;  // in radii of the model
constexpr float kAmbient = 0.35f;
constexpr float kDiffuse = 0.65f;
constexpr float kTexCoordLimit = 1.0e6f;
// The pixels that the triangles' bounding boxes may cover together, in pictures: a model
// seen from outside covers a few; past this the rest is not drawn, so that a picture takes
// a bounded time whatever the model.
constexpr std::uint64_t kPixelWorkInPictures = 16;

struct Vec {
  double x, y, z;
};

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

// Camera axes in model space, the model moved to the origin and scaled to a unit sphere.
struct Camera {
  Vec eye, right, up, forward;
  double focal;  // pixels per unit of x / z
};

Camera cameraFor(const PreviewView& view, int width, int height) {
  const double yaw = view.yawDegrees * std::numbers::pi / 180.0;
  const double pitch = std::clamp<double>(view.pitchDegrees, -kMaxPitchDegrees, kMaxPitchDegrees) *
                       std::numbers::pi / 180.0;
  const double tanY = std::tan(kHalfFieldOfView);
  const double tanX = tanY * width / height;
  const double framing = 1.0 / std::sin(std::atan(std::min(tanX, tanY)));
  const double scale = std::clamp<double>(view.distanceScale, kMinDistanceScale, kMaxDistanceScale);
  const Vec towardsEye{std::sin(yaw) * std::cos(pitch), std::sin(pitch),
                       std::cos(yaw) * std::cos(pitch)};
  Camera camera;
  camera.eye = towardsEye * (framing * (std::isfinite(scale) ? scale : 1.0));
  camera.forward = towardsEye * -1.0;
  camera.right = normalized(cross(camera.forward, {0, 1, 0}));
  camera.up = cross(camera.right, camera.forward);
  camera.focal = (height / 2.0) / tanY;
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

class Rasterizer {
 public:
  // Clears image and depth to width x height.
  Rasterizer(const RgbaImage* texture, RgbaImage& image, std::vector<float>& depth, int width,
             int height, double focal, Rgba background)
      : texture_(texture && !texture->empty() ? texture : nullptr),
        image_(image),
        depth_(depth),
        focal_(static_cast<float>(focal)) {
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

 private:
  struct Projected {
    float x, y, invZ, uz, vz, lz;  // attributes divided by z: linear on the screen
  };

  Projected project(const Corner& c) const {
    const float invZ = 1.0f / c.z;
    return {image_.width * 0.5f + c.x * invZ * focal_,
            image_.height * 0.5f - c.y * invZ * focal_,
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
    const auto work =
        static_cast<std::uint64_t>(x1 - x0 + 1) * static_cast<std::uint64_t>(y1 - y0 + 1);
    if (work > pixelWorkLeft_) {
      exhausted_ = true;
      return;
    }
    pixelWorkLeft_ -= work;

    for (int y = y0; y <= y1; ++y) {
      const float py = y + 0.5f;
      const float px = x0 + 0.5f;
      float e[3];
      for (int k = 0; k < 3; ++k) e[k] = a[k] * px + b[k] * py + c[k];
      for (int x = x0; x <= x1; ++x, e[0] += a[0], e[1] += a[1], e[2] += a[2]) {
        if (e[0] < 0 || e[1] < 0 || e[2] < 0) continue;
        const float w0 = e[0] * scale, w1 = e[1] * scale, w2 = e[2] * scale;
        const float invZ = w0 * p[0].invZ + w1 * p[1].invZ + w2 * p[2].invZ;
        float& nearest = depth_[static_cast<std::size_t>(y) * image_.width + x];
        if (!(invZ > nearest)) continue;
        nearest = invZ;
        const float z = 1.0f / invZ;
        const float u = (w0 * p[0].uz + w1 * p[1].uz + w2 * p[2].uz) * z;
        const float v = (w0 * p[0].vz + w1 * p[1].vz + w2 * p[2].vz) * z;
        const float light = (w0 * p[0].lz + w1 * p[1].lz + w2 * p[2].lz) * z;
        image_.set(x, y, shade(u, v, light, backFace));
      }
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
  std::vector<float>& depth_;  // 1 / z of the nearest surface; 0 is nothing
  float focal_;
  std::uint64_t pixelWorkLeft_ = 0;
  bool exhausted_ = false;
};

}  // namespace

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

const RgbaImage& PreviewRenderer::render(const PreviewMesh& mesh, const RgbaImage* texture,
                                         const PreviewView& view, int width, int height,
                                         Rgba background) {
  if (width <= 0 || height <= 0) {
    image_ = {};
    return image_;
  }
  const Camera camera = cameraFor(view, width, height);
  Rasterizer rasterizer(texture, image_, depth_, width, height, camera.focal, background);
  drewAll_ = !mesh.partial;
  if (mesh.triangles.empty()) return image_;

  const Vec center{mesh.center.x, mesh.center.y, mesh.center.z};
  const double unit = mesh.radius > 0 ? 1.0 / mesh.radius : 1.0;
  const auto toView = [&](Vec p) {
    const Vec d = p - camera.eye;
    return Vec{dot(d, camera.right), dot(d, camera.up), dot(d, camera.forward)};
  };
  // From the surface towards the light: above and to the left of the eye.
  const Vec light = normalized({-0.35, 0.5, -0.8});

  std::vector<Transformed>& transformed = transformed_;
  transformed.resize(mesh.vertices.size());
  for (std::size_t i = 0; i < mesh.vertices.size(); ++i) {
    const ModelVertex& v = mesh.vertices[i];
    transformed[i].position = toView((Vec{v.x, v.y, v.z} - center) * unit);
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
    // The eye is at the origin of view space.
    const bool backFace = dot(face, t[0]->position) > 0;
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
  drewAll_ = drewAll_ && !rasterizer.exhausted();
  return image_;
}

}  // namespace qel
