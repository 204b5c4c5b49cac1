// The surface generator: the drawn building becomes planes and records.
#include "geometry/C3DGenerator.h"

#include "geometry/CPolygon2D.h"
#include "geometry/CPolygon3D.h"
#include "geometry/DachFlaechen.h"
#include "model/Arbeitszaehler.h"
#include "model/Dokumentgrenzen.h"
#include "model/GeometrieToleranzen.h"
#include "model/Haus.h"
#include "model/PlaneID.h"
#include "model/Zahlentext.h"

#include <algorithm>
#include <cmath>

namespace zeva {

namespace {

// Border kinds the generator gives its records (Angrenzungsart).
constexpr std::int32_t AngrenzungErdreich = 2;
constexpr std::int32_t AngrenzungUnbeheizt8 = 6; // "unbeheizt + 8°C": over an unheated basement
constexpr std::int32_t AngrenzungFlachdach = 0;

// The generator's own surfaces name themselves as their carriers.
void SetzeIDs(Plane& p, std::int32_t id, std::int32_t fassadenID)
{
    p.ID = id;
    p.Traeger1ID = id;
    p.Traeger2ID = id;
    p.GaubenID = -1;
    p.FassadenID = fassadenID;
    p.FensterAufFlaechePlaziert = 0;
    p.FlaecheWurdeBearbeitet = 0;
}

} // namespace

C3DGenerator::C3DGenerator(Haus& haus, Notifier& notifier) : m_haus(haus), m_notifier(notifier) {}

int C3DGenerator::ZahlZonen() const
{
    // A copy of a house holds no zones although it keeps Zonen.
    return std::clamp(m_haus.Zonen, 0, m_haus.m_aZone.GetSize());
}

bool C3DGenerator::PruefeGrenzen()
{
    // More edges than two digits hold run into the storey digits of the
    // wall IDs, and zone numbers beyond 20 leave the 32-bit range; either
    // would give two surfaces one ID and with it wrong net areas. The plan
    // editor keeps to both limits; a document that does not is refused
    // before anything of the house is touched.
    bool zuVieleZonen = m_haus.Zonen > MaxZonen;
    // The roofs choose their zone among all zones with an outline.
    for (int z = MaxZonen; z < m_haus.m_aZone.GetSize(); ++z)
        if (!m_haus.m_aZone[static_cast<std::size_t>(z)].m_a2DGrundrissPunkte.empty())
            zuVieleZonen = true;
    if (zuVieleZonen) {
        m_notifier.Nachricht(MeldungZuVieleZonen, Notifier::Art::Fehler);
        return false;
    }
    for (int z = 0; z < ZahlZonen(); ++z)
        if (m_haus.m_aZone[static_cast<std::size_t>(z)].m_a2DGrundrissPunkte.GetSize() > MaxGrundrissPunkte) {
            m_notifier.Nachricht(MeldungZuVielePunkte, Notifier::Art::Fehler);
            return false;
        }
    // Storeys beyond the two digits of the ID would share IDs too, and the
    // walls of a storey count of millions would never be finished.
    for (int z = 0; z < ZahlZonen(); ++z)
        if (m_haus.m_aZone[static_cast<std::size_t>(z)].Stockwerkszahl > grenzen::MaxStockwerke) {
            m_notifier.Nachricht(MeldungZuVieleStockwerke, Notifier::Art::Fehler);
            return false;
        }
    // Every roof is compared with every other one.
    if (m_haus.m_aDach.size() > grenzen::MaxDaecher) {
        m_notifier.Nachricht(MeldungZuVieleDaecher, Notifier::Art::Fehler);
        return false;
    }
    return true;
}

int C3DGenerator::Erzeuge3DFlaechen()
{
    if (!PruefeGrenzen()) {
        m_ergebnis = 0;
        return m_ergebnis;
    }

    m_haus.m_aPlane.RemoveAll();
    m_haus.m_aWand.RemoveAll();
    m_haus.m_aFenster.RemoveAll();
    m_haus.m_aFlachdach.RemoveAll();
    m_haus.m_aBoden.RemoveAll();
    m_haus.m_aDecke.RemoveAll();
    m_haus.m_aSteildach.RemoveAll();
    m_haus.m_aGaube.RemoveAll();

    for (CDach& dach : m_haus.m_aDach)
        ErzeugeFlaechen(dach, m_haus, m_haus.m_aPlane);
    ReserviereFuerZonen();

    for (int z = 0; z < ZahlZonen(); ++z) {
        m_zonenIndex = z;
        m_zone = &m_haus.m_aZone[static_cast<std::size_t>(z)];
        if (m_zone->m_a2DGrundrissPunkte.empty())
            continue;
        // Every zone of a flat-roof house has its own roof; a house with
        // pitched roofs gets its roofs from the roof builder above.
        if (m_haus.Steildach != 1)
            ErzeugeFlachdach();
        ErzeugeKellerwaende();
        ErzeugeBodenplatte();
        ErzeugeAussenwaende();
        ErzeugeDrempel();
    }
    m_zone = nullptr;

    m_haus.BerechneNettoflaechen();
    m_haus.ListeNeuAufbauen = 1;
    m_ergebnis = 1;
    return m_ergebnis;
}

void C3DGenerator::ReserviereFuerZonen()
{
    // At most one ring of walls per storey, one for the basement and one for
    // the knee wall round each outline, and a floor and a roof per zone.
    std::size_t ringe = 0;
    std::size_t zonen = 0;
    for (int z = 0; z < ZahlZonen(); ++z) {
        const Zone& zone = m_haus.m_aZone[static_cast<std::size_t>(z)];
        const auto stockwerke = static_cast<std::size_t>(std::max(zone.Stockwerkszahl, 0));
        ringe += zone.m_a2DGrundrissPunkte.size() * (stockwerke + 2);
        ++zonen;
    }
    m_haus.m_aPlane.Reserve(m_haus.m_aPlane.size() + ringe);
    m_haus.m_aWand.Reserve(ringe);
    m_haus.m_aBoden.Reserve(zonen);
    m_haus.m_aFlachdach.Reserve(zonen);
}

double C3DGenerator::Massstab() const
{
    const double f = m_haus.RealAreaWidth / m_haus.OpenGLWidth;
    // A damaged document must not turn every coordinate into inf or nan.
    if (!(m_haus.OpenGLWidth > 0) || !std::isfinite(f) || !(f > 0))
        return 1;
    return f;
}

void C3DGenerator::Umlauf(double unten, double oben, int art, int geschoss, bool mitBauteil)
{
    const Punkt2DArray& umriss = m_zone->m_a2DGrundrissPunkte;
    const int n = umriss.GetSize();
    if (n < 2)
        return;
    const double f = Massstab();
    // Backwards round the outline: first the closing edge from P0 to Pn-1,
    // then from Pn-1 to Pn-2 and so on; edge k runs from P(k+1) to Pk.
    for (int k = n - 1; k >= 0; --k) {
        ++arbeitszaehler::generatorSchritte;
        const Punkt2D s = umriss[static_cast<std::size_t>((k + 1) % n)] * f;
        const Punkt2D e = umriss[static_cast<std::size_t>(k)] * f;
        Plane p;
        p.lo = Punkt3D(s.x, oben, s.y);
        p.ro = Punkt3D(e.x, oben, e.y);
        p.ru = Punkt3D(e.x, unten, e.y);
        p.lu = Punkt3D(s.x, unten, s.y);
        SetzeIDs(p, PlaneIDAus(m_zonenIndex, art, 0, geschoss, k), PlaneIDAus(0, flaechenart::Geschosswand, 0, 0, k));
        if (mitBauteil) {
            const std::size_t i = m_haus.m_aWand.Add(m_haus.m_defaultWand);
            DWand& w = m_haus.m_aWand[i];
            w.m_plane = p;
            w.Nummer = static_cast<std::int32_t>(i);
            w.Flaeche = RundeSignifikant(p.Flaeche(), toleranz::SignifikanteStellen);
            if (art == flaechenart::KellerWand)
                w.Zone = AngrenzungErdreich;
        }
        m_haus.m_aPlane.Add(p);
    }
}

void C3DGenerator::ErzeugeKellerwaende()
{
    if (m_zone->Kellerhoehe > 0)
        Umlauf(0, m_zone->Kellerhoehe, flaechenart::KellerWand, 0, m_haus.KellerBeheizt == 1);
}

void C3DGenerator::ErzeugeAussenwaende()
{
    if (!(m_zone->Stockwerkshoehe > 0) || m_zone->Stockwerkszahl < 1)
        return;
    for (int i = 0; i < m_zone->Stockwerkszahl; ++i) {
        const double unten = m_zone->Kellerhoehe + i * m_zone->Stockwerkshoehe;
        Umlauf(unten, unten + m_zone->Stockwerkshoehe, flaechenart::Geschosswand, i, true);
    }
}

void C3DGenerator::ErzeugeDrempel()
{
    if (!(m_zone->Drempelhoehe > 0))
        return;
    const double unten = m_zone->Kellerhoehe + m_zone->Stockwerkszahl * m_zone->Stockwerkshoehe;
    Umlauf(unten, unten + m_zone->Drempelhoehe, flaechenart::Drempel, 0, m_haus.DachBeheizt != 0);
}

template <class X>
std::size_t C3DGenerator::FlaechenBauteil(CXmlObjektArray<X>& records, const X& vorlage, double hoehe, int art)
{
    // The section is in drawing units; the walls are in metres, so the area
    // takes the scale squared.
    const double f = Massstab();
    Plane p;
    p.SetzeRechteck(Schnittflaeche(hoehe, m_zonenIndex) * f * f);
    SetzeIDs(p, PlaneIDAus(m_zonenIndex, art, 0, 0, 0), PlaneIDAus(0, art, 0, 0, 0));

    ++arbeitszaehler::generatorSchritte;
    const std::size_t i = records.Add(vorlage);
    X& x = records[i];
    x.m_plane = p;
    x.Nummer = static_cast<std::int32_t>(i);
    x.Flaeche = p.Flaeche();
    return i;
}

void C3DGenerator::ErzeugeBodenplatte()
{
    int art = flaechenart::Bodenplatte;
    double hoehe = m_zone->Kellerhoehe;
    std::int32_t angrenzung = m_zone->Kellerhoehe != 0 ? AngrenzungUnbeheizt8 : AngrenzungErdreich;
    if (m_haus.KellerBeheizt != 0 && m_zone->Kellerhoehe != 0) {
        art = flaechenart::KellerBoden;
        hoehe = 0;
        angrenzung = AngrenzungErdreich;
    }
    m_haus.m_aBoden[FlaechenBauteil(m_haus.m_aBoden, m_haus.m_defaultBoden, hoehe, art)].Zone = angrenzung;
}

void C3DGenerator::ErzeugeFlachdach()
{
    // Documents of the oldest form carry hip lines from which their roofs
    // are made; such a house has no flat roof of its own.
    if (!m_haus.m_aLinien2.empty())
        return;
    const double hoehe = m_zone->Stockwerkszahl * m_zone->Stockwerkshoehe + m_zone->Kellerhoehe;
    m_haus.m_aFlachdach[FlaechenBauteil(m_haus.m_aFlachdach, m_haus.m_defaultFlachdach, hoehe, flaechenart::Flachdach)]
        .Zone = AngrenzungFlachdach;
}

double C3DGenerator::Schnittflaeche(double h, int zonenIndex) const
{
    if (zonenIndex < 0 || zonenIndex >= m_haus.m_aZone.GetSize())
        return 0;
    const Zone& zone = m_haus.m_aZone[static_cast<std::size_t>(zonenIndex)];
    const double traufe = zone.Stockwerkszahl * zone.Stockwerkshoehe + zone.Kellerhoehe + zone.Drempelhoehe;
    const double first = traufe + zone.Dachhoehe;

    if (h <= traufe) {
        CPolygon2D umriss;
        for (const Punkt2D& p : zone.m_a2DGrundrissPunkte) {
            ++arbeitszaehler::generatorSchritte;
            umriss.FuegeHinzu(p);
        }
        return umriss.Flaeche();
    }
    if (h >= first)
        return 0;

    // Inside the roof: where the side edges of the pitched faces pierce the
    // horizontal plane at h.
    const CPolygon3D ebene{Punkt3D(0, h, 0), Punkt3D(1, h, 0), Punkt3D(1, h, 1), Punkt3D(0, h, 1)};
    CPolygon2D schnitt;
    for (const Plane& p : m_haus.m_aPlane) {
        ++arbeitszaehler::generatorSchritte;
        if (p.ArtAusID() != flaechenart::Steildach * IdArtFaktor)
            continue;
        // Left edge lo-lu, right edge ro-ru (a triangle's apex is lo = ro).
        Punkt3D d;
        if (ebene.Durchstosspunkt(p.lo, p.lu, d))
            schnitt.FuegeHinzu(d);
        if (ebene.Durchstosspunkt(p.ro, p.ru, d))
            schnitt.FuegeHinzu(d);
    }
    schnitt.Sortiere(1);
    return schnitt.Flaeche();
}

} // namespace zeva
