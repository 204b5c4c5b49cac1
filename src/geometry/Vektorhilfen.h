#pragma once
// Small vector helpers of the roof geometry. Plan points are (x, y); in space
// y is the height and the plan's (x, y) is (x, z).
#include "model/Punkt2D.h"
#include "model/Punkt3D.h"

#include <vector>

namespace zeva {

class Plane;

// Each coordinate rounded to n significant digits.
Punkt3D RundePunkt3D(const Punkt3D& p, int n);

// Signed angle in radians, in [-π, π], by which the direction (x1, y1) must
// turn to reach (x2, y2); counter-clockwise positive, exactly π stays π.
double Drehwinkel(double x1, double y1, double x2, double y2);

// p rotated about the origin by the angle (radians) clockwise.
Punkt2D DrehePunkt(const Punkt2D& p, double winkel);

// Unit normal of the plane by Newell's method over lo, ro, ru, lu; its sign
// follows the corner order (it is not turned upwards). A degenerate plane
// gives (0, 0, 0).
Punkt3D Flaechennormale(const Plane& plane);

// The vertices of a circle drawn as a list of lines (two vertices per line):
// count + 1 lines, the first of zero length at (centre.x + radius, centre.y),
// the others the circle's chords. Empty for a count below 1.
std::vector<Punkt2D> KreisLinienpunkte(const Punkt2D& mitte, double radius, int anzahl);

} // namespace zeva
