#pragma once
// A plan segment from A to B.
#include "model/Punkt2D.h"

namespace zeva {

class Strecke2D {
public:
    Strecke2D() = default;
    Strecke2D(const Punkt2D& a, const Punkt2D& b) : A(a), B(b) {}

    void Setze(const Punkt2D& a, const Punkt2D& b);

    double Laenge() const;
    // Distance of p from the infinite line through A and B; -1 for a segment
    // shorter than 1e-8.
    double Abstand(const Punkt2D& p) const;
    // Foot of the perpendicular from p onto the line; false (fuss untouched)
    // for a segment shorter than 1e-8.
    bool Lotfusspunkt(const Punkt2D& p, Punkt2D& fuss) const;
    // 1 when p lies on the segment within 0.001. An end point of a segment
    // of 0.001 or longer does not count; on a shorter segment it does.
    int LiegtAuf(const Punkt2D& p) const;
    // -1 parallel (schnitt untouched), 1 when the lines cross within both
    // segments (bounds included), 0 when they cross outside; the crossing is
    // written whenever the segments are not parallel.
    int Schnittpunkt(const Strecke2D& andere, Punkt2D& schnitt) const;

    Punkt2D A;
    Punkt2D B;
};

} // namespace zeva
