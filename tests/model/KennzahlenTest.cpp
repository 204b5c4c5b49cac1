// The figures the result panes derive from a building state, the texts of a
// variant's criterion, the helpers of the input pages, and the notifier that
// a long run mutes.
#include "model/DaempfbarerNotifier.h"
#include "model/DOptionen.h"
#include "model/Eingabehilfen.h"
#include "model/Zahlentext.h"
#include "model/Kennzahlen.h"

#include "VariantenTestHaus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zeva {
namespace {

DBedarf Bedarf()
{
    DBedarf b;
    b.Brennstoffenergiebedarf = 200;
    b.Waermebedarf = 180;
    b.Fenstergewinnnutzbarsumme = 15;
    b.PersonenNutzbar = 5;
    b.ElektrizitaetNutzbar = 10;
    return b;
}

TEST(Kennzahlen, HeizwaermeUndHeizenergieJeVerfahren)
{
    const DBedarf b = Bedarf();
    EXPECT_EQ(Heizwaermebedarf(b, BerechnungEnEV), 150);
    EXPECT_EQ(Heizwaermebedarf(b, BerechnungSIA), 150);
    EXPECT_EQ(Heizwaermebedarf(b, BerechnungWSVO95), 180);
    EXPECT_EQ(Heizenergiebedarf(b, BerechnungEnEV), 200);
    EXPECT_EQ(Heizenergiebedarf(b, BerechnungSIA), 200);
    EXPECT_EQ(Heizenergiebedarf(b, BerechnungWSVO95), 0);
}

TEST(Kennzahlen, BrennstoffMengeCo2UndKosten)
{
    struct Fall {
        int brennstoff;
        const char* name;
        const char* einheit;
        double mengeJeKWh; // from the fuels' heating values
        double co2JeKWh;   // kg
        double preis;      // the options' default, EUR/kWh
    };
    const Fall faelle[] = {
        {0, "Gas", "m³", 1 / 10.4, 0.22, 0.1345},
        {1, "Öl", "l", 1 / 10.0, 0.306, 0.1006},
        {2, "Fester Brennstoff", "kg", 1 / 3.3, 0.00181, 0.04},
        {3, "Strom", "kWh", 1, 0.648, 0.412},
        {4, "Sonstige", "kWh", 1, 0, 0.045},
        {5, "Sonstige", "kWh", 1, 0.141, 0.04},
        {6, "Sonstige", "kWh", 1, 0.431, 0.02},
        {7, "Sonstige", "kWh", 1, 0.368, 0.02},
        // Codes the program does not know: counted in kWh, without CO2 or price.
        {8, "Sonstige", "kWh", 1, 0, 0},
        {-1, "Sonstige", "kWh", 1, 0, 0},
    };
    const DBedarf b = Bedarf(); // 200 kWh/m²a of fuel energy
    const DOptionen o;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.brennstoff);
        DHeizung h;
        h.Brennstoff = f.brennstoff;
        EXPECT_EQ(BrennstoffAnzeige(f.brennstoff), f.name);
        EXPECT_EQ(BrennstoffMengeneinheit(f.brennstoff), f.einheit);
        EXPECT_DOUBLE_EQ(BrennstoffmengeProQm(b, h), 200 * f.mengeJeKWh);
        EXPECT_DOUBLE_EQ(BrennstoffmengeGesamt(b, h, 150), 200 * f.mengeJeKWh * 150);
        EXPECT_DOUBLE_EQ(Co2ProQm(b, h), 200 * f.co2JeKWh);
        EXPECT_DOUBLE_EQ(Co2Gesamt(b, h, 150), 200 * f.co2JeKWh * 150 / 1000);
        EXPECT_DOUBLE_EQ(HeizkostenProQm(b, h, o), 200 * f.preis);
        EXPECT_DOUBLE_EQ(HeizkostenGesamt(b, h, o, 150), 200 * f.preis * 150);
    }
}

TEST(Kennzahlen, SanierungJeQuadratmeterUndInTonnen)
{
    DBedarf b;
    b.SetCo2Sanierung(12500);
    EXPECT_DOUBLE_EQ(Co2SanierungTonnen(b), 12.5);
    EXPECT_EQ(ProQm(30000, 120), 250);
    EXPECT_EQ(ProQm(30000, 0), 0);
}

