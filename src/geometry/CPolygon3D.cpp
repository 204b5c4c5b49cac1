#include "geometry/CPolygon3D.h"

#include "geometry/Punktliste.h"
#include "geometry/Vektorhilfen.h"
#include "model/GeometrieToleranzen.h"
#include "model/Plane.h"
#include "model/Zahlentext.h"

#include <cmath>

namespace zeva {

Punkt3D CPolygon3D::Normale() const
{
    const std::size_t n = m_punkte.size();
    if (n <= 2)
        return {0, 0, 0};
    const auto& p = m_punkte;
    const Punkt3D a = n >= 4 ? p[3] - p[1] : p[2] - p[1];
    const Punkt3D b = p[0] - p[2];
    Punkt3D v = a.Kreuzprodukt(b);
    if (v.y < 0)
        v = -v;
    const double l = v.Betrag();
    if (l < toleranz::DegenerierteNormale)
        return v * toleranz::DegenerierteNormaleFaktor;
    return v / l;
}

double CPolygon3D::Flaeche() const
{
    const std::size_t n = m_punkte.size();
    if (n <= 2)
        return 0;
    const auto& p = m_punkte;
    Punkt3D s;
    for (std::size_t i = 0; i < n; ++i)
        s += p[i].Kreuzprodukt(p[(i + 1) % n]);

    // The plane's direction comes from the first three points; when they lie
    // on one line it has none, and the vector area itself gives it.
    const Punkt3D e1 = p[1] - p[0];
    const Punkt3D e2 = p[2] - p[0];
    const Punkt3D c = e1.Kreuzprodukt(e2);
    Punkt3D u;
    if (c.Betrag() > 1e-9 * e1.Betrag() * e2.Betrag())
        u = c.Normiert();
    else
        u = s.Normiert();
    return RundeSignifikant(std::fabs(u.Skalarprodukt(s)) / 2, toleranz::SignifikanteStellen);
}

bool CPolygon3D::Durchstosspunkt(const Punkt3D& a, const Punkt3D& b, Punkt3D& punkt) const
{
    if (m_punkte.empty())
        return false;
    const Punkt3D n = Normale();
    const Punkt3D d = b - a;
    const double k = n.Skalarprodukt(d);
    if (!(std::fabs(k) >= toleranz::LinieParallelEbene))
        return false;
    const double t = n.Skalarprodukt(m_punkte[0] - a) / k;
    punkt = RundePunkt3D(a + d * t, toleranz::SignifikanteStellen);
    return true;
}

bool CPolygon3D::FuegeHinzu(const Punkt3D& p)
{
    return punktliste::FuegeHinzu(m_punkte, p);
}

bool CPolygon3D::FuegeEckenHinzu(const Plane& plane)
{
    bool hinzu = false;
    for (int i = 0; i < 4; ++i)
        hinzu = FuegeHinzu(plane.Ecke(i)) || hinzu;
    return hinzu;
}

void CPolygon3D::Sortiere()
{
    // In the plan (x, z); the walk starts at the second point.
    if (m_punkte.size() < 3)
        return;
    punktliste::SortierePaarweise(m_punkte, 1, [](const Punkt3D& q, const Punkt3D& r, const Punkt3D& s) {
        return (r.x - q.x) * (s.z - r.z) - (r.z - q.z) * (s.x - r.x);
    });
}

} // namespace zeva
