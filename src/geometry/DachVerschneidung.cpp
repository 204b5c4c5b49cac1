// Where roofs meet: the junction points of ridges and eaves with the other
// roofs, and the parts of a face that a neighbouring roof's face in the same
// plane covers.
#include "geometry/DachVerschneidung.h"

#include "geometry/DachGeometrie.h"

#include "geometry/CPolygon3D.h"
#include "geometry/Vektorhilfen.h"
#include "model/Arbeitszaehler.h"
#include "model/GeometrieToleranzen.h"
#include "model/Zahlentext.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zeva {

namespace {

// Two roofs whose ridges lie at the same height meet where their lines cross.
constexpr double GleicheHoehe = 1e-8;
// Faces whose normals add up to a length within this of 0 or 2 are parallel.
constexpr double ParallelNormalen = 0.01;
// A face whose remaining area is below this is covered completely.
constexpr double RestFlaeche = 0.1;

Punkt2D Grundrisspunkt(const Punkt3D& p)
{
    return {p.x, p.z};
}

// The plan rectangle round a roof's outline, a little larger, so that roofs
// that only touch still count as meeting.
struct Umrisskasten {
    // A roof without a whole outline is compared with every other one, as
    // it always was.
    double minX = -HUGE_VAL, minY = -HUGE_VAL, maxX = HUGE_VAL, maxY = HUGE_VAL;

    explicit Umrisskasten(const CDach& dach)
    {
        const CPolygon2D g = Grundriss(dach);
        if (g.empty())
            return;
        minX = maxX = g.begin()->x;
        minY = maxY = g.begin()->y;
        for (const Punkt2D& p : g) {
            minX = std::min(minX, p.x);
            maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y);
            maxY = std::max(maxY, p.y);
        }
        minX -= toleranz::LiegtAuf;
        minY -= toleranz::LiegtAuf;
        maxX += toleranz::LiegtAuf;
        maxY += toleranz::LiegtAuf;
    }

    bool Ueberlappt(const Umrisskasten& o) const
    {
        return minX <= o.maxX && o.minX <= maxX && minY <= o.maxY && o.minY <= maxY;
    }
};

} // namespace

void VerschneideDaecher(CObjektArray<CDach>& daecher)
{
    // Roofs meet only where their outlines do; comparing the rectangles
    // first keeps a house of many roofs from computing every pair in full.
    std::vector<Umrisskasten> kaesten;
    std::vector<char> fertig;
    kaesten.reserve(daecher.size());
    fertig.reserve(daecher.size());
    for (const CDach& dach : daecher) {
        kaesten.emplace_back(dach);
        fertig.push_back(dach.IstFertig() ? 1 : 0);
    }

    for (std::size_t i = 0; i < daecher.size(); ++i) {
        if (!fertig[i])
            continue;
        CDach* d = &daecher[i];
        d->m_Anschlusspunkte.RemoveAll();
        const Strecke3D linien[3] = {First3D(*d), Kante3D(*d, 1), Kante3D(*d, 3)};

        for (std::size_t j = 0; j < daecher.size(); ++j) {
            if (j == i || !fertig[j] || !kaesten[i].Ueberlappt(kaesten[j]))
                continue;
            ++arbeitszaehler::dachpaarSchritte;
            const CDach* n = &daecher[j];
            if (std::fabs(d->Hoehe - n->Hoehe) < GleicheHoehe) {
                // Same ridge height: ridge with ridge and eave with eave meet
                // where their lines cross, when that lies on the other roof.
                const CPolygon2D g = Grundriss(*n);
                const Strecke3D andere[3] = {First3D(*n), Kante3D(*n, 1), Kante3D(*n, 3)};
                for (int k = 0; k < 3; ++k) {
                    Punkt3D c;
                    if (linien[k].Schnittpunkt(andere[k], c) == -1)
                        continue;
                    if (g.PunktInPolygon(RundePunkt3D(c, toleranz::SignifikanteStellen), 1) == 1)
                        d->m_Anschlusspunkte.Add(Grundrisspunkt(c));
                }
            } else {
                // Different heights: where the ridge and the eaves pierce the
                // other roof's faces, both roofs standing on one eaves level.
                for (int i = 0; i < n->Flaechenzahl(); ++i) {
                    const Plane p = FlaechePlane(*n, i);
                    CPolygon3D q;
                    q.FuegeEckenHinzu(p);
                    CPolygon2D o;
                    for (const Punkt3D& ecke : q)
                        o.FuegeHinzu(ecke);
                    for (const Strecke3D& linie : linien) {
                        Punkt3D c;
                        if (!q.Durchstosspunkt(linie.A, linie.B, c))
                            continue;
                        if (o.PunktInPolygon(RundePunkt3D(c, toleranz::SignifikanteStellen), 1) == 1)
                            d->m_Anschlusspunkte.Add(Grundrisspunkt(c));
                    }
                }
            }
        }
    }
}

