// Values the house derives from the planes of its component records: the net
// area of every opaque component, the envelope area and the short component
// labels.
#include "model/Haus.h"
#include "model/PlaneID.h"

#include <cstdio>
#include <string>

namespace zeva {

namespace {

// The area a record keeps of its own plane: minus what the other records of
// its array stand on it (carried), minus the windows in it. The carried
// areas are always plane areas, never stored Flaeche values, so the order in
// which the records are done does not matter.
template <class A, class Getragen>
double OhneGetragene(const A& records, std::size_t r, const CDFensterArray& fenster, Getragen getragen)
{
    const Plane& eigene = records[r].m_plane;
    double a = eigene.Flaeche();
    for (std::size_t i = 0; i < records.size(); ++i)
        if (i != r && getragen(records[i].m_plane, eigene.ID))
            a -= records[i].m_plane.Flaeche();
    for (const DFenster& f : fenster)
        if (f.m_plane.Traeger2ID == eigene.ID)
            a -= f.m_plane.Flaeche();
    return a;
}

bool TraegerEins(const Plane& p, std::int32_t id) { return p.Traeger1ID == id; }

// printf-style formatting of one int into a label piece.
std::string Stueck(const char* format, int wert)
{
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, format, wert);
    return puffer;
}

// Storey piece: "EG-" for the ground floor, else the storey.
std::string Geschossstueck(int m)
{
    if (m == 0)
        return "EG-";
    return Stueck(m < 10 ? "0%d-" : "%2d-", m);
}

// Zone, index and default number piece share their format.
std::string Zweistellig(int wert) { return Stueck(wert < 10 ? "0%1d-" : "%2d-", wert); }
std::string Nummernstueck(int n) { return Stueck(n < 10 ? "0%1d" : "%2d", n); }

// The five groups of a record's plane ID.
struct IDTeile {
    int z, t, n, m, k;
    explicit IDTeile(const Plane& p)
        : z(p.ZoneAusID()), t(p.ArtAusID() / IdArtFaktor), n(p.NummerAusID()), m(p.GeschossAusID()),
          k(p.IndexAusID())
    {
    }
};

} // namespace

void Haus::BerechneNettoflaechen()
{
    // Walls carry walls by either carrier field (a dormer wall stands on a
    // roof face by Traeger1ID, a gable part on a wall by Traeger2ID).
    for (std::size_t r = 0; r < m_aWand.size(); ++r)
        m_aWand[r].Flaeche = OhneGetragene(m_aWand, r, m_aFenster, [](const Plane& p, std::int32_t id) {
            return p.Traeger1ID == id || p.Traeger2ID == id;
        });

    for (std::size_t r = 0; r < m_aSteildach.size(); ++r) {
        double a = OhneGetragene(m_aSteildach, r, m_aFenster, TraegerEins);
        const std::int32_t id = m_aSteildach[r].m_plane.ID;
        for (const Gaube& g : m_aGaube)
            if (g.Traeger1ID == id)
                a -= g.m_Dachauflage.Flaeche();
        m_aSteildach[r].Flaeche = a;
    }

    for (std::size_t r = 0; r < m_aDecke.size(); ++r)
        m_aDecke[r].Flaeche = OhneGetragene(m_aDecke, r, m_aFenster, TraegerEins);
    // A dormer's ceiling belongs to the attic ceiling of the zone its roof
    // face stands in, and only to that one: added to every ceiling it would
    // be counted once per ceiling. Without such a ceiling it is left out.
    for (const Gaube& g : m_aGaube) {
        const int zone = ZoneAusID(g.Traeger1ID);
        for (DDecke& d : m_aDecke)
            if (d.m_plane.ArtAusID() == flaechenart::DeckeUnterDach * IdArtFaktor
                && d.m_plane.ZoneAusID() == zone) {
                d.Flaeche += g.m_Deckenflaeche.Flaeche();
                break;
            }
    }

    for (std::size_t r = 0; r < m_aFlachdach.size(); ++r)
        m_aFlachdach[r].Flaeche = OhneGetragene(m_aFlachdach, r, m_aFenster, TraegerEins);
    for (std::size_t r = 0; r < m_aBoden.size(); ++r)
        m_aBoden[r].Flaeche = OhneGetragene(m_aBoden, r, m_aFenster, TraegerEins);
}

