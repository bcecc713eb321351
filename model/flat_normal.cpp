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
  const double e1x = double{p0.x} - p1.x, e1y = double{p0.y} - p1.y, e1z = double{p0.z} - p1.z;
  const double e2x = double{p0.x} - p2.x, e2y = double{p0.y} - p2.y, e2z = double{p0.z} - p2.z;
  const auto cross = [](double a, double b, double c, double d) {
    const double first = a * b;
    const double second = c * d;
    return static_cast<float>(first - second);
  };
  return normalizeVector(
      {cross(e1y, e2z, e1z, e2y), cross(e1z, e2x, e1x, e2z), cross(e1x, e2y, e1y, e2x)});
}

}  // namespace qel