void AktualisiereDaecherNachLaden(CObjektArray<CDach>& daecher)
{
    for (CDach& dach : daecher)
        dach.AktualisiereNachLaden();
    if (daecher.size() > 1)
        VerschneideDaecher(daecher);
}

bool Abschneiden(const Plane& flaeche, std::span<const CDach* const> nachbarn, double& abgedeckt)
{
    abgedeckt = 0;
    bool bleibt = true;
    CPolygon2D t;
    t.FuegeEckenHinzu(flaeche);
    const Punkt3D n = flaeche.Normale();
    const bool senkrecht = flaeche.IstSenkrecht();

    for (const CDach* nachbar : nachbarn) {
        if (nachbar == nullptr)
            continue;
        const CPolygon2D g = Grundriss(*nachbar);
        CPolygon2D schnitt;
        const double h = t.Schnittflaeche(g, schnitt);
        // A vertical face has no plan area; it is always compared.
        if (!(h > 0) && !senkrecht)
            continue;

        for (int i = 0; i < nachbar->Flaechenzahl(); ++i) {
            const Plane p = FlaechePlane(*nachbar, i);
            const Punkt3D m = p.Normale();
            int beruehrt = 0;
            for (int k = 0; k < 4; ++k)
                if (flaeche.LiegtInEbene(p.Ecke(k)))
                    ++beruehrt;
            const double q = RundeSignifikant((n + m).Betrag(), 2);
            const bool parallel = std::fabs(q) < ParallelNormalen || std::fabs(q - 2) < ParallelNormalen;
            if (!parallel || beruehrt == 0)
                continue;

            if (senkrecht && p.IstSenkrecht()) {
                abgedeckt = Ueberlappung(flaeche, p);
                bleibt = !(std::fabs(flaeche.Flaeche() - abgedeckt) < RestFlaeche);
            } else if (!senkrecht && std::fabs(h - t.Flaeche()) < RestFlaeche) {
                // The face lies wholly on the neighbour's outline.
                bleibt = false;
                abgedeckt = flaeche.Flaeche();
            } else {
                // The covered part: the plan intersection lifted onto the
                // neighbour's face.
                CPolygon2D s;
                s.FuegeEckenHinzu(p);
                CPolygon2D x;
                t.Schnittflaeche(s, x);
                CPolygon3D ebene;
                ebene.FuegeEckenHinzu(p);
                CPolygon3D bedeckt;
                for (const Punkt2D& punkt : x) {
                    Punkt3D a;
                    if (ebene.Durchstosspunkt(Punkt3D(punkt.x, 0, punkt.y), Punkt3D(punkt.x, 1, punkt.y), a)
                        && flaeche.LiegtInEbene(a))
                        bedeckt.FuegeHinzu(a);
                }
                abgedeckt += bedeckt.Flaeche();
            }
        }
    }
    return bleibt;
}

double Ueberlappung(const Plane& a, const Plane& b)
{
    // Both planes are laid into one frame of their common vertical plane:
    // the horizontal direction along the plane and the height, from a's
    // corner lu. (Laying each plane flat about its own corner would only
    // compare planes that share that corner and run the same way.)
    Punkt3D n = Flaechennormale(a);
    if (std::hypot(n.x, n.z) < toleranz::StreckeEntartet)
        n = Flaechennormale(b);
    const double laenge = std::hypot(n.x, n.z);
    if (laenge < toleranz::StreckeEntartet)
        return 0;
    const Punkt3D richtung(-n.z / laenge, 0, n.x / laenge);
    const Punkt3D ursprung = a.lu;
    auto flach = [&](const Plane& x) {
        CPolygon2D polygon;
        for (int k = 0; k < 4; ++k) {
            const Punkt3D d = x.Ecke(k) - ursprung;
            polygon.FuegeHinzu(Punkt2D(d.Skalarprodukt(richtung), d.y));
        }
        return polygon;
    };
    const CPolygon2D pa = flach(a);
    const CPolygon2D pb = flach(b);
    CPolygon2D schnitt;
    return pa.Schnittflaeche(pb, schnitt);
}

} // namespace zeva
