// The demand of a building state (fuel energy, heating losses) and the
// standard heat load, on the reference house and on houses built for one
// rule each.
#include "VariantenTestHaus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace zeva {
namespace {

using test::AlleErgebnisse;
using test::AntwortNotifier;
using test::OpakeMassnahme;
using test::Opak;
using test::ReferenzHausMitKessel;
using test::ReferenzKessel;

void ErwarteRelativ(double ist, double soll, const std::string& was, double tol = 1e-9)
{
    EXPECT_NEAR(ist, soll, tol * std::max(1.0, std::abs(soll))) << was;
}

// The reference house with its boiler, computed by hand from the balance rows
// and the boiler's loss rules: fuel energy, fuel demand after the usable
// gains, and the heating losses.
TEST(BerechneBedarf, ReferenzhausJeVerfahren)
{
    struct Fall {
        int verfahren;
        double endenergie;  // MJ
        double brennstoff;  // kWh/m²a
        double verlust;     // kWh/m²a
    };
    const Fall faelle[] = {
        {0, 156620.3904, 372.62955782413655, 87.10944},
        {1, 174936.4992, 448.41785628085086, 95.58912},
        {2, 0, 0, 0},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE("Verfahren " + std::to_string(f.verfahren));
        Haus h;
        ReferenzHausMitKessel(h);
        h.Berechnungsverfahren = f.verfahren;
        AntwortNotifier n;
        const double r = h.BerechneBedarf(0, n);
        EXPECT_TRUE(n.nachrichten.empty());
        const DBedarf& b = h.m_aBedarf[0];
        ErwarteRelativ(r, f.brennstoff, "Rückgabe");
        ErwarteRelativ(b.Brennstoffenergiebedarf, f.brennstoff, "Brennstoffenergiebedarf");
        ErwarteRelativ(b.Heizungsverlust, f.verlust, "Heizungsverlust");
        if (f.verfahren < 2)
            ErwarteRelativ(h.m_aHeizung[0].Endenergie, f.endenergie, "Endenergie");
        EXPECT_TRUE(h.EndenergieBerechenbar(0));
    }
}

// A house of 100 m² that loses 54 000 MJ (150 kWh/m²a) a year and uses 40
// kWh/m²a of solar gains, heated by a boiler of 90 % annual efficiency:
// 60 000 MJ of fuel energy are 166.67 kWh/m²a, of which 16.67 are heating
// losses, and the fuel demand after the gains is 126.67 kWh/m²a.
//
// Built so that the balance's share of usable gains is known: without air
// volume the time constant is 0, so each month uses G·L/(L + G) of gains G
// against losses L; gains and losses in proportion to the days of each month
// make the year do the same.
// 150·G/(150 + G) = 40 gives G = 6000/110 kWh/m²a.
TEST(BerechneBedarf, BrennstoffUndHeizungsverlustAusEndenergie)
{
    Haus h;
    test::LeeresHaus(h, 100, 0); // 15 K all year, no ventilation, no internal gains
    const double kWhJeWK = 15 * 8.76; // a year at 15 K
    // A south window of 10 m², U 1, all glass with g 0.5; 81 % of the
    // irradiation reaches the room.
    h.m_aFenster.Add(test::Fenster(10, 4, 0, 1.0, 1.0, 0.0, 0.5));
    const double solar = 6000.0 / 110 * 100; // kWh/a
    // Irradiation is a monthly sum: by the days, like the losses.
    for (std::size_t m = 0; m < 12; ++m)
        h.StrahlungSued[m] = solar * h.Monatstage[m] / 365 / (10 * 0.5 * 0.81);
    h.m_aWand.Add(Opak<DWand>(15000 / kWhJeWK - 10, 1.0, 0));
    DHeizung& k = h.m_aHeizung[0];
    k.Einzelheiz = 0;
    k.Nennwaermeleistung = 20;
    k.Jahresnutzungsgrad = 0.9; // no loss fractions: the efficiency is given
    AntwortNotifier n;
    ErwarteRelativ(h.Waermebilanz(n), 54000, "Wärmebilanz");
    const double r = h.BerechneBedarf(0, n);
    const DBedarf& b = h.m_aBedarf[0];
    ErwarteRelativ(b.Fenstergewinnnutzbarsumme, 40, "nutzbare Gewinne");
    ErwarteRelativ(k.Endenergie, 60000, "Endenergie");
    ErwarteRelativ(r, 380.0 / 3, "Rückgabe");
    ErwarteRelativ(b.Brennstoffenergiebedarf, 380.0 / 3, "Brennstoffenergiebedarf"); // 126.67
    ErwarteRelativ(b.Heizungsverlust, 50.0 / 3, "Heizungsverlust");                  // 16.67
    EXPECT_TRUE(h.EndenergieBerechenbar(0));
}

TEST(BerechneBedarf, OhneFlaecheKeineWerteJeQuadratmeter)
{
    Haus h;
    ReferenzHausMitKessel(h);
    h.Energiebezugsflaeche = 1;
    AntwortNotifier n;
    EXPECT_EQ(h.BerechneBedarf(0, n), 0);
    EXPECT_EQ(h.m_aBedarf[0].Heizungsverlust, 0);
    EXPECT_GT(h.m_aHeizung[0].Endenergie, 0); // the boiler still saw the whole house's demand
    EXPECT_TRUE(h.EndenergieBerechenbar(0));
}

// A heating record without power turns nothing into fuel energy: the
// formula's figure is minus the usable gains, and the house says so.
TEST(BerechneBedarf, UngueltigeHeizungWirdErkannt)
{
    Haus h;
    test::ReferenzHaus(h); // the default heating record: no power
    AntwortNotifier n;
    const double r = h.BerechneBedarf(0, n);
    const DBedarf& b = h.m_aBedarf[0];
    EXPECT_EQ(h.m_aHeizung[0].Endenergie, 0);
    ErwarteRelativ(r, -(b.Fenstergewinnnutzbarsumme + b.ElektrizitaetNutzbar + b.PersonenNutzbar), "Rückgabe");
    EXPECT_LT(r, 0);
    EXPECT_FALSE(h.EndenergieBerechenbar(0));

    // A variant with a valid boiler is sound while the existing state is not,
    // and the other way round.
    const DOptionen optionen;
    h.NeueVariante(true, optionen);
    h.m_aHeizung[1] = ReferenzKessel();
    h.BerechneBedarf(1, n);
    EXPECT_TRUE(h.EndenergieBerechenbar(1));
    EXPECT_FALSE(h.EndenergieBerechenbar(0));
    ErwarteRelativ(h.m_aBedarf[1].Brennstoffenergiebedarf, 372.62955782413655, "Variante mit Kessel");

    h.m_aHeizung[0] = ReferenzKessel();
    h.m_aHeizung[1] = DHeizung();
    h.BerechneBedarf(0, n);
    h.BerechneBedarf(1, n);
    EXPECT_TRUE(h.EndenergieBerechenbar(0));
    EXPECT_FALSE(h.EndenergieBerechenbar(1));
    EXPECT_FALSE(h.EndenergieBerechenbar(2)); // no such state
}

TEST(BerechneBedarf, VarianteRechnetAufEinerKopie)
{
    Haus h;
    ReferenzHausMitKessel(h);
    const DOptionen optionen;
    AntwortNotifier n;
    h.BerechneBedarf(0, n);
    h.m_aBedarf[0].Gesamtkosten = 1234;
    h.m_aBedarf[0].GesamtkostenProJahr = 56;

    h.NeueVariante(true, optionen);
    // Inside insulation of U 0.5 on the wall of U 1.0, a new boiler.
    h.m_aWand[0].m_aSan[1] = OpakeMassnahme<DSWand>("Dämmung", 0.5, DSBauteilOpaque::Innen);
    DHeizung neu = ReferenzKessel();
    neu.Name = "Neuer Kessel";
    neu.Verteilungsnutzungsgrad = 0.95;
    h.m_aHeizung[1] = neu;

    const Haus vorher(h);
    const std::vector<double> ergebnisseVorher = AlleErgebnisse(h);
    const double endenergieVorher = h.m_aHeizung[0].Endenergie;
    const double r = h.BerechneBedarf(1, n);

    // The existing state is untouched.
    EXPECT_EQ(AlleErgebnisse(h), ergebnisseVorher);
    EXPECT_EQ(h.m_aBedarf[0].Gesamtkosten, 1234);
    EXPECT_EQ(h.m_aHeizung[0].Endenergie, endenergieVorher);
    EXPECT_TRUE(h.m_aHeizung[0].IstGleich(vorher.m_aHeizung[0]));
    EXPECT_TRUE(h.m_aWand[0] == vorher.m_aWand[0]);
    EXPECT_EQ(h.m_aWand[0].kWert, 1.0);
    EXPECT_TRUE(h.m_aFenster[0] == vorher.m_aFenster[0]);
    EXPECT_TRUE(h.m_aHeizung[1].IstGleich(neu));

    // Record 1 holds the demand of the same house built with the insulated
    // wall and the new boiler, and carries the existing state's costs.
    Haus gleichwertig;
    ReferenzHausMitKessel(gleichwertig);
    gleichwertig.m_aWand[0].kWert = 1.0 / 3;
    gleichwertig.m_aHeizung[0] = neu;
    const double soll = gleichwertig.BerechneBedarf(0, n);
    ErwarteRelativ(r, soll, "Rückgabe");
    const DBedarf& b1 = h.m_aBedarf[1];
    ErwarteRelativ(b1.Brennstoffenergiebedarf, soll, "Brennstoffenergiebedarf");
    ErwarteRelativ(b1.Wandsumme, gleichwertig.m_aBedarf[0].Wandsumme, "Wandsumme");
    ErwarteRelativ(b1.Heizungsverlust, gleichwertig.m_aBedarf[0].Heizungsverlust, "Heizungsverlust");
    EXPECT_EQ(b1.Gesamtkosten, 1234);
    EXPECT_EQ(b1.GesamtkostenProJahr, 56);
    EXPECT_EQ(b1.Zielfunktion, -1);
    EXPECT_LT(r, h.m_aBedarf[0].Brennstoffenergiebedarf);
}

TEST(BerechneBedarf, ZustandAusserhalbAendertNichts)
{
    Haus h;
    ReferenzHausMitKessel(h);
    h.NeueVariante(true, DOptionen());
    AntwortNotifier n;
    for (const int z : {-1, 2, 100}) {
        EXPECT_EQ(h.BerechneBedarf(z, n), 0) << z;
        EXPECT_EQ(h.BerechneNormwaermebedarf(z, n), 0) << z;
    }
    EXPECT_EQ(h.m_aBedarf[0].Waermebedarf, 0);
    EXPECT_EQ(h.m_aBedarf.size(), 2u);
    EXPECT_TRUE(n.nachrichten.empty());
}

// ---------------------------------------------------------------- heat load

TEST(BerechneNormwaermebedarf, EineWandUndLueftung)
{
    Haus h;
    test::LeeresHaus(h, 100, 300, 0.8); // zone 13, inside 19 °C
    h.m_aWand.Add(Opak<DWand>(100, 1.0, 0));
    AntwortNotifier n;
    // (100·29 + 29·300·0.8·1.15·0.5) · 0.00115
    ErwarteRelativ(h.BerechneNormwaermebedarf(0, n), 7.9373, "Last");
    EXPECT_TRUE(n.nachrichten.empty());
}

TEST(BerechneNormwaermebedarf, Referenzhaus)
{
    Haus h;
    ReferenzHausMitKessel(h);
    AntwortNotifier n;
    ErwarteRelativ(h.BerechneNormwaermebedarf(0, n), 11.3081455, "Last");
    // The method that ran before does not matter.
    h.Berechnungsverfahren = BerechnungSIA;
    h.BerechneBedarf(0, n);
    h.Berechnungsverfahren = BerechnungWSVO95;
    h.BerechneBedarf(0, n);
    ErwarteRelativ(h.BerechneNormwaermebedarf(0, n), 11.3081455, "nach anderen Verfahren");
}

// One component of 1 m² with U 1 and no air volume, so that the load is the
// counted temperature difference times 0.00115.
TEST(BerechneNormwaermebedarf, TemperaturdifferenzJeGrenzart)
{
    enum Art { Wand, Boden, Decke, Flachdach, Steildach };
    struct Fall {
        Art art;
        int code;
        double innen;
        double kelvin;
    };
    const Fall faelle[] = {
        {Wand, 0, 19, 29},      {Wand, 1, 19, 0},       {Wand, 2, 19, 27},     {Wand, 3, 19, 27},
        {Wand, 4, 19, 25},      {Wand, 5, 19, 23},      {Wand, 6, 19, 21},     {Wand, 7, 19, 0},
        {Boden, 0, 19, 29},     {Boden, 1, 19, 0},      {Boden, 2, 19, 25},    {Boden, 3, 19, 27},
        {Boden, 4, 19, 25},     {Boden, 5, 19, 23},     {Boden, 6, 19, 21},    {Decke, 0, 19, 0},
        {Decke, 1, 19, 27},     {Decke, 2, 19, 25},     {Decke, 3, 19, 23},    {Decke, 4, 19, 21},
        {Decke, 5, 19, 0},      {Flachdach, 0, 19, 29}, {Flachdach, 4, 19, 29}, {Steildach, 0, 19, 29},
        // Inside only 5 K above the design temperature: allowances above it
        // count nothing, never a negative amount.
        {Wand, 6, -5, 0},       {Wand, 4, -5, 1},       {Decke, 4, -5, 0},     {Boden, 2, -5, 1},
        {Wand, 0, -5, 5},
    };
    for (const Fall& f : faelle) {
        Haus h;
        test::LeeresHaus(h, 100, 0);
        h.Innentemperatur = f.innen;
        switch (f.art) {
        case Wand: h.m_aWand.Add(Opak<DWand>(1, 1, f.code)); break;
        case Boden: h.m_aBoden.Add(Opak<DBoden>(1, 1, f.code)); break;
        case Decke: h.m_aDecke.Add(Opak<DDecke>(1, 1, f.code)); break;
        case Flachdach: h.m_aFlachdach.Add(Opak<DFlachdach>(1, 1, f.code)); break;
        case Steildach: h.m_aSteildach.Add(Opak<DSteildach>(1, 1)); break;
        }
        AntwortNotifier n;
        ErwarteRelativ(h.BerechneNormwaermebedarf(0, n), f.kelvin * 0.00115,
                       "Art " + std::to_string(f.art) + " Code " + std::to_string(f.code) + " innen " +
                           std::to_string(f.innen));
    }
}

TEST(BerechneNormwaermebedarf, AuslegungstemperaturJeKlimazone)
{
    const double thetaE[] = {-8, -10, -9, -10, -13, -11, -9, -12, -14, -13, -12, -9, -10};
    for (int zone = 1; zone <= 13; ++zone) {
        Haus h;
        test::LeeresHaus(h, 100, 0);
        h.Klimazone = zone;
        h.m_aWand.Add(Opak<DWand>(1, 1, 0));
        AntwortNotifier n;
        ErwarteRelativ(h.BerechneNormwaermebedarf(0, n), (19 - thetaE[zone - 1]) * 0.00115,
                       "Zone " + std::to_string(zone));
    }
}

TEST(BerechneNormwaermebedarf, FensterMitAequivalentemUWert)
{
    Haus h;
    test::LeeresHaus(h, 100, 0);
    h.m_aFenster.Add(test::Fenster(2, 4, 0, 1.4, 2.0, 0.25, 0.6));
    AntwortNotifier n;
    // ((1.4 − 0.21)·0.75 + 2.0·0.25)·2 m²·29 K = 80.765 W
    ErwarteRelativ(h.BerechneNormwaermebedarf(0, n), 80.765 * 0.00115, "Fenster");
}

TEST(BerechneNormwaermebedarf, OhneKlimadatenMeldungUndNull)
{
    for (const int zone : {0, 14, -3}) {
        Haus h;
        ReferenzHausMitKessel(h);
        h.Klimazone = zone;
        AntwortNotifier n;
        EXPECT_EQ(h.BerechneNormwaermebedarf(0, n), 0) << zone;
        ASSERT_EQ(n.nachrichten.size(), 1u) << zone;
        EXPECT_EQ(n.nachrichten[0], "Die Datei KLIMA.RDT konnte nicht geöffnet werden oder ist beschädigt. "
                                    "Berechnung des Normwärmebedarfs nicht möglich.");
    }
}

TEST(BerechneNormwaermebedarf, VarianteMitIhrenMassnahmen)
{
    Haus h;
    test::LeeresHaus(h, 100, 300, 0.8);
    h.m_aWand.Add(Opak<DWand>(100, 1.0, 0));
    h.NeueVariante(true, DOptionen());
    h.m_aWand[0].m_aSan[1] = OpakeMassnahme<DSWand>("Außendämmung", 0.5, DSBauteilOpaque::Aussen);
    AntwortNotifier n;
    // The wall at U 1/3: 100·29/3 W.
    ErwarteRelativ(h.BerechneNormwaermebedarf(1, n), (2900.0 / 3 + 4002) * 0.00115, "Variante");
    EXPECT_EQ(h.m_aWand[0].kWert, 1.0);
    ErwarteRelativ(h.BerechneNormwaermebedarf(0, n), 7.9373, "Bestand");
}

} // namespace
} // namespace zeva