TEST(Kennzahlen, ZielfunktionTexte)
{
    struct Fall {
        int zielfunktion;
        double grenze;
        const char* art;
        const char* beschreibung;
    };
    const Fall faelle[] = {
        {-1, 10000, "Manuell", ""},
        {0, 10000, "Automatisch", "des maximalen jährlichen Gewinn pro 1.000 EUR Investition"},
        {1, 10000, "Automatisch", "der maximalen Einsparung bei 10.000 EUR Kosten"},
        {1, 1234567.8, "Automatisch", "der maximalen Einsparung bei 1.234.568 EUR Kosten"},
        {2, 70, "Automatisch", "minimaler Kosten bei vorgegebenem Heizenergiebedarf von 70,0 kWh/m²a"},
        {2, 45.5, "Automatisch", "minimaler Kosten bei vorgegebenem Heizenergiebedarf von 45,5 kWh/m²a"},
        {2, 120, "Automatisch", "minimaler Kosten bei vorgegebenem Heizenergiebedarf von 120 kWh/m²a"},
        {3, 10000, "Automatisch", "Unbekannt"},
        {-2, 10000, "Automatisch", "Unbekannt"},
    };
    for (const Fall& f : faelle) {
        const ZielfunktionText t = BeschreibeZielfunktion(f.zielfunktion, f.grenze);
        EXPECT_EQ(t.art, f.art) << f.zielfunktion;
        EXPECT_EQ(t.beschreibung, f.beschreibung) << f.zielfunktion << " " << f.grenze;
    }
}

TEST(Kennzahlen, JahresGradtage)
{
    Klimadaten k;
    for (std::size_t m = 0; m < 12; ++m)
        k.Gradtage[m] = 100.0 + static_cast<double>(m);
    EXPECT_EQ(JahresGradtage(k), 1266);
}

// ---------------------------------------------------------------- input pages

TEST(Eingabehilfen, ElektrizitaetAusStromverbrauch)
{
    EXPECT_DOUBLE_EQ(ElektrizitaetAusStromverbrauch(4000, 100), 144);
    EXPECT_DOUBLE_EQ(ElektrizitaetAusStromverbrauch(3000, 1), 10800);
    EXPECT_EQ(ElektrizitaetAusStromverbrauch(4000, 0.99), 0);
    EXPECT_EQ(ElektrizitaetAusStromverbrauch(4000, 0), 0);
    EXPECT_EQ(ElektrizitaetAusStromverbrauch(4000, -50), 0);
}

TEST(Eingabehilfen, KlimazoneAusAuswahl)
{
    EXPECT_EQ(KlimazoneAusAuswahl(0), 13);
    for (int k = 1; k <= 12; ++k)
        EXPECT_EQ(KlimazoneAusAuswahl(k), k);
}

TEST(Eingabehilfen, KesselpruefungenDerHeizungsseite)
{
    DHeizung h;
    h.Nennwaermeleistung = 10;
    h.Bereitschaftszeit = 2000; // 10 kW · 2000 h = 72 000 MJ
    EXPECT_TRUE(KesselDecktWaermebedarf(72000, h));
    EXPECT_FALSE(KesselDecktWaermebedarf(72000.5, h));
    EXPECT_TRUE(KesselDecktNormwaermebedarf(10, h));
    EXPECT_FALSE(KesselDecktNormwaermebedarf(10.01, h));

    // On the reference house: 125 261 MJ a year and 11.3 kW.
    Haus haus;
    test::ReferenzHausMitKessel(haus);
    test::AntwortNotifier n;
    const double bilanz = haus.Waermebilanz(n);
    const double last = haus.BerechneNormwaermebedarf(0, n);
    EXPECT_TRUE(KesselDecktWaermebedarf(bilanz, haus.m_aHeizung[0]));
    EXPECT_TRUE(KesselDecktNormwaermebedarf(last, haus.m_aHeizung[0]));
    haus.m_aHeizung[0].Nennwaermeleistung = 10;
    EXPECT_TRUE(KesselDecktWaermebedarf(bilanz, haus.m_aHeizung[0]));
    EXPECT_FALSE(KesselDecktNormwaermebedarf(last, haus.m_aHeizung[0]));
    haus.m_aHeizung[0].Bereitschaftszeit = 3000; // 108 000 MJ
    EXPECT_FALSE(KesselDecktWaermebedarf(bilanz, haus.m_aHeizung[0]));

    EXPECT_STREQ(WarnungWaermebedarf, "Warnung: Mit der angegebenen Kesselleistung und Einschaltdauer kann der "
                                      "Wärmebedarf des Gebäudes nicht gedeckt werden. Trotzdem fortsetzen?");
    EXPECT_STREQ(WarnungNormwaermebedarf, "Warnung: Mit der angegebenen Kesselleistung kann der Normwärmebedarf "
                                          "des Gebäudes nicht gedeckt werden. Trotzdem fortsetzen?");
}

