#pragma once
// Straight distances between points in the world.

#include <cmath>

#include "host/native_invoker.h"

namespace quillomar {

// The straight 3D distance between two points, in metres: squares summed in single precision,
// the root taken in double.
inline float Distance(const Vector3& a, const Vector3& b) {
    float dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
    return static_cast<float>(std::sqrt(static_cast<double>(dx * dx + dy * dy + dz * dz)));
}

}  // namespace quillomar
