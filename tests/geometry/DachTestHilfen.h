#pragma once
// Roofs for the roof tests, placed the way the plan editor places them: the
// rectangle from corner 0, its size and angle, then the points, edges, ridge
// axis and face list.
#include "geometry/DachGeometrie.h"
#include "model/CDach.h"
#include "model/Haus.h"

#include <cmath>
#include <vector>

namespace zeva::test {

struct DachMasse {
    int typ = dachtyp::Satteldach;
    double L = 10;
    double W = 6;
    double hoehe = 3;
    int firstGedreht = 0;
    Punkt2D p0{0, 0};
    double winkel = 0;
    double mansardHoehe = -1; // -1: 2/3 of the height
    double geschossHoehe = 3;
    int beheizt = 1;
};

inline CDach BaueDach(const DachMasse& m)
{
    CDach d(m.typ);
    d.Hoehe = m.hoehe;
    d.MansardHoehe = m.mansardHoehe < 0 ? m.hoehe * 2 / 3 : m.mansardHoehe;
    d.GeschossHoehe = m.geschossHoehe;
    d.SetzeBeheizt(m.beheizt);
    d.FirstGedreht = m.firstGedreht;
    d.m_size = Punkt2D(m.L, m.W);
    d.Winkel = m.winkel;
    d.SetzePunktzahl();
    d.m_points[0] = m.p0;
    d.SetzeKanten();
    d.BerechneDachpunkte(true);
    d.SetzeFirstachse();
    d.BaueFlaechenliste();
    return d;
}

// A face is a proper (convex or triangular) quadrilateral when both ways of
// cutting it along a diagonal give two triangles turning the same way; a
// crossed (bow-tie) face turns one of them over.
inline bool IstGekreuzt(const Plane& f)
{
    const auto gleichsinnig = [](const Punkt3D& a, const Punkt3D& b, const Punkt3D& c, const Punkt3D& d) {
        const Punkt3D n1 = (b - a).Kreuzprodukt(c - a);
        const Punkt3D n2 = (c - a).Kreuzprodukt(d - a);
        return n1.Skalarprodukt(n2) >= -1e-9;
    };
    return !gleichsinnig(f.lo, f.ro, f.ru, f.lu) || !gleichsinnig(f.ro, f.ru, f.lu, f.lo);
}

inline bool Nahe(const Punkt2D& a, const Punkt2D& b, double eps = 1e-9)
{
    return std::fabs(a.x - b.x) <= eps && std::fabs(a.y - b.y) <= eps;
}

inline bool Nahe(const Punkt3D& a, const Punkt3D& b, double eps = 1e-9)
{
    return std::fabs(a.x - b.x) <= eps && std::fabs(a.y - b.y) <= eps && std::fabs(a.z - b.z) <= eps;
}

inline Punkt2DArray Rechteck(double x0, double y0, double x1, double y1)
{
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

// The same rectangle as the plan editor stores every closed outline:
// clockwise in the y-up plan, whichever way it was drawn.
inline Punkt2DArray RechteckWieGespeichert(double x0, double y0, double x1, double y1)
{
    return {{x0, y0}, {x0, y1}, {x1, y1}, {x1, y0}};
}

// A drawn house: zone 10 × 8 over an unheated basement, one storey, a heated
// Satteldach (Hoehe 3, attic storey 1.5), the wizard's default build-ups.
inline void GezeichnetesHaus(Haus& h)
{
    h.Steildach = 1;
    h.m_aZone[0].m_a2DGrundrissPunkte = Rechteck(0, 0, 10, 8);
    h.m_aDach.Add(BaueDach({.L = 10, .W = 8, .hoehe = 3, .geschossHoehe = 1.5}));
    h.m_defaultWand.kWert = 1.4;
    h.m_defaultWand.Zone = 0;
    h.m_defaultSteildach.kWert = 0.8;
    h.m_defaultDecke.kWert = 0.9;
    h.m_defaultBoden.kWert = 1.0;
    // The heated floor: ground floor and attic storey.
    h.Energiebezugsflaeche = 80 + 40;
    h.Volumen = 80 * 2.5 + 40 * 1.5;
}

} // namespace zeva::test
