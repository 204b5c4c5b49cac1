#pragma once
// Houses for the heat-balance tests: a synthetic climate that is the same
// every month, component builders, a notifier that keeps the texts, and the
// small reference house whose results were computed by hand.
#include "model/Haus.h"
#include "model/Notifier.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

namespace zeva::test {

class MerkNotifier final : public Notifier {
public:
    void Nachricht(const std::string& text, Art) override { texte.push_back(text); }
    bool Frage(const std::string&) override { return false; }
    std::vector<std::string> texte;
};

// The same climate in every month: heating days = days of the month, degree
// days = gradtageProTag × days.
struct Monatsklima {
    double aussentemperatur = 4;
    double sued = 50;
    double west = 30;
    double ost = 30;
    double nord = 15;
    double horizontal = 60;
    double gradtageProTag = 16;
};

inline void SetzeKlima(Haus& h, const Monatsklima& k)
{
    h.Klimazone = KlimazoneDIN4108;
    for (std::size_t m = 0; m < 12; ++m) {
        h.Aussentemperatur[m] = k.aussentemperatur;
        h.StrahlungSued[m] = k.sued;
        h.StrahlungWest[m] = k.west;
        h.StrahlungOst[m] = k.ost;
        h.StrahlungNord[m] = k.nord;
        h.StrahlungHorizontal[m] = k.horizontal;
        h.Heiztage[m] = h.Monatstage[m];
        h.Gradtage[m] = k.gradtageProTag * h.Monatstage[m];
    }
}

template <class T>
T Opak(double flaeche, double u, int angrenzung = 0)
{
    T b;
    b.Flaeche = flaeche;
    b.kWert = u;
    if constexpr (T::HatZone)
        b.Zone = angrenzung;
    return b;
}

inline DFenster Fenster(double flaeche, int richtung, int neigung, double uGlas, double uRahmen, double rahmenanteil,
                        double g, double reduktion = 0.7)
{
    DFenster f;
    f.Flaeche = flaeche;
    f.Richtung = richtung;
    f.Neigung = neigung;
    f.kWertGlas = uGlas;
    f.kWertRahmen = uRahmen;
    f.Rahmenanteil = rahmenanteil;
    f.gWert = g;
    f.Reduktionsfaktor = reduktion;
    return f;
}

// A house with the given area and volume in the climate of Monatsklima and
// no components.
inline void LeeresHaus(Haus& h, double flaeche, double volumen, double luftwechsel = 0.8)
{
    SetzeKlima(h, {});
    h.Energiebezugsflaeche = flaeche;
    h.Volumen = volumen;
    h.Luftwechsel = luftwechsel;
}

// The reference house: 100 m², 300 m³, n 0.8, a one-family house with the
// default usage, a wall, a ceiling under an attic warmer by 4 K, a floor over
// a cellar warmer by 2 K and a south window.
inline void ReferenzHaus(Haus& h)
{
    LeeresHaus(h, 100, 300, 0.8);
    h.Nutzungstyp = 0;
    h.KellerBeheizt = 0;
    h.Elektrizitaet = 80;
    h.Personenzahl = 2;
    h.NutzungszeitProTag = 12;
    h.m_aWand.Add(Opak<DWand>(100, 1.0, 0));
    h.m_aDecke.Add(Opak<DDecke>(50, 0.8, 2));
    h.m_aBoden.Add(Opak<DBoden>(50, 1.2, 3));
    h.m_aFenster.Add(Fenster(10, 4, 0, 1.1, 1.5, 0.3, 0.6, 0.7));
}

// Runs the balance by the method; the house has climate data, so nothing
// may be reported.
inline double Rechne(Haus& h, int verfahren)
{
    h.Berechnungsverfahren = verfahren;
    MerkNotifier n;
    const double ergebnis = h.Waermebilanz(n);
    EXPECT_TRUE(n.texte.empty());
    return ergebnis;
}

inline double Summe(const Haus::Monatsreihe& r)
{
    double s = 0;
    for (const double x : r)
        s += x;
    return s;
}

// Every number the balance wrote: the 16 sums, the eight arrays and the nine
// monthly tables.
inline std::vector<double> AlleErgebnisse(const Haus& h)
{
    const DBedarf& b = h.m_aBedarf[0];
    std::vector<double> werte{b.Brennstoffenergiebedarf, b.Waermebedarf, b.Heizungsverlust, b.Lueftung,
                              b.Elektrizitaet, b.ElektrizitaetNutzbar, b.Personen, b.PersonenNutzbar,
                              b.Flachdachsumme, b.Steildachsumme, b.Deckesumme, b.Wandsumme, b.Bodensumme,
                              b.Fensterverlustsumme, b.Fenstergewinnsumme, b.Fenstergewinnnutzbarsumme};
    for (const CXmlDoubleArray* a : {&b.m_aBedFlachdach, &b.m_aBedSteildach, &b.m_aBedDecke, &b.m_aBedWand,
                                     &b.m_aBedBoden, &b.m_aBedFensterverlust, &b.m_aBedFenstergewinn,
                                     &b.m_aBedFenstergewinnnutzbar})
        werte.insert(werte.end(), a->begin(), a->end());
    for (const Haus::Monatsreihe* t : {&h.MonatWand, &h.MonatDecke, &h.MonatBoden, &h.MonatFenster,
                                       &h.MonatSteildach, &h.MonatFlachdach, &h.MonatLueftung, &h.MonatSolar,
                                       &h.MonatIntern})
        werte.insert(werte.end(), t->begin(), t->end());
    return werte;
}

} // namespace zeva::test
