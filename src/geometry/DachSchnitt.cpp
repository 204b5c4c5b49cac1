// The horizontal section through the roof space and the volume of the roof
// space, which give the attic's share of the energy reference area and of the
// heated volume.
#include "geometry/DachSchnitt.h"

#include "geometry/CPolygon2D.h"
#include "geometry/DachFlaechen.h"
#include "model/Haus.h"

#include <algorithm>
#include <optional>

namespace zeva {

Strecke3D Schnittlinie(const CDach& dach, int i)
{
    if (!dach.PunkteVollstaendig() || i < 0)
        return {};
    auto raum = [&](int punkt, double h) { return Punkt3D(dach.Punkt(punkt).x, h, dach.Punkt(punkt).y); };
    switch (dach.Typ) {
    case dachtyp::Satteldach:
    case dachtyp::Walmdach:
        if (i > 3)
            return {};
        return {raum(i, 0), raum(i < 2 ? 4 : 5, dach.Hoehe)};
    case dachtyp::Krueppelwalmdach:
    case dachtyp::Mansarddach: {
        if (i > 7)
            return {};
        // Points 6 and 9 of the half-hip stand at Knickhoehe3, 7 and 8 at
        // Knickhoehe2; the mansard break line lies at Knickhoehe2 throughout.
        auto knick = [&](int punkt) {
            if (dach.Typ == dachtyp::Krueppelwalmdach && (punkt == 6 || punkt == 9))
                return dach.Knickhoehe3;
            return dach.Knickhoehe2;
        };
        if (i < 4)
            return {raum(i, 0), raum(6 + i, knick(6 + i))};
        return {raum(i + 2, knick(i + 2)), raum(i < 6 ? 4 : 5, dach.Hoehe)};
    }
    case dachtyp::Zeltdach:
        if (i > 3)
            return {};
        return {raum(i, 0), raum(4, dach.Hoehe)};
    default:
        return {};
    }
}

double SchnittflaecheAufHoehe(const CDach& dach, double h)
{
    // Above the ridge there is no roof space, below the eaves none of the
    // roof's; the lines are not carried beyond their ends.
    if (!dach.PunkteVollstaendig() || !(h >= 0) || !(h < dach.Hoehe))
        return 0;

    // The point at height h of a line whose height range holds h.
    auto punktAuf = [h](const Strecke3D& linie) -> std::optional<Punkt3D> {
        const double unten = std::min(linie.A.y, linie.B.y);
        const double oben = std::max(linie.A.y, linie.B.y);
        if (h < unten || h > oben)
            return std::nullopt;
        return linie.PunktAufHoehe(h);
    };

    CPolygon2D polygon;
    switch (dach.Typ) {
    case dachtyp::Satteldach:
    case dachtyp::Walmdach:
    case dachtyp::Zeltdach:
        for (int i = 0; i < 4; ++i)
            if (const auto p = punktAuf(Schnittlinie(dach, i)))
                polygon.FuegeHinzu(*p);
        break;
    case dachtyp::Krueppelwalmdach:
    case dachtyp::Mansarddach:
        // Per corner the chain corner, break point, ridge end: the section
        // point lies on the piece whose height range holds h. The polygon
        // keeps the corner order, so it never crosses itself, and unequal
        // break heights after hand edits are handled as well.
        for (int i = 0; i < 4; ++i) {
            std::optional<Punkt3D> p = punktAuf(Schnittlinie(dach, i));
            if (!p)
                p = punktAuf(Schnittlinie(dach, i + 4));
            if (p)
                polygon.FuegeHinzu(*p);
        }
        break;
    default:
        return 0;
    }
    return polygon.Flaeche();
}

double Dachvolumen(const CDach& dach, int schritte, double drempelhoehe)
{
    if (!(dach.GeschossHoehe > 0) || !(dach.Hoehe > 0) || schritte <= 0)
        return 0;
    // The heated attic ends where the attic storey does, above the knee wall
    // (which is counted with the storeys), and never above the ridge.
    const double oben = std::min(dach.GeschossHoehe - drempelhoehe, dach.Hoehe);
    if (!(oben > 0))
        return 0;
    const double d = oben / schritte;
    double volumen = 0;
    for (int k = 0; k < schritte; ++k)
        volumen += SchnittflaecheAufHoehe(dach, d / 2 + k * d) * d;
    return volumen;
}

double Dachvolumen(const CDach& dach, const Haus& haus)
{
    double drempel = 0;
    if (!haus.m_aZone.empty())
        drempel = haus.m_aZone[static_cast<std::size_t>(ZoneUnterDach(dach, haus.m_aZone))].Drempelhoehe;
    return Dachvolumen(dach, haus.Flag2DSchritteDachvolumen, drempel);
}

} // namespace zeva