TEST(Eingabehilfen, KesselnutzungsgradAusDenVerlusten)
{
    // 20 kW for 1500 h, losses 7 %, 1.5 %, 1 %, distribution 96 %, 100 000 MJ:
    // distribution loss 4 166.7 MJ, full-load hours 1 446.8, generator loss
    // 8 854 MJ, standby loss 38 MJ, efficiency 0.92135.
    const Kesselkennwerte kessel{20, 1500, 7, 1.5, 1, 96};
    DHeizung h;
    h.Einzelheiz = 1;
    h.Preis = 4711;
    const std::optional<double> eta = KesselnutzungsgradAusVerlusten(100000, kessel, h);
    ASSERT_TRUE(eta.has_value());
    EXPECT_DOUBLE_EQ(*eta, 92.13);
    std::string text;
    ASSERT_TRUE(FormatiereStellen(*eta, text, 3));
    EXPECT_EQ(text, "92,1");
    // The record took the fields as fractions and is a central heating now.
    EXPECT_EQ(h.Einzelheiz, 0);
    EXPECT_DOUBLE_EQ(h.Abgasverlust, 0.07);
    EXPECT_DOUBLE_EQ(h.Strahlungsverlust, 0.015);
    EXPECT_DOUBLE_EQ(h.Bereitschaftsverlust, 0.01);
    EXPECT_DOUBLE_EQ(h.Nennwaermeleistung, 20);
    EXPECT_DOUBLE_EQ(h.Bereitschaftszeit, 1500);
    EXPECT_DOUBLE_EQ(h.Verteilungsnutzungsgrad, 0.96);
    EXPECT_NEAR(h.Vollbenutzungsstunden, 1446.76, 0.01);
    EXPECT_EQ(h.Preis, 4711) << "what the fields do not describe stays";

    // Refused: nothing computed and the record untouched.
    struct Fall {
        const char* was;
        double q;
        Kesselkennwerte k;
    };
    const Fall faelle[] = {
        {"distribution at 1 %", 100000, {20, 1500, 7, 1.5, 1, 1}},
        {"a loss above 100 %", 100000, {20, 1500, 100.5, 1.5, 1, 96}},
        {"a negative loss", 100000, {20, 1500, 7, -1, 1, 96}},
        {"power 0.1 kW", 100, {0.1, 1500, 7, 1.5, 1, 96}},
        {"more hours than a year has", 100000, {20, 8761, 7, 1.5, 1, 96}},
        {"negative hours", 100000, {20, -1, 7, 1.5, 1, 96}},
        {"the demand exactly at the boiler's limit", 108000, {20, 1500, 7, 1.5, 1, 96}},
        {"the demand beyond it", 200000, {20, 1500, 7, 1.5, 1, 96}},
        {"no losses: the efficiency alone describes the boiler", 100000, {20, 1500, 0, 0, 0, 96}},
    };
    for (const Fall& f : faelle) {
        DHeizung unberuehrt;
        unberuehrt.Jahresnutzungsgrad = 0.8;
        EXPECT_FALSE(KesselnutzungsgradAusVerlusten(f.q, f.k, unberuehrt).has_value()) << f.was;
        EXPECT_EQ(unberuehrt.Nennwaermeleistung, 0) << f.was;
        EXPECT_EQ(unberuehrt.Jahresnutzungsgrad, 0.8) << f.was;
    }
    EXPECT_TRUE(KesselkennwerteBrauchbar({0.2, 0, 0, 0, 100, 1.01}));
    EXPECT_TRUE(KesselkennwerteBrauchbar({20, 8760, 100, 0, 0, 96}));
}

TEST(Eingabehilfen, TabellenDerHeizungsseite)
{
    // One table of the distribution kinds for the heating page and the options.
    ASSERT_EQ(std::size(Verteilungsarten), 4u);
    EXPECT_STREQ(Verteilungsarten[2].text, "Zentralheizung (Wärmeerzeugung im Gebäude)");
    EXPECT_EQ(Verteilungsarten[2].prozent, 96);
    EXPECT_EQ(Verteilungsarten[3].prozent, 93);
    int jeBrennstoff[8] = {};
    for (const Einzelheizgeraet& g : Einzelheizgeraete)
        ++jeBrennstoff[g.brennstoff];
    const int erwartet[8] = {5, 1, 6, 4, 0, 0, 0, 0};
    for (int b = 0; b < 8; ++b)
        EXPECT_EQ(jeBrennstoff[b], erwartet[b]) << b;
}

