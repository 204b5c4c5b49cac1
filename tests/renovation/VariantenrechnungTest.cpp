// What the window, heating and calculation pages and the variant pane work
// out without a window: row texts and measures of windows, the heating
// tables and the automatic efficiency's conditions, the figures of the
// calculation page, the key figures and the marked groups of a variant.
#include "model/Kennzahlen.h"
#include "model/VariantenTestHaus.h"
#include "model/Zahlentext.h"
#include "renovation/ProgSan.h"
#include "renovation/Variantenrechnung.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <map>

namespace zeva {
namespace {

using test::FensterMassnahme;

DFenster Fenster(double flaeche, double uRahmen)
{
    DFenster f;
    f.Kurzname = "F1";
    f.NameGlas = "Isolierglas";
    f.Flaeche = flaeche;
    f.kWertGlas = 2.8;
    f.kWertRahmen = uRahmen;
    f.Rahmenanteil = 0.3;
    return f;
}

TEST(Variantenrechnung, WindowRowShowsTheMeasuresOverallUValueAndPrice)
{
    const DFenster f = Fenster(2, 2.0);
    DSFenster m = FensterMassnahme("WSV", 1.1, 0.6, 1.3, DSFenster::NeuerRahmenanteil);
    m.Preis = 600.004;
    const auto texte = Fensterzeilentexte(3, f, &m);
    EXPECT_EQ(texte[0], "  4");
    EXPECT_EQ(texte[1], "F1");
    EXPECT_EQ(texte[2], "Isolierglas");
    EXPECT_EQ(texte[3], "WSV");
    EXPECT_EQ(texte[4], "1,14") << "(1 - 0.2) * 1.1 + 0.2 * 1.3";
    EXPECT_EQ(texte[5], "600");
    EXPECT_EQ(Fensterzeilentexte(11, f, nullptr)[0], " 12");
    EXPECT_EQ(Fensterzeilentexte(11, f, nullptr)[3], "");
    m.Preis = -5;
    EXPECT_EQ(Fensterzeilentexte(0, f, &m)[5], "##########");
}

TEST(Variantenrechnung, ChosenWindowRowKeepsFrameShareAndPictureAndTheFrameWhenKept)
{
    SanZeileFenster z;
    z.Name = "Kunststofffenster";
    z.Langtext = "Text";
    z.kWertGlas = 1.1;
    z.gWert = 0.6;
    z.kWertRahmen = 1.3;
    z.Lebensdauer = 40;
    z.KEA = 300;
    z.CO2 = 90;
    const DFenster f = Fenster(2, 2.4);
    for (bool austauschen : {true, false}) {
        SCOPED_TRACE(austauschen);
        DSFenster m;
        m.Rahmenanteil = 0.25;
        m.Bitmappfad = "bild.bmp";
        WendeFensterauswahlAn(m, z, 100, 250, f, austauschen);
        EXPECT_EQ(m.Name, "Kunststofffenster");
        EXPECT_EQ(m.Langtext, "Text");
        EXPECT_DOUBLE_EQ(m.kWertGlas, 1.1);
        EXPECT_DOUBLE_EQ(m.gWert, 0.6);
        EXPECT_DOUBLE_EQ(m.kWertRahmen, austauschen ? 1.3 : 2.4);
        EXPECT_DOUBLE_EQ(m.Lebensdauer, 40);
        EXPECT_DOUBLE_EQ(m.Preis, 600) << "250 EUR/m² on 2 m² and 100 EUR fixed";
        EXPECT_DOUBLE_EQ(m.Preisfix, 100);
        EXPECT_DOUBLE_EQ(m.PreisProQm, 250);
        EXPECT_DOUBLE_EQ(m.Kea, 300);
        EXPECT_DOUBLE_EQ(m.Co2, 90);
        EXPECT_DOUBLE_EQ(m.Rahmenanteil, 0.25);
        EXPECT_EQ(m.Bitmappfad, "bild.bmp");
    }
}

TEST(Variantenrechnung, HeatingTables)
{
    std::vector<double> verteilung;
    for (const Auswahlwert& a : Verteilungsarten())
        verteilung.push_back(a.prozent);
    EXPECT_EQ(verteilung, (std::vector<double>{100, 98, 96, 93}));
    EXPECT_STREQ(Verteilungsarten()[3].text, "Blockheizung (Wärmeerzeugung für mehrere Gebäude)");

    const std::map<int, std::size_t> anzahl{{0, 5}, {1, 1}, {2, 6}, {3, 4}, {4, 0}, {5, 0}, {6, 0}, {7, 0}, {-1, 0}};
    for (const auto& [brennstoff, n] : anzahl)
        EXPECT_EQ(Waermeerzeuger(brennstoff).size(), n) << brennstoff;
    EXPECT_DOUBLE_EQ(WirkungsgradDesErzeugers(BrennstoffHolz, "offener Kamin", 50), 18);
    EXPECT_DOUBLE_EQ(WirkungsgradDesErzeugers(BrennstoffGas, "Gasheizstrahler", 50), 73);
    EXPECT_DOUBLE_EQ(WirkungsgradDesErzeugers(BrennstoffOel, "Ölofen mit Schornsteinanschluß", 0), 75);
    EXPECT_DOUBLE_EQ(WirkungsgradDesErzeugers(BrennstoffStrom, "Speicherheizgerät", 0), 98);
    EXPECT_DOUBLE_EQ(WirkungsgradDesErzeugers(BrennstoffHolz, "", 50), 0) << "an empty text";
    EXPECT_DOUBLE_EQ(WirkungsgradDesErzeugers(BrennstoffHolz, "Eigenbau", 50), 50) << "not in the table";
    EXPECT_DOUBLE_EQ(WirkungsgradDesErzeugers(BrennstoffGas, "offener Kamin", 50), 50) << "another fuel's stove";
}

TEST(Variantenrechnung, AutomaticEfficiencyOnlyForAConsistentBoilerThatCoversTheDemand)
{
    const Kesselfelder k{20, 1500, 8, 1, 1, 96};
    EXPECT_TRUE(KesselnutzungsgradBerechenbar(k, 107999));
    EXPECT_FALSE(KesselnutzungsgradBerechenbar(k, 108000)) << "20 kW · 1500 h · 3.6 = 108 000 MJ";
    EXPECT_TRUE(DecktWaermebedarf(20, 1500, 108000));
    EXPECT_FALSE(DecktWaermebedarf(20, 1500, 108001));
    struct Fall {
        const char* was;
        Kesselfelder k;
    };
    const Fall faelle[] = {
        {"no losses", {20, 1500, 0, 0, 0, 96}},     {"distribution 1 %", {20, 1500, 8, 1, 1, 1}},
        {"a loss above 100", {20, 1500, 101, 1, 1, 96}}, {"a negative loss", {20, 1500, -1, 1, 1, 96}},
        {"power 0.1 kW", {0.1, 8760, 8, 1, 1, 96}},  {"more hours than a year", {20, 8761, 8, 1, 1, 96}},
    };
    for (const Fall& f : faelle)
        EXPECT_FALSE(KesselnutzungsgradBerechenbar(f.k, 1)) << f.was;
    EXPECT_TRUE(KesselnutzungsgradBerechenbar({20, 8760, 0, 0, 100, 1.5}, 1)) << "the edges are inside";
}

std::map<int, std::string> Texte(const Berechnungswerte& w, int verfahren)
{
    std::map<int, std::string> texte;
    for (const auto& [id, text] : Berechnungstexte(w, verfahren))
        texte[id] = text;
    return texte;
}

TEST(Variantenrechnung, CalculationPageFigures)
{
    Berechnungswerte w;
    w.A = 100;
    w.V = 250;
    w.B0 = 150;
    w.P0 = 0.07;
    w.Bn = 100;
    w.Pn = 0.06;
    w.Gn = 10000;
    w.Jn = 500;
    w.Sowieso = 1234.5;
    w.Q0 = 120;
    w.Qn = 80;
    // Energies to three digits, money in whole euros, rates with two
    // decimals, all grouped as every other page.
    const std::map<int, std::string> erwartet{
        {1220, "15.000"}, {1224, "150"},   {1225, "10.000"}, {1226, "100"},  {1221, "5.000"}, {1227, "50,0"},
        {1240, "1.050"},  {1242, "10,50"}, {1243, "600"},    {1244, "6,00"}, {1241, "450"},   {1245, "4,50"},
        {1222, "10.000"}, {1000, "1.235"}, {1247, "500"},    {1223, "30,00"},
    };
    EXPECT_EQ(Texte(w, 0), erwartet);
    EXPECT_EQ(Texte(w, 1), erwartet);

    // Method 2: the first group only, per area related to 0.4 · V.
    const std::map<int, std::string> wsvo{{1220, "12.000"}, {1224, "120"},   {1225, "8.000"},
                                          {1226, "80,0"},   {1221, "4.000"}, {1227, "40,0"}};
    EXPECT_EQ(Texte(w, 2), wsvo);
    EXPECT_TRUE(Texte(w, 3).empty());

    // What cannot be shown: a saving below 0, 1e10, 0/0.
    Berechnungswerte mehr = w;
    mehr.Bn = 200;
    EXPECT_EQ(Texte(mehr, 0)[1221], "###");
    EXPECT_EQ(Texte(mehr, 0)[1227], "###");
    Berechnungswerte gross = w;
    gross.Gn = 1e10;
    EXPECT_EQ(Texte(gross, 0)[1222], "###");
    EXPECT_EQ(Texte(gross, 0)[1223], "0,00");
    Berechnungswerte nichts = w;
    nichts.Bn = nichts.B0;
    nichts.Gn = 0;
    EXPECT_EQ(Texte(nichts, 0)[1223], "###") << "0/0";
    EXPECT_EQ(Texte(nichts, 0)[1221], "0");
    Berechnungswerte ohneKosten = w;
    ohneKosten.Gn = 0;
    EXPECT_EQ(Texte(ohneKosten, 0)[1223], "###") << "a saving without costs";
    EXPECT_EQ(Berechnungstext(std::numeric_limits<double>::quiet_NaN()), "###");
    EXPECT_EQ(Berechnungstext(9999999999.4), "###") << "3 significant digits make it 1e10";
    EXPECT_EQ(Berechnungstext(9999999999.4, Feldart::Geld), "9.999.999.999");
    EXPECT_EQ(Berechnungstext(9999999999.5, Feldart::Geld), "###");
    EXPECT_EQ(Berechnungstext(9999999999.996, Feldart::Satz), "###");
    EXPECT_EQ(Berechnungstext(123456), "123.000");
}

// The figures that used to come out differently on different paths, through
// every path of this program part that shows them: the calculation page by
// kind and "Bester Wert" of the optimiser, all made by Zahltext's rule.
TEST(Variantenrechnung, EveryFigureFollowsTheOneNumberRule)
{
    struct Fall {
        double wert;
        const char* energie; // three significant digits
        const char* geld;    // whole euros
        const char* satz;    // two decimals
    };
    const Fall faelle[] = {
        {0.625, "0,625", "1", "0,63"},
        {2.675, "2,68", "3", "2,68"},
        {12141.8732782369, "12.100", "12.142", "12.141,87"},
        {123.5, "124", "124", "123,50"},
        {27040, "27.000", "27.040", "27.040,00"},
        {946.45, "946", "946", "946,45"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.wert);
        EXPECT_EQ(Berechnungstext(f.wert, Feldart::Energie), f.energie);
        EXPECT_EQ(Berechnungstext(f.wert, Feldart::Geld), f.geld);
        EXPECT_EQ(Berechnungstext(f.wert, Feldart::Satz), f.satz);
        EXPECT_EQ(Kennwerttext(f.wert), f.energie);
        EXPECT_EQ(Geldtext(f.wert), f.geld);
        EXPECT_EQ(Zahltext(f.wert, 2), f.satz);
        EXPECT_EQ(ProgSan::BestwertText(0, f.wert),
                  std::string("Bester Wert: ") + f.satz + " EUR/a Gewinn pro 1000 EUR Investition");
        EXPECT_EQ(ProgSan::BestwertText(1, f.wert), std::string("Bester Wert: ") + f.satz + " kWh/m²a Energieeinsparung");
        EXPECT_EQ(ProgSan::BestwertText(2, f.wert), std::string("Bester Wert: ") + f.geld + " EUR Gesamtkosten");
    }
    EXPECT_EQ(ProgSan::BestwertText(3, 1), "");
}

class VariantenHaus : public testing::Test {
protected:
    void SetUp() override
    {
        test::ReferenzHausMitKessel(haus);
        optionen.Brennstoffkosten1 = 0.06; // gas
        optionen.Brennstoffkosten2 = 0.07; // oil
        haus.m_aHeizung[0].Brennstoff = BrennstoffOel;
        n = haus.NeueVariante(true, optionen);
    }
    Haus haus;
    DOptionen optionen;
    int n = 0;
};

TEST_F(VariantenHaus, KeyFiguresOfTheVariant)
{
    ASSERT_EQ(n, 1);
    haus.m_aWand[0].m_aSan[1] = test::OpakeMassnahme<DSWand>("WDVS", 0.3, DSBauteilOpaque::Aussen);
    haus.m_aWand[0].m_aSan[1].Preis = 8000;
    haus.m_aWand[0].m_aSan[1].Lebensdauer = 40;
    haus.m_aWand[0].m_aSan[1].Co2 = 20;
    haus.m_aWand[0].m_aSan[1].Kea = 50;
    haus.m_aHeizung[1].Brennstoff = BrennstoffGas;
    BerechneZustaende(haus, n, optionen);
    const DBedarf& d0 = haus.m_aBedarf[0];
    const DBedarf& d1 = haus.m_aBedarf[1];
    ASSERT_GT(d1.Gesamtkosten, 0);
    ASSERT_GT(d1.GetCo2Sanierung(), 0);
    const double a = haus.Energiebezugsflaeche;
    const auto k = SanKenndaten(haus, n, optionen);
    EXPECT_DOUBLE_EQ(k[0].first, d1.Gesamtkosten);
    EXPECT_DOUBLE_EQ(k[0].second, d1.Gesamtkosten / a);
    EXPECT_DOUBLE_EQ(k[1].first, d1.GetKeaSanierung());
    EXPECT_DOUBLE_EQ(k[1].second, d1.GetKeaSanierung() / a);
    EXPECT_DOUBLE_EQ(k[2].first, d1.GetCo2Sanierung() * 0.001);
    EXPECT_DOUBLE_EQ(k[2].second, d1.GetCo2Sanierung() / a);
    const double einsparung = d0.Brennstoffenergiebedarf - d1.Brennstoffenergiebedarf;
    EXPECT_GT(einsparung, 0);
    EXPECT_DOUBLE_EQ(k[3].first, einsparung * a);
    EXPECT_DOUBLE_EQ(k[3].second, einsparung);
    const double kosten = 0.07 * d0.Brennstoffenergiebedarf - 0.06 * d1.Brennstoffenergiebedarf;
    EXPECT_DOUBLE_EQ(k[4].first, kosten * a);
    EXPECT_DOUBLE_EQ(k[4].second, kosten);

    // The pane's savings are the report's and the detail page's.
    EXPECT_DOUBLE_EQ(k[3].first, Energieeinsparungen(haus, n).gesamt);
    EXPECT_DOUBLE_EQ(k[4].first, Heizkosteneinsparungen(haus, n, optionen).gesamt);
    // Only the wall was insulated: its group carries the saving, the roof,
    // ceiling, window and floor groups save nothing, and what the measures
    // do together is a small part of the whole.
    const Gruppeneinsparungen gruppen = Energieeinsparungen(haus, n);
    EXPECT_GT(gruppen.gruppen[2], 0.5 * gruppen.gesamt) << "Wand";
    for (const std::size_t g : {0u, 1u, 3u, 4u})
        EXPECT_NEAR(gruppen.gruppen[g], 0, 1e-9 * gruppen.gesamt) << "group " << g;
    EXPECT_LT(std::fabs(gruppen.Wechselwirkung()), 0.5 * gruppen.gesamt);

    // The calculation page reads the same states with each state's price.
    const Berechnungswerte w = LeseBerechnungswerte(haus, n, optionen);
    EXPECT_DOUBLE_EQ(w.P0, 0.07);
    EXPECT_DOUBLE_EQ(w.Pn, 0.06);
    EXPECT_DOUBLE_EQ(w.B0, d0.Brennstoffenergiebedarf);
    EXPECT_DOUBLE_EQ(w.Bn, d1.Brennstoffenergiebedarf);
    EXPECT_DOUBLE_EQ(w.Gn, d1.Gesamtkosten);
    EXPECT_DOUBLE_EQ(w.Jn, d1.GesamtkostenProJahr);
    EXPECT_DOUBLE_EQ(w.Sowieso, haus.SowiesoKosten(optionen));
}

// The annual balance has no fuel figure: a variant saves on the heat demand
// there, not nothing.
TEST_F(VariantenHaus, TheAnnualBalanceSavesOnTheHeatDemand)
{
    haus.m_aWand[0].m_aSan[1] = test::OpakeMassnahme<DSWand>("WDVS", 0.3, DSBauteilOpaque::Aussen);
    haus.Berechnungsverfahren = BerechnungWSVO95;
    BerechneZustaende(haus, n, optionen);
    const double a = haus.Energiebezugsflaeche;
    const double einsparung = haus.m_aBedarf[0].Waermebedarf - haus.m_aBedarf[1].Waermebedarf;
    ASSERT_GT(einsparung, 0);
    const auto k = SanKenndaten(haus, n, optionen);
    EXPECT_DOUBLE_EQ(k[3].first, einsparung * a);
    EXPECT_DOUBLE_EQ(k[3].second, einsparung);
}

TEST_F(VariantenHaus, MarkedGroupsAndTheirTabs)
{
    EXPECT_EQ(SanierteGruppen(haus, n), (std::array<bool, 6>{}));
    haus.m_aSteildach.Add(DSteildach());
    haus.m_aSteildach[0].m_aSan.SetSize(2);
    haus.m_aSteildach[0].m_aSan[1] = test::OpakeMassnahme<DSSteildach>("Dämmung", 0.2, DSBauteilOpaque::Innen);
    EXPECT_EQ(SanierteGruppen(haus, n), (std::array<bool, 6>{true, false, false, false, false, false}));
    haus.m_aHeizung[1].Preis = 5000;
    haus.m_aHeizung[1].Name = "Neu";
    EXPECT_TRUE(SanierteGruppen(haus, n)[MarkeHeizung]);
    haus.m_aHeizung[1] = haus.m_aHeizung[0];
    EXPECT_FALSE(SanierteGruppen(haus, n)[MarkeHeizung]) << "the heating of the existing state";
    EXPECT_EQ(TabDerGruppe(MarkeDach), 1);
    EXPECT_EQ(TabDerGruppe(MarkeDecke), 2);
    EXPECT_EQ(TabDerGruppe(MarkeWand), 3);
    EXPECT_EQ(TabDerGruppe(MarkeFenster), 5);
    EXPECT_EQ(TabDerGruppe(MarkeBoden), 4);
    EXPECT_EQ(TabDerGruppe(MarkeHeizung), 6);
}

} // namespace
} // namespace zeva
