// Values the house derives from the planes of its component records: the net
// area of every opaque component, the envelope area and the short component
// labels.
#include "model/Arbeitszaehler.h"
#include "model/Haus.h"
#include "model/PlaneID.h"

#include <cstdio>
#include <string>
#include <unordered_map>
#include <vector>

namespace zeva {

namespace {

// The records (by index, in array order) that stand on each carrier ID. One
// pass over the array, so the net areas of a large house stay linear.
using Traegerindex = std::unordered_map<std::int32_t, std::vector<std::size_t>>;

template <class A, class Traeger>
Traegerindex IndexNachTraeger(const A& records, Traeger traeger)
{
    Traegerindex index;
    for (std::size_t i = 0; i < records.size(); ++i) {
        ++arbeitszaehler::nettoflaechenSchritte;
        traeger(records[i].m_plane, [&](std::int32_t id) { index[id].push_back(i); });
    }
    return index;
}

const std::vector<std::size_t>& Getragene(const Traegerindex& index, std::int32_t id)
{
    static const std::vector<std::size_t> keine;
    const auto it = index.find(id);
    return it == index.end() ? keine : it->second;
}

// The area a record keeps of its own plane: minus what the other records of
// its array stand on it (carried), minus the windows in it. The carried
// areas are always plane areas, never stored Flaeche values, so the order in
// which the records are done does not matter; they are taken off in array
// order.
template <class A>
double OhneGetragene(const A& records, std::size_t r, const Traegerindex& getragen, const CDFensterArray& fenster,
                     const Traegerindex& fensterIndex)
{
    const Plane& eigene = records[r].m_plane;
    double a = eigene.Flaeche();
    ++arbeitszaehler::nettoflaechenSchritte;
    for (std::size_t i : Getragene(getragen, eigene.ID)) {
        ++arbeitszaehler::nettoflaechenSchritte;
        if (i != r)
            a -= records[i].m_plane.Flaeche();
    }
    for (std::size_t i : Getragene(fensterIndex, eigene.ID)) {
        ++arbeitszaehler::nettoflaechenSchritte;
        a -= fenster[i].m_plane.Flaeche();
    }
    return a;
}

template <class A>
void BerechneNetto(A& records, const Traegerindex& getragen, const CDFensterArray& fenster,
                   const Traegerindex& fensterIndex)
{
    for (std::size_t r = 0; r < records.size(); ++r)
        records[r].Flaeche = OhneGetragene(records, r, getragen, fenster, fensterIndex);
}

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
    const auto eins = [](const Plane& p, auto&& nimm) { nimm(p.Traeger1ID); };
    const Traegerindex fenster = IndexNachTraeger(m_aFenster, [](const Plane& p, auto&& nimm) { nimm(p.Traeger2ID); });

    // Walls carry walls by either carrier field (a dormer wall stands on a
    // roof face by Traeger1ID, a gable part on a wall by Traeger2ID).
    BerechneNetto(m_aWand, IndexNachTraeger(m_aWand, [](const Plane& p, auto&& nimm) {
                      nimm(p.Traeger1ID);
                      if (p.Traeger2ID != p.Traeger1ID)
                          nimm(p.Traeger2ID);
                  }),
                  m_aFenster, fenster);

    BerechneNetto(m_aSteildach, IndexNachTraeger(m_aSteildach, eins), m_aFenster, fenster);
    Traegerindex gauben;
    for (std::size_t i = 0; i < m_aGaube.size(); ++i)
        gauben[m_aGaube[i].Traeger1ID].push_back(i);
    for (DSteildach& d : m_aSteildach)
        for (std::size_t i : Getragene(gauben, d.m_plane.ID))
            d.Flaeche -= m_aGaube[i].m_Dachauflage.Flaeche();

    BerechneNetto(m_aDecke, IndexNachTraeger(m_aDecke, eins), m_aFenster, fenster);
    // A dormer's ceiling belongs to the attic ceiling of the zone its roof
    // face stands in, and only to that one: added to every ceiling it would
    // be counted once per ceiling. Without such a ceiling it is left out.
    std::unordered_map<int, std::size_t> dachbodendecke;
    for (std::size_t i = m_aDecke.size(); i-- > 0;)
        if (m_aDecke[i].m_plane.ArtAusID() == flaechenart::DeckeUnterDach * IdArtFaktor)
            dachbodendecke[m_aDecke[i].m_plane.ZoneAusID()] = i;
    for (const Gaube& g : m_aGaube)
        if (const auto it = dachbodendecke.find(ZoneAusID(g.Traeger1ID)); it != dachbodendecke.end())
            m_aDecke[it->second].Flaeche += g.m_Deckenflaeche.Flaeche();

    BerechneNetto(m_aFlachdach, IndexNachTraeger(m_aFlachdach, eins), m_aFenster, fenster);
    BerechneNetto(m_aBoden, IndexNachTraeger(m_aBoden, eins), m_aFenster, fenster);
}

double Haus::Luftvolumenfaktor() const
{
    return Nutzungstyp == 0 && Stockwerkszahl <= 2 ? 0.76 : 0.8;
}

double Haus::Bruttovolumen() const
{
    return Volumen / Luftvolumenfaktor();
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
