#pragma once
// Intersection and difference of two plan polygons on the Clipper library.
// Each polygon is one closed contour (the first point is not repeated), filled
// by the even-odd rule; the result may consist of several contours: outer
// contours counter-clockwise, holes clockwise.
#include "model/Punkt2D.h"

#include <span>
#include <vector>

namespace zeva {

enum class ClipOperation { Intersection, Difference };

struct ClipResult {
    std::vector<std::vector<Punkt2D>> contours;
    // The true area of the result, holes subtracted, not rounded.
    double area = 0;

    // The outer contour of the largest area; empty when there is none.
    const std::vector<Punkt2D>* LargestOuterContour() const;
};

// a ∩ b or a \ b. Polygons with fewer than three points, or with points that
// are not finite or too large for the clipper's integers, count as empty.
ClipResult Clip(ClipOperation op, std::span<const Punkt2D> a, std::span<const Punkt2D> b);

// Signed shoelace area of one contour (positive when counter-clockwise).
double SignedArea(std::span<const Punkt2D> contour);

} // namespace zeva
