#include "geometry/CPolygon2D.h"

#include "geometry/Clipping.h"
#include "geometry/Punktliste.h"
#include "geometry/Strecke2D.h"
#include "model/GeometrieToleranzen.h"
#include "model/Plane.h"
#include "model/Zahlentext.h"

#include <algorithm>
#include <cmath>

namespace zeva {

int CPolygon2D::PunktInPolygon(const Punkt2D& p, int flag) const
{
    const std::size_t n = m_punkte.size();
    int inside = 0;
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const Punkt2D& pi = m_punkte[i];
        const Punkt2D& pj = m_punkte[j];
        if ((pi.y <= p.y && p.y < pj.y) || (pj.y <= p.y && p.y < pi.y)) {
            const double xs = pi.x + (pj.x - pi.x) * (p.y - pi.y) / (pj.y - pi.y);
            if (p.x < xs)
                inside = !inside;
        }
    }
    if (flag == 1) {
        for (std::size_t i = 0; i < n; ++i) {
            if (Strecke2D(m_punkte[i], m_punkte[(i + 1) % n]).LiegtAuf(p))
                return 1;
        }
    }
    return inside;
}

int CPolygon2D::PunktInPolygon(const Punkt3D& p, int flag) const
{
    return PunktInPolygon(Punkt2D(p.x, p.z), flag);
}

double CPolygon2D::Flaeche() const
{
    if (m_punkte.size() < 3)
        return 0;
    return RundeSignifikant(std::fabs(SignedArea(m_punkte)), toleranz::SignifikanteStellen);
}

bool CPolygon2D::FuegeHinzu(const Punkt2D& p)
{
    return punktliste::FuegeHinzu(m_punkte, p);
}

bool CPolygon2D::FuegeHinzu(const Punkt3D& p)
{
    return FuegeHinzu(Punkt2D(p.x, p.z));
}

bool CPolygon2D::FuegeEckenHinzu(const Plane& plane)
{
    bool hinzu = false;
    for (int i = 0; i < 4; ++i)
        hinzu = FuegeHinzu(plane.Ecke(i)) || hinzu;
    return hinzu;
}

bool CPolygon2D::FuegeAlleHinzu(const CPolygon2D& andere)
{
    bool hinzu = false;
    for (const Punkt2D& p : andere.m_punkte)
        hinzu = FuegeHinzu(p) || hinzu;
    return hinzu;
}

void CPolygon2D::Sortiere(int richtung)
{
    const double vorzeichen = richtung == 1 ? 1.0 : -1.0;
    punktliste::SortierePaarweise(m_punkte, 0, [vorzeichen](const Punkt2D& q, const Punkt2D& r, const Punkt2D& s) {
        return vorzeichen * ((r.x - q.x) * (s.y - r.y) - (r.y - q.y) * (s.x - r.x));
    });
}

bool CPolygon2D::Enthaelt(const CPolygon2D& andere) const
{
    const std::size_t n = andere.m_punkte.size();
    const auto innen = [this](const Punkt2D& p) { return PunktInPolygon(p, 1) == 1; };
    if (!std::all_of(andere.m_punkte.begin(), andere.m_punkte.end(), innen))
        return false;
    // Corners alone decide only for a convex polygon: an edge between two
    // inner corners may still leave an L-shaped outline through its notch.
    // Touching (a corner on an edge, shared edges) does not count as leaving.
    for (std::size_t i = 0; i < n && n > 1; ++i) {
        const Strecke2D kante(andere.m_punkte[i], andere.m_punkte[(i + 1) % n]);
        if (!innen((kante.A + kante.B) * 0.5))
            return false;
        const std::size_t m = m_punkte.size();
        for (std::size_t j = 0; j < m; ++j) {
            const Strecke2D eigene(m_punkte[j], m_punkte[(j + 1) % m]);
            Punkt2D s;
            if (kante.Schnittpunkt(eigene, s) != 1)
                continue;
            const auto nahe = [&s](const Punkt2D& e) { return (s - e).Betrag() < toleranz::LiegtAuf; };
            if (!nahe(kante.A) && !nahe(kante.B) && !nahe(eigene.A) && !nahe(eigene.B))
                return false;
        }
    }
    return true;
}

void CPolygon2D::FuegeKonturHinzu(const std::vector<Punkt2D>& kontur)
{
    for (const Punkt2D& p : kontur)
        FuegeHinzu(p);
}

double CPolygon2D::Schnittflaeche(const CPolygon2D& b, CPolygon2D& out) const
{
    // Nested polygons, touching ones included, are decided here: the clipper
    // could split a shared edge into slivers.
    if (Enthaelt(b)) {
        out.Leere();
        out.FuegeAlleHinzu(b);
        return out.Flaeche();
    }
    if (b.Enthaelt(*this)) {
        out.Leere();
        out.FuegeAlleHinzu(*this);
        return out.Flaeche();
    }
    const ClipResult r = Clip(ClipOperation::Intersection, m_punkte, b.m_punkte);
    if (const std::vector<Punkt2D>* kontur = r.LargestOuterContour())
        out.FuegeKonturHinzu(*kontur);
    return RundeSignifikant(std::max(r.area, 0.0), toleranz::SignifikanteStellen);
}

double CPolygon2D::Differenz(const CPolygon2D& b, CPolygon2D& out) const
{
    if (Enthaelt(b)) {
        for (auto it = b.m_punkte.rbegin(); it != b.m_punkte.rend(); ++it)
            out.push_back(*it);
        return Flaeche() - b.Flaeche();
    }
    if (b.Enthaelt(*this)) {
        out.Leere();
        return 0;
    }
    const ClipResult r = Clip(ClipOperation::Difference, m_punkte, b.m_punkte);
    if (const std::vector<Punkt2D>* kontur = r.LargestOuterContour())
        out.FuegeKonturHinzu(*kontur);
    return RundeSignifikant(std::max(r.area, 0.0), toleranz::SignifikanteStellen);
}

} // namespace zeva
