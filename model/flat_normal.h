#pragma once

#include "model/obj_model.h"

namespace qel {

// The unit normal of the triangle p0, p1, p2 (counter-clockwise seen from its front):
// the cross product of the float edges p0 - p1 and p0 - p2, each component computed in
// double and kept as a float, then normalised in float arithmetic. Collinear corners give
// (0, 0, 0).
Vector3 flatNormal(const Vector3& p0, const Vector3& p1, const Vector3& p2);

// v divided by its length, in floats; a vector of length 0 gives (0, 0, 0).
Vector3 normalizeVector(const Vector3& v);

}  // namespace qel
