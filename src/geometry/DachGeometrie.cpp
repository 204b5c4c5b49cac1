#include "geometry/DachGeometrie.h"

#include "geometry/Vektorhilfen.h"

#include <utility>

namespace zeva {

CPolygon2D Grundriss(const CDach& dach)
{
    CPolygon2D ergebnis;
    if (!dach.PunkteVollstaendig())
        return ergebnis;
    CPolygon2D ecken;
    for (int i = 0; i < 4; ++i)
        ecken.FuegeHinzu(dach.Punkt(i));
    if (dach.m_points.size() <= 5)
        return ecken;
    auto firstende = [&](int i) {
        if (ecken.PunktInPolygon(dach.Punkt(i), 1) == 0)
            ergebnis.FuegeHinzu(dach.Punkt(i));
    };
    ergebnis.FuegeHinzu(dach.Punkt(0));
    firstende(4);
    ergebnis.FuegeHinzu(dach.Punkt(1));
    ergebnis.FuegeHinzu(dach.Punkt(2));
    firstende(5);
    ergebnis.FuegeHinzu(dach.Punkt(3));
    return ergebnis;
}

CPolygon2D FlaechenGrundriss(const CDach& dach, int i)
{
    const std::vector<Punkt2D> punkte = dach.FlaechenPunkte(i);
    return CPolygon2D(std::span<const Punkt2D>(punkte));
}

Plane FlaechePlane(const CDach& dach, int i)
{
    Plane plane;
    if (!dach.PunkteVollstaendig())
        return plane;
    const DachFlaechenZeile& zeile = dach.Flaechenzeile(i);
    for (int k = 0; k < 4; ++k) {
        const Punkt2D& p = dach.Punkt(zeile.punkt[static_cast<std::size_t>(k)]);
        plane.Ecke(k) = Punkt3D(p.x, dach.HoeheVonCode(zeile.hoehe[static_cast<std::size_t>(k)]), p.y);
    }
    // Reversed as a whole cycle: exchanging only two corners would cross a
    // four-cornered face, and its normal and piercing points would be lost.
    const Punkt3D n = Flaechennormale(plane);
    if (Grundriss(dach).PunktInPolygon(Punkt2D(plane.lu.x + n.x, plane.lu.z + n.z), 1) == 1) {
        std::swap(plane.lo, plane.ro);
        std::swap(plane.lu, plane.ru);
    }
    return plane;
}

Plane FlaecheAusEcken(const CDach& dach, const std::array<int, 4>& punkte, const std::array<double, 4>& hoehen)
{
    Punkt3D ecke[4];
    for (std::size_t k = 0; k < 4; ++k) {
        const Punkt2D& p = dach.Punkt(punkte[k]);
        ecke[k] = Punkt3D(p.x, hoehen[k], p.y);
    }
    // A roof whose corners run counter-clockwise in the plan (drawn the other
    // way round, or with the ridge across the first axis) has its faces
    // reversed as a whole cycle, so that every face, the gable walls above
    // all, turns out of the roof. The corners themselves decide, not the
    // drawing direction: the ridge flip is not stored, and converted or
    // hand-edited roofs do not follow their size.
    const Punkt2D ecken[4] = {dach.Punkt(0), dach.Punkt(1), dach.Punkt(2), dach.Punkt(3)};
    const bool umkehren = Umlaufsinn(std::span<const Punkt2D>(ecken)) == -1;
    Plane plane;
    if (umkehren) {
        plane.lo = ecke[1];
        plane.ro = ecke[0];
        plane.ru = ecke[3];
        plane.lu = ecke[2];
    } else {
        plane.lo = ecke[0];
        plane.ro = ecke[1];
        plane.ru = ecke[2];
        plane.lu = ecke[3];
    }
    return plane;
}

Strecke3D First3D(const CDach& dach)
{
    if (!dach.PunkteVollstaendig())
        return {};
    auto raum = [&](const Punkt2D& p) { return Punkt3D(p.x, dach.Hoehe, p.y); };
    if (dach.Typ >= dachtyp::Satteldach && dach.Typ <= dachtyp::Mansarddach)
        return {raum(dach.Punkt(4)), raum(dach.Punkt(5))};
    const Punkt3D a = raum(dach.Punkt(dach.Typ == dachtyp::Zeltdach ? 4 : 0));
    return {a, a + Punkt3D(dach.m_Firstachse.B.x, 0, dach.m_Firstachse.B.y)};
}

Strecke3D Kante3D(const CDach& dach, int i)
{
    const std::size_t k = 2 * static_cast<std::size_t>(i);
    if (i < 0 || k + 1 >= dach.m_Kanten.size())
        return {};
    const auto punkt = [&](std::size_t j) {
        const int index = dach.m_Kanten[j];
        if (index < 0 || static_cast<std::size_t>(index) >= dach.m_points.size())
            return Punkt3D();
        return Punkt3D(dach.Punkt(index).x, 0, dach.Punkt(index).y);
    };
    return {punkt(k), punkt(k + 1)};
}

Strecke2D Firstachse(const CDach& dach)
{
    return {dach.m_Firstachse.A, dach.m_Firstachse.B};
}

} // namespace zeva
