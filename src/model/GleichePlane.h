#pragma once
// Equality of the planes that records carry: corners (within the points'
// tolerance), IDs and flags. The records' equality uses it.
#include "model/Plane.h"

namespace zeva {

bool GleichePlane(const Plane& a, const Plane& b);

} // namespace zeva
