// The dispatcher of the heat balance and what holds for all three methods:
// the reference house, the preparation of the demand record, the user's
// inside temperature, missing climate data and degenerate houses.
#include "BilanzTestHaus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace zeva {
namespace {

using test::AlleErgebnisse;
using test::MerkNotifier;
using test::Opak;
using test::ReferenzHaus;

void ErwarteRelativ(double ist, double soll, const std::string& was)
{
    EXPECT_NEAR(ist, soll, 1e-9 * std::max(1.0, std::abs(soll))) << was;
}

// The reference house computed by hand from the method descriptions: method 0
// with the default inside temperature of 19 °C, method 1 with its 20 °C and
// the irradiation taken from kWh/m² to MJ/m², method 2 with its fixed values.
TEST(Waermebilanz, ReferenzhausJeVerfahren)
{
    struct Zeile {
        const char* name;
        double DBedarf::*feld;
        double soll[3];
    };
    const Zeile zeilen[] = {
        {"Wandsumme", &DBedarf::Wandsumme, {131.4, 140.16, 84.0}},
        {"Deckesumme", &DBedarf::Deckesumme, {42.048, 42.048, 26.88}},
        {"Bodensumme", &DBedarf::Bodensumme, {51.246, 73.584, 25.2}},
        {"Steildachsumme", &DBedarf::Steildachsumme, {0, 0, 0}},
        {"Flachdachsumme", &DBedarf::Flachdachsumme, {0, 0, 0}},
        {"Fensterverlustsumme", &DBedarf::Fensterverlustsumme, {16.0308, 17.09952, 10.248}},
        {"Lueftung", &DBedarf::Lueftung, {107.2224, 117.45408, 68.55}},
        {"Elektrizitaet", &DBedarf::Elektrizitaet, {42.048, 15.555555555555557, 30.0}},
        {"ElektrizitaetNutzbar", &DBedarf::ElektrizitaetNutzbar, {42.02584810019211, 15.53870682756251, 0}},
        {"Personen", &DBedarf::Personen, {0, 7.008, 0}},
        {"PersonenNutzbar", &DBedarf::PersonenNutzbar, {0, 7.000409407343017, 0}},
        {"Fenstergewinnsumme", &DBedarf::Fenstergewinnsumme, {20.412, 14.994, 11.04}},
        {"Fenstergewinnnutzbarsumme", &DBedarf::Fenstergewinnnutzbarsumme, {20.40123407567136, 14.977747484243606, 11.04}},
        {"Waermebedarf", &DBedarf::Waermebedarf, {347.9472, 390.3456, 152.3502}},
        {"Brennstoffenergiebedarf", &DBedarf::Brennstoffenergiebedarf, {0, 0, 0}},
        {"Heizungsverlust", &DBedarf::Heizungsverlust, {0, 0, 0}},
    };
    const double rueckgabe[3] = {125260.992, 140524.416, 54846.072};

    for (int verfahren = 0; verfahren < 3; ++verfahren) {
        SCOPED_TRACE("Verfahren " + std::to_string(verfahren));
        Haus h;
        ReferenzHaus(h);
        h.Berechnungsverfahren = verfahren;
        MerkNotifier n;
        ErwarteRelativ(h.Waermebilanz(n), rueckgabe[verfahren], "Rückgabe");
        EXPECT_TRUE(n.texte.empty());
        const DBedarf& b = h.m_aBedarf[0];
        for (const Zeile& z : zeilen)
            ErwarteRelativ(b.*(z.feld), z.soll[verfahren], z.name);

        // One component per group: its share is the group's sum.
        ASSERT_EQ(b.m_aBedWand.size(), 1u);
        ErwarteRelativ(b.m_aBedWand[0], b.Wandsumme, "m_aBedWand");
        ErwarteRelativ(b.m_aBedDecke[0], b.Deckesumme, "m_aBedDecke");
        ErwarteRelativ(b.m_aBedBoden[0], b.Bodensumme, "m_aBedBoden");
        ErwarteRelativ(b.m_aBedFensterverlust[0], b.Fensterverlustsumme, "m_aBedFensterverlust");
        ErwarteRelativ(b.m_aBedFenstergewinn[0], b.Fenstergewinnsumme, "m_aBedFenstergewinn");
        // Only method 1 fills the usable share per window.
        ErwarteRelativ(b.m_aBedFenstergewinnnutzbar[0], verfahren == 1 ? b.Fenstergewinnnutzbarsumme : 0,
                       "m_aBedFenstergewinnnutzbar");
    }
}

// Method 0 keeps the gross gains in the monthly tables, method 1 the usable
// ones, and method 2 leaves the tables of the last monthly balance alone.
TEST(Waermebilanz, MonatstabellenJeVerfahren)
{
    Haus h;
    ReferenzHaus(h);
    MerkNotifier n;

    h.Berechnungsverfahren = BerechnungEnEV;
    h.Waermebilanz(n);
    ErwarteRelativ(test::Summe(h.MonatSolar), 20.412, "MonatSolar brutto");
    ErwarteRelativ(test::Summe(h.MonatIntern), 42.048, "MonatIntern brutto");
    ErwarteRelativ(h.MonatWand[0], 100 * 15 * 31 * 24 / 100000.0, "MonatWand Januar");
    ErwarteRelativ(h.MonatLueftung[1], 81.6 * 15 * 28 * 24 / 100000.0, "MonatLueftung Februar");

    h.Berechnungsverfahren = BerechnungSIA;
    h.Waermebilanz(n);
    ErwarteRelativ(test::Summe(h.MonatSolar), 14.977747484243606, "MonatSolar nutzbar");
    ErwarteRelativ(test::Summe(h.MonatIntern), 15.53870682756251 + 7.000409407343017, "MonatIntern nutzbar");
    ErwarteRelativ(test::Summe(h.MonatWand), 140.16, "MonatWand");
    const Haus::Monatsreihe solarNachSia = h.MonatSolar;
    const Haus::Monatsreihe wandNachSia = h.MonatWand;

    h.Berechnungsverfahren = BerechnungWSVO95;
    h.Waermebilanz(n);
    EXPECT_EQ(h.MonatSolar, solarNachSia);
    EXPECT_EQ(h.MonatWand, wandNachSia);
}

// The balance never writes the user's inside temperature: method 0 gives the
// same result before and after methods 1 and 2, and those compute with their
// own 20 °C whatever the user set.
TEST(Waermebilanz, InnentemperaturBleibtUnveraendert)
{
    Haus h;
    ReferenzHaus(h);
    h.Innentemperatur = 21;
    MerkNotifier n;

    h.Berechnungsverfahren = BerechnungEnEV;
    const double vorher = h.Waermebilanz(n);
    const std::vector<double> ergebnisseVorher = AlleErgebnisse(h);
    // 17 K instead of the reference's 15 K.
    ErwarteRelativ(vorher, 141962.4576, "EnEV mit 21 °C");

    h.Berechnungsverfahren = BerechnungSIA;
    ErwarteRelativ(h.Waermebilanz(n), 140524.416, "SIA mit 20 °C");
    EXPECT_EQ(h.Innentemperatur, 21);
    h.Berechnungsverfahren = BerechnungWSVO95;
    ErwarteRelativ(h.Waermebilanz(n), 54846.072, "WSVO");
    EXPECT_EQ(h.Innentemperatur, 21);

    h.Berechnungsverfahren = BerechnungEnEV;
    EXPECT_EQ(h.Waermebilanz(n), vorher);
    EXPECT_EQ(AlleErgebnisse(h), ergebnisseVorher);
}

// The preparation clears the 16 sums and sizes the eight arrays to the
// component counts, whatever they held; costs, criterion, limit, the sums
// set by the variant operations and the records of the variants stay.
TEST(Waermebilanz, VorbereitungDesBedarfs)
{
    for (const int verfahren : {3, -1, 0}) {
        SCOPED_TRACE("Verfahren " + std::to_string(verfahren));
        Haus h;
        test::LeeresHaus(h, 100, 300);
        for (int i = 0; i < 2; ++i)
            h.m_aFlachdach.Add(Opak<DFlachdach>(10, 0.5));
        h.m_aSteildach.Add(Opak<DSteildach>(10, 0.5));
        for (int i = 0; i < 3; ++i)
            h.m_aDecke.Add(Opak<DDecke>(10, 0.5, 1));
        for (int i = 0; i < 2; ++i)
            h.m_aBoden.Add(Opak<DBoden>(10, 0.5, 0));
        for (int i = 0; i < 2; ++i)
            h.m_aFenster.Add(test::Fenster(2, 4, 0, 1.0, 1.0, 0.3, 0.5));
        h.Varianten = 1;
        h.m_aBedarf.SetSize(2);
        h.m_aBedarf[1].Waermebedarf = 99;

        DBedarf& b = h.m_aBedarf[0];
        for (double* s : {&b.Brennstoffenergiebedarf, &b.Waermebedarf, &b.Heizungsverlust, &b.Lueftung,
                          &b.Elektrizitaet, &b.ElektrizitaetNutzbar, &b.Personen, &b.PersonenNutzbar,
                          &b.Flachdachsumme, &b.Steildachsumme, &b.Deckesumme, &b.Wandsumme, &b.Bodensumme,
                          &b.Fensterverlustsumme, &b.Fenstergewinnsumme, &b.Fenstergewinnnutzbarsumme})
            *s = 7;
        for (CXmlDoubleArray* a : {&b.m_aBedFlachdach, &b.m_aBedSteildach, &b.m_aBedDecke, &b.m_aBedWand,
                                   &b.m_aBedBoden, &b.m_aBedFensterverlust, &b.m_aBedFenstergewinn,
                                   &b.m_aBedFenstergewinnnutzbar})
            *a = CXmlDoubleArray{5, 5, 5, 5, 5};
        b.Gesamtkosten = 1000;
        b.GesamtkostenProJahr = 50;
        b.SetZielfunktion(2);
        b.SetGrenze(60);
        b.SetKeaSanierung(3);
        b.SetCo2Sanierung(4);
        h.MonatWand.fill(1.5);

        MerkNotifier n;
        h.Berechnungsverfahren = verfahren;
        const double ergebnis = h.Waermebilanz(n);

        EXPECT_EQ(b.m_aBedFlachdach.size(), 2u);
        EXPECT_EQ(b.m_aBedSteildach.size(), 1u);
        EXPECT_EQ(b.m_aBedDecke.size(), 3u);
        EXPECT_EQ(b.m_aBedWand.size(), 0u);
        EXPECT_EQ(b.m_aBedBoden.size(), 2u);
        EXPECT_EQ(b.m_aBedFensterverlust.size(), 2u);
        EXPECT_EQ(b.m_aBedFenstergewinn.size(), 2u);
        EXPECT_EQ(b.m_aBedFenstergewinnnutzbar.size(), 2u);
        EXPECT_EQ(b.Gesamtkosten, 1000);
        EXPECT_EQ(b.GesamtkostenProJahr, 50);
        EXPECT_EQ(b.GetZielfunktion(), 2);
        EXPECT_EQ(b.GetGrenze(), 60);
        EXPECT_EQ(b.GetKeaSanierung(), 3);
        EXPECT_EQ(b.GetCo2Sanierung(), 4);
        EXPECT_EQ(h.m_aBedarf[1].Waermebedarf, 99);
        EXPECT_TRUE(n.texte.empty());

        if (verfahren == 0) {
            // The junk is gone: the shares are the method's own.
            EXPECT_GT(ergebnis, 0);
            EXPECT_EQ(b.m_aBedWand.size(), 0u);
            EXPECT_NEAR(b.Flachdachsumme, b.m_aBedFlachdach[0] + b.m_aBedFlachdach[1], 1e-12);
            EXPECT_EQ(b.m_aBedFenstergewinnnutzbar[0], 0);
            EXPECT_EQ(b.Personen, 0);
            continue;
        }
        // An unknown method: only the preparation.
        EXPECT_EQ(ergebnis, 0);
        for (const double s : AlleErgebnisse(h)) {
            if (s != 1.5) { // the monthly tables are not touched
                EXPECT_EQ(s, 0);
            }
        }
        EXPECT_EQ(h.MonatWand[11], 1.5);
    }
}

// Without climate data the monthly methods say so, return 0 and leave the
// demand record as prepared; the annual method needs no climate data.
TEST(Waermebilanz, OhneKlimadaten)
{
    struct Fall {
        int verfahren;
        const char* meldung;
    };
    const Fall faelle[] = {
        {BerechnungEnEV,
         "Die Datei KLIMA.RDT konnte nicht geöffnet werden. \n  Wärmebedarfsberechnung \n nach EnEV nicht möglich."},
        {BerechnungSIA,
         "Die Datei KLIMA.RDT konnte nicht geöffnet werden. \n  Wärmebedarfsberechnung \n nach SIA nicht möglich."},
        {BerechnungWSVO95, nullptr},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE("Verfahren " + std::to_string(f.verfahren));
        Haus h;
        ReferenzHaus(h);
        h.Klimazone = KlimazoneKeine;
        h.MonatSolar.fill(2.5);
        h.m_aBedarf[0].Waermebedarf = 7;
        h.Berechnungsverfahren = f.verfahren;
        MerkNotifier n;
        const double ergebnis = h.Waermebilanz(n);
        const DBedarf& b = h.m_aBedarf[0];
        if (f.meldung == nullptr) {
            EXPECT_TRUE(n.texte.empty());
            ErwarteRelativ(ergebnis, 54846.072, "WSVO ohne Klima");
            continue;
        }
        ASSERT_EQ(n.texte.size(), 1u);
        EXPECT_EQ(n.texte[0], f.meldung);
        EXPECT_EQ(ergebnis, 0);
        EXPECT_EQ(b.Waermebedarf, 0);
        EXPECT_EQ(b.Wandsumme, 0);
        ASSERT_EQ(b.m_aBedWand.size(), 1u);
        EXPECT_EQ(b.m_aBedWand[0], 0);
        EXPECT_EQ(b.m_aBedFenstergewinn.size(), 1u);
        EXPECT_EQ(h.MonatSolar[3], 2.5);
    }
}

// Degenerate houses never produce a number that is not finite, with any
// method; a floor against ground loses heat however poorly it is insulated.
TEST(Waermebilanz, GrenzfaelleBleibenEndlich)
{
    struct Fall {
        const char* name;
        std::function<void(Haus&)> baue;
    };
    const Fall faelle[] = {
        {"Energiebezugsflaeche 0", [](Haus& h) { ReferenzHaus(h); h.Energiebezugsflaeche = 0; }},
        {"Energiebezugsflaeche 1", [](Haus& h) { ReferenzHaus(h); h.Energiebezugsflaeche = 1; }},
        {"leeres Haus", [](Haus& h) { test::SetzeKlima(h, {}); }},
        {"leeres Haus ohne Volumen mit Fläche", [](Haus& h) { test::LeeresHaus(h, 100, 0); }},
        {"nur beheizte Nachbarn, kein Luftwechsel",
         [](Haus& h) {
             test::LeeresHaus(h, 100, 300, 0);
             h.m_aWand.Add(Opak<DWand>(100, 1, 1));
         }},
        {"Sommer wärmer als innen",
         [](Haus& h) {
             ReferenzHaus(h);
             for (std::size_t m = 4; m < 9; ++m) {
                 h.Aussentemperatur[m] = 24;
                 h.Heiztage[m] = 0;
                 h.Gradtage[m] = 0;
             }
             h.Aussentemperatur[3] = 19; // as warm as inside: no losses at all
         }},
        {"Boden gegen Erdreich mit U 2",
         [](Haus& h) {
             ReferenzHaus(h);
             h.m_aBoden.RemoveAll();
             h.m_aBoden.Add(Opak<DBoden>(50, 2.0, 2));
         }},
    };
    for (const Fall& f : faelle) {
        for (int verfahren = 0; verfahren < 3; ++verfahren) {
            SCOPED_TRACE(std::string(f.name) + ", Verfahren " + std::to_string(verfahren));
            Haus h;
            f.baue(h);
            h.Berechnungsverfahren = verfahren;
            MerkNotifier n;
            const double ergebnis = h.Waermebilanz(n);
            EXPECT_TRUE(std::isfinite(ergebnis));
            for (const double w : AlleErgebnisse(h))
                ASSERT_TRUE(std::isfinite(w));
            EXPECT_TRUE(n.texte.empty());
            if (h.Energiebezugsflaeche <= 1 && !h.m_aWand.empty()) {
                // No per-area values, but the total is there.
                EXPECT_GT(ergebnis, 0);
                EXPECT_EQ(h.m_aBedarf[0].Waermebedarf, 0);
                EXPECT_EQ(h.m_aBedarf[0].Wandsumme, 0);
            }
            if (std::string(f.name) == "Boden gegen Erdreich mit U 2") {
                EXPECT_GT(h.m_aBedarf[0].Bodensumme, 0);
            }
        }
    }
}

} // namespace
} // namespace zeva
