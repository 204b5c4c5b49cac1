#pragma once
// A plan polygon: an ordered list of points, closed implicitly (the edge from
// the last point back to the first belongs to it).
#include "model/Punkt2D.h"
#include "model/Punkt3D.h"

#include <cstddef>
#include <initializer_list>
#include <span>
#include <vector>

namespace zeva {

class Plane;

class CPolygon2D {
public:
    CPolygon2D() = default;
    CPolygon2D(std::initializer_list<Punkt2D> punkte) : m_punkte(punkte) {}
    explicit CPolygon2D(std::span<const Punkt2D> punkte) : m_punkte(punkte.begin(), punkte.end()) {}

    std::size_t size() const { return m_punkte.size(); }
    bool empty() const { return m_punkte.empty(); }
    Punkt2D& operator[](std::size_t i) { return m_punkte[i]; }
    const Punkt2D& operator[](std::size_t i) const { return m_punkte[i]; }
    auto begin() const { return m_punkte.begin(); }
    auto end() const { return m_punkte.end(); }
    const std::vector<Punkt2D>& Punkte() const { return m_punkte; }
    // Appends without looking for duplicates.
    void push_back(const Punkt2D& p) { m_punkte.push_back(p); }
    void Leere() { m_punkte.clear(); }

    // 1 inside, 0 outside, by the crossing rule. With flag exactly 1 a point
    // on an edge also counts as inside (a vertex is still decided by the
    // crossing rule, as a segment's end points are not on it).
    int PunktInPolygon(const Punkt2D& p, int flag) const;
    // The same for the plan point (p.x, p.z).
    int PunktInPolygon(const Punkt3D& p, int flag) const;

    // Area to 3 significant digits; 0 for fewer than three points.
    double Flaeche() const;

    // Append a point unless an equal one is present already (equality of
    // plan points, within 0.0001); true when something was appended.
    bool FuegeHinzu(const Punkt2D& p);
    // The plan point (p.x, p.z).
    bool FuegeHinzu(const Punkt3D& p);
    // The plan points of the corners lo, ro, ru, lu.
    bool FuegeEckenHinzu(const Plane& plane);
    bool FuegeAlleHinzu(const CPolygon2D& andere);

    // Orders the points around the first one, which stays in place:
    // counter-clockwise with richtung 1 (plan x right, y up), else clockwise.
    // Meant for the corners of a convex polygon; always terminates.
    void Sortiere(int richtung);

    // Area of this ∩ b to 3 significant digits; out receives the intersection
    // (the largest piece when it falls apart; the area counts all pieces).
    // When one polygon lies wholly in the other (touching its edges
    // included), out becomes that polygon without clipping.
    double Schnittflaeche(const CPolygon2D& b, CPolygon2D& out) const;
    // Area of this minus b. When b lies in this, the result is the difference
    // of the areas and b's points are appended to out in reverse order; when
    // this lies in b, out is emptied and the result is 0. Otherwise out
    // receives the largest piece of the difference and the result counts all
    // pieces (holes subtracted).
    double Differenz(const CPolygon2D& b, CPolygon2D& out) const;

private:
    // Whether the other polygon lies wholly in this one, its corners and
    // edges on this one's edges included.
    bool Enthaelt(const CPolygon2D& andere) const;
    void FuegeKonturHinzu(const std::vector<Punkt2D>& kontur);

    std::vector<Punkt2D> m_punkte;
};

} // namespace zeva
