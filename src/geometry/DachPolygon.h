#pragma once
// Plan-polygon helpers that the roof needs beyond the general polygon: the
// turning sense of a face, the centre of an outline, and the test whether a
// moved face keeps turning the same way.
#include "geometry/CPolygon2D.h"

namespace zeva {

// Turning sense of the polygon (see Umlaufsinn of a point run): -1 when it
// turns left, 1 when it turns right, 0 when undecided.
int Umlaufsinn(const CPolygon2D& polygon);

// The mean of the points (not the area centroid); (0, 0) for an empty polygon.
Punkt2D Schwerpunkt(const CPolygon2D& polygon);

// True when no edge of the polygon turns against the sign about its first
// point (sign -1: every turn must be to the left or straight). Sign 0 accepts
// any polygon.
bool BehaeltUmlaufsinn(const CPolygon2D& polygon, int vorzeichen);

} // namespace zeva
