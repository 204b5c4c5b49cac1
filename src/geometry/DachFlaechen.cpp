// The roof's faces as planes of the house and as the component records that
// enter the heat balance: pitched-roof faces, gable walls, flat roofs and the
// ceilings under the roof space.
#include "geometry/DachFlaechen.h"

#include "geometry/CPolygon2D.h"

#include "geometry/CPolygon3D.h"
#include "geometry/DachGeometrie.h"
#include "geometry/DachPolygon.h"
#include "geometry/DachVerschneidung.h"
#include "geometry/Strecke3D.h"
#include "model/DDecke.h"
#include "model/DFlachdach.h"
#include "model/DSteildach.h"
#include "model/DWand.h"
#include "model/GeometrieToleranzen.h"
#include "model/Haus.h"
#include "model/PlaneID.h"
#include "model/Zahlentext.h"

#include <algorithm>
#include <vector>

namespace zeva {

namespace {

// Roofs within this distance (drawing units) of each other are neighbours.
constexpr double NachbarAbstand = 0.1;

// Ceiling border kind of a ceiling under a roof space: "unbeheizt + 4°C".
constexpr std::int32_t DeckeUnterDachZone = 2;

constexpr int ArtDachflaeche = bauteilart::Dachflaeche;
constexpr int ArtSenkrecht = bauteilart::Senkrecht;
constexpr int ArtDecke = bauteilart::Decke;

void SetzeIDs(Plane& plane, std::int32_t id)
{
    plane.ID = id;
    plane.Traeger1ID = id;
    plane.Traeger2ID = id;
    plane.GaubenID = -1;
}

// A record copied from the default, on the plane, with the area as a
// rectangle of that size; the real geometry stays in the house's planes.
template <class X>
X& NeuerDatensatz(CXmlObjektArray<X>& array, const X& vorlage, const Plane& plane, double flaeche)
{
    const std::size_t index = array.Add(vorlage);
    X& x = array[index];
    x.m_plane = plane;
    x.m_plane.SetzeRechteck(flaeche);
    x.Nummer = static_cast<std::int32_t>(index);
    x.Flaeche = RundeSignifikant(flaeche, toleranz::SignifikanteStellen);
    return x;
}

int ZaehleArt(const CObjektArray<Plane>& planes, int art)
{
    return static_cast<int>(std::count_if(planes.begin(), planes.end(),
                                          [art](const Plane& p) { return p.ArtAusID() == art * IdArtFaktor; }));
}

} // namespace

int TeileAufHoehe(const Plane& f, double s, Plane& unten, Plane& oben)
{
    if (f.lo.y > s && f.ro.y > s && f.lu.y < s && f.ru.y < s) {
        const auto a = Strecke3D(f.lu, f.lo).PunktAufHoehe(s);
        const auto b = Strecke3D(f.ru, f.ro).PunktAufHoehe(s);
        // Both lines rise (their ends lie on either side of s), so both
        // points exist.
        oben = f;
        oben.ru = *b;
        oben.lu = *a;
        unten = f;
        unten.lo = *a;
        unten.ro = *b;
        return teilung::Geteilt;
    }
    if (s > f.lo.y && f.ro.y < s)
        return teilung::Darunter;
    return teilung::Sonst;
}

DachBauteilZiel BauteilZielVon(Haus& haus)
{
    return {haus.m_aFlachdach,       haus.m_aSteildach,       haus.m_aWand,       haus.m_aDecke,
            haus.m_defaultFlachdach, haus.m_defaultSteildach, haus.m_defaultWand, haus.m_defaultDecke};
}

int ZoneUnterDach(const CDach& dach, const CZoneArray& zonen)
{
    const CPolygon2D grundriss = Grundriss(dach);
    int beste = 0;
    double besteFlaeche = 0;
    for (std::size_t i = 0; i < zonen.size(); ++i) {
        const Punkt2DArray& umriss = zonen[i].m_a2DGrundrissPunkte;
        if (umriss.empty())
            continue;
        CPolygon2D u;
        for (const Punkt2D& p : umriss)
            u.FuegeHinzu(p);
        CPolygon2D schnitt;
        const double a = u.Schnittflaeche(grundriss, schnitt);
        if (a > besteFlaeche) {
            besteFlaeche = a;
            beste = static_cast<int>(i);
        }
    }
    return beste;
}

void ErzeugeBauteil(CDach& dach, Plane& plane, int art, int zone, bool bauteil, double flaeche, DachBauteilZiel& ziel)
{
    const std::int32_t basis = zone * IdZoneFaktor;
    if (art == ArtDachflaeche && plane.IstSenkrecht())
        art = ArtSenkrecht;

    // Sloped and vertical faces: a record advances the running number and
    // gets the record kind; a geometry plane takes the current number with
    // the geometry kind, and keeps it when it stands for a whole face.
    auto Zaehle = [&](int& zaehler, int artBauteil, int artGeometrie, int artFassade, auto& array,
                      const auto& vorlage) {
        if (bauteil)
            ++zaehler;
        SetzeIDs(plane, basis + (bauteil ? artBauteil : artGeometrie) * IdArtFaktor + zaehler);
        plane.FassadenID = artFassade * IdArtFaktor + zaehler;
        if (bauteil)
            NeuerDatensatz(array, vorlage, plane, flaeche);
        if (flaeche < 0)
            plane.ID = basis + artGeometrie * IdArtFaktor + zaehler;
    };

    if (art == ArtDachflaeche && dach.Typ == dachtyp::Flachdach) {
        const auto n = static_cast<std::int32_t>(ziel.flachdaecher.size());
        SetzeIDs(plane, basis + flaechenart::Flachdach * IdArtFaktor + 1 + n);
        plane.FassadenID = flaechenart::Flachdach * IdArtFaktor + 1 + n;
        NeuerDatensatz(ziel.flachdaecher, ziel.defaultFlachdach, plane, flaeche).Zone = 0;
    } else if (art == ArtDachflaeche) {
        Zaehle(dach.ZaehlerSteil, flaechenart::Steildach, flaechenart::DachGeometrie, flaechenart::Steildach,
               ziel.steildaecher, ziel.defaultSteildach);
    } else if (art == ArtSenkrecht) {
        Zaehle(dach.ZaehlerSenkrecht, flaechenart::Giebelwand, flaechenart::DachSenkrecht, flaechenart::Geschosswand,
               ziel.waende, ziel.defaultWand);
    } else if (art == ArtDecke) {
        ++dach.ZaehlerDecke;
        SetzeIDs(plane, basis + flaechenart::DeckeUnterDach * IdArtFaktor + dach.ZaehlerDecke);
        plane.FassadenID = flaechenart::DeckeUnterDach * IdArtFaktor + dach.ZaehlerDecke;
        NeuerDatensatz(ziel.decken, ziel.defaultDecke, plane, flaeche).Zone = DeckeUnterDachZone;
    }
}

int ErzeugeFlaechen(CDach& dach, const CZoneArray& zonen, const CObjektArray<CDach>& alleDaecher,
                    CObjektArray<Plane>& planes, DachBauteilZiel& ziel)
{
    // Without a zone there is nothing to place the roof on.
    if (zonen.empty() || !dach.PunkteVollstaendig())
        return 0;
    const std::size_t eintritt = planes.size();
    const CPolygon2D grundriss = Grundriss(dach);

    // The zone under the roof.
    const int e = ZoneUnterDach(dach, zonen);
    const Zone& zone = zonen[static_cast<std::size_t>(e)];
    CPolygon2D umriss;
    for (const Punkt2D& p : zone.m_a2DGrundrissPunkte)
        umriss.FuegeHinzu(p);

    // Heated roofs that overlap this heated roof or touch it.
    std::vector<const CDach*> nachbarn;
    if (dach.IstBeheizt()) {
        for (const CDach& andererDach : alleDaecher) {
            const CDach* n = &andererDach;
            if (n == &dach || !n->IstBeheizt() || !n->IstFertig())
                continue;
            const CPolygon2D g = Grundriss(*n);
            const Punkt2D c = Schwerpunkt(g);
            CPolygon2D schnitt;
            const double a1 = grundriss.Schnittflaeche(g, schnitt);
            CPolygon2D erweitert;
            for (const Punkt2D& p : g) {
                const Punkt2D d = p - c;
                const double laenge = d.Betrag();
                erweitert.push_back(laenge > toleranz::StreckeEntartet ? p + d * (NachbarAbstand / laenge) : p);
            }
            CPolygon2D schnitt2;
            const double a2 = grundriss.Schnittflaeche(erweitert, schnitt2);
            if (a1 > 0 || a2 > 0)
                nachbarn.push_back(n);
        }
    }

    // The running numbers go on from the roofs built before.
    dach.ZaehlerSteil = ZaehleArt(planes, flaechenart::Steildach);
    dach.ZaehlerSenkrecht = ZaehleArt(planes, flaechenart::Giebelwand);
    dach.ZaehlerDecke = ZaehleArt(planes, flaechenart::DeckeUnterDach);

    // Top of the heated attic storey above the eaves. A storey height below
    // the knee wall would leave the heated building without its top; the
    // roof then behaves as one whose attic ends at the eaves.
    const double s = std::max(0.0, dach.GeschossHoehe - zone.Drempelhoehe);
    const bool beheizt = dach.IstBeheizt();

    const int flaechen =
        dach.Typ == dachtyp::Zeltdach ? static_cast<int>(dach.m_points.size()) - 1 : dach.Flaechenzahl();
    for (int j = 0; j < flaechen; ++j) {
        std::array<int, 4> punkte{};
        std::array<double, 4> hoehen{};
        int art = ArtDachflaeche;
        if (dach.Typ == dachtyp::Zeltdach) {
            punkte = {4, 4, j, (j + 1) % 4};
            hoehen = {dach.Hoehe, dach.Hoehe, 0, 0};
        } else {
            const DachFlaechenZeile& zeile = dach.Flaechenzeile(j);
            art = zeile.senkrecht;
            punkte = zeile.punkt;
            for (std::size_t k = 0; k < 4; ++k)
                hoehen[k] = dach.HoeheVonCode(zeile.hoehe[k]);
        }
        const Plane f = FlaecheAusEcken(dach, punkte, hoehen);

        double abgedeckt = 0;
        if (!Abschneiden(f, nachbarn, abgedeckt))
            continue;

        if (s >= dach.Hoehe || (hoehen[0] <= s && hoehen[1] <= s)) {
            // The whole face bounds the heated storey.
            Plane p = f;
            ErzeugeBauteil(dach, p, art, e, beheizt, p.Flaeche() - abgedeckt, ziel);
            planes.Add(p);
        } else {
            Plane unten;
            Plane oben;
            if (TeileAufHoehe(f, s, unten, oben) != teilung::Geteilt) {
                Plane p = f;
                ErzeugeBauteil(dach, p, art, e, false, p.Flaeche(), ziel);
                planes.Add(p);
            } else {
                Plane p1 = oben;
                ErzeugeBauteil(dach, p1, art, e, false, p1.Flaeche(), ziel);
                planes.Add(p1);
                if (!Abschneiden(unten, nachbarn, abgedeckt))
                    continue;
                Plane p = unten;
                ErzeugeBauteil(dach, p, art, e, beheizt, p.Flaeche() - abgedeckt, ziel);
                planes.Add(p);
            }
        }
        // Every remaining face of a pitched roof is present once more in full
        // as a geometry plane.
        if (dach.Typ != dachtyp::Flachdach) {
            Plane g = f;
            ErzeugeBauteil(dach, g, art, e, false, -1, ziel);
            planes.Add(g);
        }
    }

    // The ceilings under the roof space.
    if (dach.Typ != dachtyp::Flachdach) {
        auto rechteck = [&] {
            Plane p;
            for (int k = 0; k < 4; ++k)
                p.Ecke(k) = Punkt3D(dach.Punkt(k).x, 0, dach.Punkt(k).y);
            return p;
        };
        if (beheizt) {
            // The part of the roof that overhangs the zone closes the heated
            // storey below it.
            CPolygon2D rest;
            const double w = grundriss.Differenz(umriss, rest);
            if (w > 0) {
                Plane p = rechteck();
                ErzeugeBauteil(dach, p, ArtDecke, e, true, w, ziel);
                planes.Add(p);
            }
            // The attic ceiling at the top of the heated storey, through the
            // cut corners of the upper face parts.
            if (s < dach.Hoehe) {
                CPolygon3D punkte;
                const std::size_t ende = planes.size();
                for (std::size_t i = eintritt; i < ende; ++i) {
                    const Plane& p = planes[i];
                    if (p.ArtAusID() != flaechenart::DachGeometrie * IdArtFaktor)
                        continue;
                    for (int k = 0; k < 4; ++k)
                        if (p.Ecke(k).y == s)
                            punkte.FuegeHinzu(p.Ecke(k));
                }
                if (punkte.size() == 4) {
                    punkte.Sortiere();
                    Plane p;
                    for (int k = 0; k < 4; ++k)
                        p.Ecke(k) = punkte[static_cast<std::size_t>(k)];
                    ErzeugeBauteil(dach, p, ArtDecke, e, true, p.Flaeche(), ziel);
                    planes.Add(p);
                }
            }
        } else {
            Plane p = rechteck();
            ErzeugeBauteil(dach, p, ArtDecke, e, true, grundriss.Flaeche(), ziel);
            planes.Add(p);
        }
    }

    // Onto the building: above the storeys, the basement and the knee wall.
    const double z = zone.Stockwerkszahl * zone.Stockwerkshoehe + zone.Kellerhoehe + zone.Drempelhoehe;
    for (std::size_t i = eintritt; i < planes.size(); ++i)
        for (int k = 0; k < 4; ++k)
            planes[i].Ecke(k).y += z;

    return static_cast<int>(planes.size() - eintritt);
}

int ErzeugeFlaechen(CDach& dach, Haus& haus, CObjektArray<Plane>& planes)
{
    DachBauteilZiel ziel = BauteilZielVon(haus);
    return ErzeugeFlaechen(dach, haus.m_aZone, haus.m_aDach, planes, ziel);
}

} // namespace zeva
