#pragma once
// The roof in the plan and in space: its outline, its faces as plan polygons
// and as planes, its ridge and edges as space segments. Heights are relative
// to the eaves. A roof without the points of its form gives empty results.
#include "geometry/CPolygon2D.h"
#include "geometry/Strecke2D.h"
#include "geometry/Strecke3D.h"
#include "model/CDach.h"
#include "model/Plane.h"

#include <array>

namespace zeva {

// The outline of the roof in the plan: the distinct corners, widened by a
// ridge end dragged beyond its side.
CPolygon2D Grundriss(const CDach& dach);

// The distinct plan points of face i.
CPolygon2D FlaechenGrundriss(const CDach& dach, int i);

// Face i as a plane, its corners turned (as a whole cycle, the upper edge
// first) so that the normal of the corner order points out of the outline.
Plane FlaechePlane(const CDach& dach, int i);

// The face of the four plan points at the four heights, as the records keep
// it: reversed (as a whole cycle) when the roof's corners run
// counter-clockwise, so that its normal points out of the roof.
Plane FlaecheAusEcken(const CDach& dach, const std::array<int, 4>& punkte, const std::array<double, 4>& hoehen);

// The ridge at height Hoehe: between the ridge ends, or, for the flat and the
// pyramid roof, from corner 0 or the apex along the ridge axis.
Strecke3D First3D(const CDach& dach);

// Edge i of the roof's edge list at the eaves.
Strecke3D Kante3D(const CDach& dach, int i);

// The ridge axis as a plan segment.
Strecke2D Firstachse(const CDach& dach);

} // namespace zeva
