#include "model/flat_normal.h"

#include <cmath>

namespace qel {

Vector3 normalizeVector(const Vector3& v) {
  // Each product in a statement of its own, so that none is fused into the sum.
  const float xx = v.x * v.x;
  const float yy = v.y * v.y;
  const float zz = v.z * v.z;
  const float sum = xx + yy;
  const float length = std::sqrt(sum + zz);
  if (length == 0.0f) return {0.0f, 0.0f, 0.0f};
  return {v.x / length, v.y / length, v.z / length};
}

Vector3 flatNormal(const Vector3& p0, const Vector3& p1, const Vector3& p2) {
  // The edges are float vectors, as the positions are.
  const Vector3 e1{p0.x - p1.x, p0.y - p1.y, p0.z - p1.z};
  const Vector3 e2{p0.x - p2.x, p0.y - p2.y, p0.z - p2.z};
  const auto cross = [](float a, float b, float c, float d) {
    const double first = double{a} * b;
    const double second = double{c} * d;
    return static_cast<float>(first - second);
  };
  return normalizeVector({cross(e1.y, e2.z, e1.z, e2.y), cross(e1.z, e2.x, e1.x, e2.z),
                          cross(e1.x, e2.y, e1.y, e2.x)});
}

}  // namespace qel
