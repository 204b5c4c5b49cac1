#include "geometry/CPolygon3D.h"

#include "geometry/Vektorhilfen.h"
#include "model/GeometrieToleranzen.h"
#include "model/Plane.h"
#include "model/Zahlentext.h"

#include <algorithm>
#include <cmath>
#include <utility>

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
    if (std::find(m_punkte.begin(), m_punkte.end(), p) != m_punkte.end())
        return false;
    m_punkte.push_back(p);
    return true;
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
    const std::size_t n = m_punkte.size();
    if (n < 3)
        return;
    const Punkt3D q = m_punkte[0];
    const std::size_t maxGaenge = n * n;
    for (std::size_t gang = 0; gang < maxGaenge; ++gang) {
        bool getauscht = false;
        for (std::size_t i = 1; i + 1 < n; ++i) {
            const Punkt3D& r = m_punkte[i];
            const Punkt3D& s = m_punkte[i + 1];
            const double c = (r.x - q.x) * (s.z - r.z) - (r.z - q.z) * (s.x - r.x);
            if (c < 0) {
                std::swap(m_punkte[i], m_punkte[i + 1]);
                getauscht = true;
                break;
            }
        }
        if (!getauscht)
            return;
    }
}

} // namespace zeva