double Haus::Huellflaeche() const
{
    double summe = 0;
    auto addiere = [&summe](const auto& records) {
        for (const auto& r : records)
            summe += r.Flaeche;
    };
    addiere(m_aFenster);
    addiere(m_aWand);
    addiere(m_aDecke);
    addiere(m_aSteildach);
    addiere(m_aFlachdach);
    addiere(m_aBoden);
    return summe;
}

void Haus::ErzeugeBauteilnamen()
{
    const bool mitZone = Zonen > 1;
    auto zonenstueck = [mitZone](int z) { return mitZone ? Zweistellig(z) : std::string(); };

    for (DWand& w : m_aWand) {
        const IDTeile id(w.m_plane);
        std::string s = "Wa-";
        switch (id.t) {
        case flaechenart::KellerWand: s += "KE-"; break;
        case flaechenart::Drempel: s += "DR-"; break;
        case flaechenart::Giebelwand: s += "DG-"; break;
        case flaechenart::GaubenFront:
        case flaechenart::GaubenLinks:
        case flaechenart::GaubenRechts: s += "GB-"; break;
        default: s += Geschossstueck(id.m); break;
        }
        s += zonenstueck(id.z);
        s += Zweistellig(id.k);
        switch (id.t) {
        case flaechenart::GaubenFront: s += Stueck("M%1d", id.n); break;
        case flaechenart::GaubenLinks: s += Stueck("L%1d", id.n); break;
        case flaechenart::GaubenRechts: s += Stueck("R%1d", id.n); break;
        default: s += Nummernstueck(id.n); break;
        }
        w.Kurzname = s;
    }

    for (DBoden& b : m_aBoden) {
        const IDTeile id(b.m_plane);
        b.Kurzname = std::string("Bo-") + (id.t == flaechenart::KellerBoden ? "KE-" : "EG-") + zonenstueck(id.z)
                     + Zweistellig(id.k) + Nummernstueck(id.n);
    }

    for (DDecke& d : m_aDecke) {
        const IDTeile id(d.m_plane);
        d.Kurzname = "De-OG-" + Zweistellig(id.k) + Nummernstueck(id.n);
    }

    for (DSteildach& d : m_aSteildach) {
        const IDTeile id(d.m_plane);
        d.Kurzname = std::string("Sd-") + (id.t == flaechenart::GaubenDach ? "GB-" : "DG-") + Zweistellig(id.k)
                     + Nummernstueck(id.n);
    }

    for (DFlachdach& d : m_aFlachdach) {
        const IDTeile id(d.m_plane);
        d.Kurzname = "Fd-OG-" + zonenstueck(id.z) + Zweistellig(id.k) + Nummernstueck(id.n);
    }

    // Windows by the kind of their carrier (kind 50 + the carrier's kind);
    // their IDs carry zone 0, so they get no zone piece.
    constexpr int F = flaechenart::Fenster;
    for (DFenster& f : m_aFenster) {
        const IDTeile id(f.m_plane);
        std::string s;
        switch (id.t) {
        case F + flaechenart::KellerBoden: s = "FB-KE-"; break;
        case F + flaechenart::Bodenplatte: s = "FB-EG-"; break;
        case F + flaechenart::DeckeUnterDach: s = "FD-DG-"; break;
        case F + flaechenart::Drempel: s = "FW-DR-"; break;
        case F + flaechenart::Flachdach: s = "FF-DG-"; break;
        case F + flaechenart::Steildach: s = "FS-DG-"; break;
        case F + flaechenart::GaubenDach: s = "FS-GB-"; break;
        case F + flaechenart::GaubenFront:
        case F + flaechenart::GaubenLinks:
        case F + flaechenart::GaubenRechts: s = "FG-GB-"; break;
        default: s = "FW-" + Geschossstueck(id.m); break;
        }
        s += Zweistellig(id.k);
        switch (id.t) {
        case F + flaechenart::GaubenFront: s += Stueck("M%1d", id.n); break;
        case F + flaechenart::GaubenLinks: s += Stueck("L%1d", id.n); break;
        case F + flaechenart::GaubenRechts: s += Stueck("R%1d", id.n); break;
        case F + flaechenart::GaubenDach: s += Stueck("S%1d", id.n); break;
        default: s += Nummernstueck(id.n); break;
        }
        f.Kurzname = s;
    }
}

} // namespace zeva