TEST(Eingabehilfen, FensterPlanesAufIhremTraeger)
{
    Plane traeger;
    traeger.ID = 104010203; // zone 1, kind 4, number 1, storey 2, index 3
    traeger.Traeger1ID = 4711;
    traeger.GaubenID = 10000002;
    traeger.FassadenID = 33;
    std::vector<DFenster> fenster(3);
    for (std::size_t i = 0; i < fenster.size(); ++i)
        fenster[i].Flaeche = 1.5 + static_cast<double>(i);
    std::vector<DFenster*> zeiger;
    for (DFenster& f : fenster)
        zeiger.push_back(&f);
    EXPECT_TRUE(SetzeFensterPlanes(traeger, zeiger));

    const std::int32_t ids[] = {54010203, 54110203, 54210203};
    for (std::size_t i = 0; i < fenster.size(); ++i) {
        const Plane& p = fenster[i].m_plane;
        EXPECT_EQ(p.ID, ids[i]) << i;
        EXPECT_EQ(p.Traeger1ID, 4711);
        EXPECT_EQ(p.Traeger2ID, 104010203);
        EXPECT_EQ(p.GaubenID, 10000002);
        EXPECT_EQ(p.FassadenID, 33);
        EXPECT_NEAR(p.Flaeche(), fenster[i].Flaeche, 1e-12);
    }

    // Eleven and more windows on one carrier still get IDs of their own.
    std::vector<DFenster> viele(14);
    std::vector<DFenster*> vz;
    for (DFenster& f : viele) {
        f.Flaeche = 1;
        vz.push_back(&f);
    }
    EXPECT_TRUE(SetzeFensterPlanes(traeger, vz));
    std::vector<std::int32_t> alle;
    for (const DFenster& f : viele)
        alle.push_back(f.m_plane.ID);
    std::sort(alle.begin(), alle.end());
    EXPECT_EQ(std::adjacent_find(alle.begin(), alle.end()), alle.end());
}

// ---------------------------------------------------------------- muting

TEST(DaempfbarerNotifier, StummFuerDieDauerEinesLaufs)
{
    test::AntwortNotifier ziel(true);
    DaempfbarerNotifier n(ziel);
    n.Nachricht("vorher", Notifier::Art::Warnung);
    EXPECT_TRUE(n.Frage("Frage vorher"));
    {
        DaempfbarerNotifier::Stumm stumm(n);
        EXPECT_TRUE(n.IstStumm());
        n.Nachricht("A", Notifier::Art::Warnung);
        {
            DaempfbarerNotifier::Stumm nochmal(n);
            n.Nachricht("B", Notifier::Art::Fehler);
        }
        EXPECT_TRUE(n.IstStumm());
        n.Nachricht("A", Notifier::Art::Warnung);
        EXPECT_FALSE(n.Frage("Löschen?")); // muted: No, which changes nothing
    }
    EXPECT_FALSE(n.IstStumm());
    EXPECT_EQ(ziel.nachrichten, std::vector<std::string>{"vorher"});
    EXPECT_EQ(ziel.fragen, std::vector<std::string>{"Frage vorher"});
    EXPECT_EQ(n.VerschluckteTexte(), (std::vector<std::string>{"A", "B", "Löschen?"}));
    EXPECT_EQ(n.AnzahlVerschluckt(), 4u);
    n.Nachricht("nachher", Notifier::Art::Information);
    EXPECT_EQ(ziel.nachrichten.back(), "nachher");
    n.VergissVerschluckte();
    EXPECT_TRUE(n.VerschluckteTexte().empty());
    EXPECT_EQ(n.AnzahlVerschluckt(), 0u);
}

// A run over many variants of a house without climate data reports the
// missing file once instead of once per variant.
TEST(DaempfbarerNotifier, OptimiererLaufMitFehlendenKlimadaten)
{
    Haus h;
    test::ReferenzHausMitKessel(h);
    h.Klimazone = 0;
    h.Berechnungsverfahren = BerechnungSIA;
    DOptionen o;
    for (int v = 0; v < 5; ++v)
        h.NeueVariante(false, o);
    test::AntwortNotifier ziel;
    DaempfbarerNotifier n(ziel);
    {
        DaempfbarerNotifier::Stumm stumm(n);
        for (int v = 1; v <= 5; ++v) {
            h.BerechneBedarf(v, n);
            h.BerechneNormwaermebedarf(v, n);
        }
    }
    EXPECT_TRUE(ziel.nachrichten.empty());
    EXPECT_EQ(n.AnzahlVerschluckt(), 10u);
    ASSERT_EQ(n.VerschluckteTexte().size(), 2u);
    EXPECT_EQ(n.VerschluckteTexte()[1], "Die Datei KLIMA.RDT konnte nicht geöffnet werden oder ist beschädigt. "
                                        "Berechnung des Normwärmebedarfs nicht möglich.");
}

} // namespace
} // namespace zeva
