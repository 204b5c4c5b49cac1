#pragma once
// A segment in space from A to B (y is the height).
#include "model/Punkt3D.h"

#include <optional>

namespace zeva {

class Strecke3D {
public:
    Strecke3D() = default;
    Strecke3D(const Punkt3D& a, const Punkt3D& b) : A(a), B(b) {}

    // The point of the line through A and B at height h; nullopt for a
    // horizontal segment, which has no single such point.
    std::optional<Punkt3D> PunktAufHoehe(double h) const;

    // Crossing with another segment: first in the vertical x-y projection,
    // when that is not degenerate (x and y of schnitt are written, z not),
    // else in the plan projection (schnitt gets the plan crossing at this
    // segment's start height). -1 parallel in both (nothing written), 1 when
    // the crossing lies within both segments, else 0.
    int Schnittpunkt(const Strecke3D& andere, Punkt3D& schnitt) const;

    Punkt3D A;
    Punkt3D B;
};

} // namespace zeva
