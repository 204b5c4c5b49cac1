#pragma once
// A polygon in space: an ordered list of points, closed implicitly.
#include "model/Punkt3D.h"

#include <cstddef>
#include <initializer_list>
#include <vector>

namespace zeva {

class Plane;

class CPolygon3D {
public:
    CPolygon3D() = default;
    CPolygon3D(std::initializer_list<Punkt3D> punkte) : m_punkte(punkte) {}

    std::size_t size() const { return m_punkte.size(); }
    bool empty() const { return m_punkte.empty(); }
    Punkt3D& operator[](std::size_t i) { return m_punkte[i]; }
    const Punkt3D& operator[](std::size_t i) const { return m_punkte[i]; }
    auto begin() const { return m_punkte.begin(); }
    auto end() const { return m_punkte.end(); }
    const std::vector<Punkt3D>& Punkte() const { return m_punkte; }
    void push_back(const Punkt3D& p) { m_punkte.push_back(p); }
    void Leere() { m_punkte.clear(); }

    // Unit normal with y >= 0 from the diagonals of the first four points (the
    // two edges at the second point of a triangle); (0,0,0) for fewer than
    // three points; a degenerate normal (length below 1e-7) is returned
    // times 1 000 000 instead of normalised.
    Punkt3D Normale() const;
    // Area to 3 significant digits; 0 for fewer than three points.
    double Flaeche() const;
    // Where the line through a and b (not only the segment) meets the
    // polygon's plane, each coordinate to 3 significant digits; false when
    // the line runs parallel to it.
    bool Durchstosspunkt(const Punkt3D& a, const Punkt3D& b, Punkt3D& punkt) const;

    // Append a point unless an equal one is present already; true when
    // something was appended.
    bool FuegeHinzu(const Punkt3D& p);
    // The corners lo, ro, ru, lu.
    bool FuegeEckenHinzu(const Plane& plane);

    // Orders the points around the first one in the (x, z) plane; meant for
    // the corners of a convex polygon; always terminates.
    void Sortiere();

private:
    std::vector<Punkt3D> m_punkte;
};

} // namespace zeva
