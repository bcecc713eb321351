#include "model/texture_mapping.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace qel {
namespace {

// The inset of 1.1 texels on each side, as the float nearest to 2.2.
constexpr double kInset = 2.2f;

float insetShare(float extent) {
  return static_cast<float>((double{extent} - kInset) / extent);
}

// Finite floats in their numeric order as integers (both zeros at 0).
std::int64_t orderOf(float x) {
  const auto bits = std::bit_cast<std::uint32_t>(x);
  const std::int64_t magnitude = bits & 0x7FFFFFFF;
  return bits >> 31 ? -magnitude : magnitude;
}

float floatAt(std::int64_t order) {
  const auto magnitude = static_cast<std::uint32_t>(order < 0 ? -order : order);
  return std::bit_cast<float>(order < 0 ? magnitude | 0x80000000u : magnitude);
}

// The float x for which the monotonic forward(x) comes nearest to target, found by
// bisection over the floats in their numeric order.
template <typename Forward>
float nearestSource(float target, Forward forward) {
  if (std::isnan(target)) return target;
  const float direction = forward(1.0f) - forward(0.0f);
  if (!(direction != 0.0f)) return target;
  const bool rising = direction > 0.0f;
  if (std::isinf(target)) return rising ? target : -target;
  // Every finite float: a mapping that leaves the float range gives an infinity, which
  // keeps it monotonic.
  const float high = std::numeric_limits<float>::max();
  const float low = -high;
  // The first x whose image is not before target in the direction of the mapping.
  const auto notBefore = [&](float x) {
    return rising ? forward(x) >= target : forward(x) <= target;
  };
  std::int64_t first = orderOf(low);
  std::int64_t last = orderOf(high);
  while (first < last) {
    const std::int64_t middle = first + (last - first) / 2;
    if (notBefore(floatAt(middle))) {
      last = middle;
    } else {
      first = middle + 1;
    }
  }
  const float above = floatAt(first);
  const float below = floatAt(std::max(first - 1, orderOf(low)));
  const double aboveMiss = std::fabs(double{forward(above)} - target);
  const double belowMiss = std::fabs(double{forward(below)} - target);
  return belowMiss < aboveMiss ? below : above;
}

}  // namespace

MaterialMapping::MaterialMapping(const MaterialEntry& material, float atlasWidth, float atlasHeight)
    : empty_(material.rectWidth == 0.0f || material.rectHeight == 0.0f || atlasWidth == 0.0f ||
             atlasHeight == 0.0f) {
  if (empty_) return;
  sx_ = static_cast<float>(double{material.rectWidth} / atlasWidth);
  ox_ = static_cast<float>(double{material.rectX} / atlasWidth);
  sy_ = static_cast<float>(double{material.rectHeight} / atlasHeight);
  oy_ = static_cast<float>(double{material.rectY} / atlasHeight);
  kx_ = insetShare(material.rectWidth);
  ky_ = insetShare(material.rectHeight);
}

TexCoord MaterialMapping::unmap(TexCoord mapped) const {
  if (empty_) return mapped;
  return {nearestSource(mapped.u,
                        [this](float u) {
                          return map({u, 0.5f}).u;
                        }),
          nearestSource(mapped.v, [this](float v) {
            return map({0.5f, v}).v;
          })};
}

}  // namespace qel
