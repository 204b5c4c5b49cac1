// The window-free rules of the manual measure pages: row texts, a chosen row
// on a component, µ of a layer text, the layer text of the user's own
// measure, the same-as-existing test and the Glaser layer source.
#include "SanierungsTestDaten.h"

#include "model/Zahlentext.h"
#include "renovation/ManuelleSanierung.h"
#include "results/CGlaser.h"

#include <gtest/gtest.h>

namespace zeva::test {
namespace {

DSchicht Schicht(const std::string& name, double dicke, double lambda = 0.5, double mu = 10)
{
    DSchicht s;
    s.Name = name;
    s.Dicke = dicke;
    s.Lambda = lambda;
    s.Mu = mu;
    return s;
}

TEST(ManuelleSanierung, RowTextsNumberMarkAndValues)
{
    EXPECT_EQ(Zeilennummer(8, false), "  9");
    EXPECT_EQ(Zeilennummer(9, false), " 10");
    EXPECT_EQ(Zeilennummer(2, true), "  3 ##");
    EXPECT_EQ(Zeilennummer(99, false), " 100");

    DSWand m;
    m.Name = "Mineralwolle";
    m.kWert = 0.25;
    m.Preis = 574.999;
    m.Tauwassermenge = 0.1;
    auto texte = Zeilentexte(2, "W3", "Aussenwand", &m, true);
    EXPECT_EQ(texte[0], "  3 ##");
    EXPECT_EQ(texte[1], "W3");
    EXPECT_EQ(texte[2], "Aussenwand");
    EXPECT_EQ(texte[3], "Mineralwolle");
    EXPECT_EQ(texte[4], "0,25");
    EXPECT_EQ(texte[5], "575");
    // A group without a Glaser check never shows the mark.
    EXPECT_EQ(Zeilentexte(2, "D3", "Decke", &m, false)[0], "  3");
    // Values that ten digits cannot show.
    m.kWert = -1;
    m.Preis = 1e12;
    texte = Zeilentexte(0, "", "", &m, true);
    EXPECT_EQ(texte[4], "##########");
    EXPECT_EQ(texte[5], "##########");
    // A missing slot: the component alone.
    texte = Zeilentexte(0, "W1", "Wand", nullptr, true);
    EXPECT_EQ(texte[0], "  1");
    EXPECT_EQ(texte[3], "");
}

SanZeileOpaque Zeile(int innen, int zwischen, int aussen, double k = 0.04, double d = 0.06)
{
    SanZeileOpaque z;
    z.Name = "Daemmung";
    z.Langtext = "Lang";
    z.Innen = innen;
    z.Zwischen = zwischen;
    z.Aussen = aussen;
    z.Schichten = "Daemmung/ -1/ 0,06/ 0,0024/ 1";
    z.kWert = k;
    z.Dicke = d;
    z.Lebensdauer = 40;
    z.KEA = 5;
    z.CO2 = 2;
    z.Bitmappfad = "neu.bmp";
    return z;
}

TEST(ManuelleSanierung, ChosenRowGivesPriceUseFlagsAndCoreFill)
{
    DWand wand;
    wand.Flaeche = 12.5;
    wand.Schicht = 0;
    DSWand m;
    m.Tauwassermenge = 0.7;
    m.Bitmappfad = "alt.bmp";
    m.MoeglichAussen = 1;

    // Inside and outside: inside wins; the wall page sets only that flag.
    WendeAuswahlAn(m, Zeile(1, 0, 1), 200, 30, wand.Flaeche, wand.Schicht, wand.m_Schichtaufbau, true);
    EXPECT_DOUBLE_EQ(m.Preis, 575);
    EXPECT_DOUBLE_EQ(m.Preisfix, 200);
    EXPECT_DOUBLE_EQ(m.PreisProQm, 30);
    EXPECT_EQ(m.Verwendung, DSBauteilOpaque::Innen);
    EXPECT_EQ(m.MoeglichInnen, 1);
    EXPECT_EQ(m.MoeglichAussen, 1) << "kept from before";
    EXPECT_EQ(m.MoeglichZwischen, 0);
    EXPECT_EQ(m.Tauwassermenge, 0.7);
    EXPECT_EQ(m.Bitmappfad, "alt.bmp");
    EXPECT_EQ(m.Name, "Daemmung");
    EXPECT_EQ(m.Kea, 5);
    EXPECT_EQ(m.Co2, 2);

    // The other pages take the row's flags.
    DSWand n;
    WendeAuswahlAn(n, Zeile(1, 0, 1), 0, 30, 10, 0, wand.m_Schichtaufbau, false);
    EXPECT_EQ(n.MoeglichInnen, 1);
    EXPECT_EQ(n.MoeglichAussen, 1);
    EXPECT_EQ(n.MoeglichZwischen, 0);

    // Core fill on an unlayered wall: the row's own values.
    WendeAuswahlAn(m, Zeile(0, 1, 0), 0, 10, wand.Flaeche, wand.Schicht, wand.m_Schichtaufbau, true);
    EXPECT_EQ(m.Verwendung, DSBauteilOpaque::Zwischen);
    EXPECT_DOUBLE_EQ(m.Dicke, 0.06);
    EXPECT_DOUBLE_EQ(m.kWert, 0.04);

    // Over air layers 0.02 + 0.03; other spellings are no air layer.
    wand.Schicht = 1;
    wand.m_Schichtaufbau.Add(Schicht("Luftschicht", 0.02));
    wand.m_Schichtaufbau.Add(Schicht("Ziegel", 0.24));
    wand.m_Schichtaufbau.Add(Schicht("Luftschicht", 0.03));
    wand.m_Schichtaufbau.Add(Schicht("luftschicht", 0.5));
    wand.m_Schichtaufbau.Add(Schicht("Luftschicht ", 0.5));
    EXPECT_DOUBLE_EQ(Luftschichtdicke(wand.m_Schichtaufbau), 0.05);
    WendeAuswahlAn(m, Zeile(0, 1, 0), 0, 10, wand.Flaeche, wand.Schicht, wand.m_Schichtaufbau, true);
    EXPECT_DOUBLE_EQ(m.Dicke, 0.05);
    EXPECT_NEAR(m.kWert, 0.048, 1e-12);

    // A row without any place keeps the use it had.
    m.Verwendung = DSBauteilOpaque::Aussen;
    WendeAuswahlAn(m, Zeile(0, 0, 0), 0, 0, wand.Flaeche, wand.Schicht, wand.m_Schichtaufbau, false);
    EXPECT_EQ(m.Verwendung, DSBauteilOpaque::Aussen);
}

TEST(ManuelleSanierung, MuIsTheLastNumberWithCommaOrPoint)
{
    const struct {
        const char* text;
        double mu;
    } faelle[] = {
        {"Mineralwolle/ -1/ 0,12/ 0,036/ 1,0", 1},
        {"Wolle/ 11/ 0,1/ 0,04/ 12,50", 12.5},
        {"EPS/ -1/ 0.1/ 0.04/ 40", 40},
        {"", 0},
        {"ohneBlank", 0},
        {"Wolle/ 11/ 0,1/ 0,04/ x", 0},
        {"20", 20},
    };
    for (const auto& f : faelle)
        EXPECT_DOUBLE_EQ(MuAusSchichten(f.text), f.mu) << f.text;
}

TEST(ManuelleSanierung, OwnMeasureLayerText)
{
    EXPECT_EQ(EigeneSchichten("Mineralwolle", 1, 12, 0.3, 1), "Mineralwolle/ -1/ 0,12/ 0,036/ 1,0");
    EXPECT_EQ(EigeneSchichten("Wolle", 0, 10, 0.4, 12.5), "Wolle/ 11/ 0,1/ 0,04/ 12,50");
    EXPECT_EQ(EigeneSchichten("Wolle", 2, 10, 0.4, 1), "Wolle/ 0/ 0,1/ 0,04/ 1,0");
    EXPECT_EQ(EigeneSchichten("Wolle", -1, 10, 0.4, 1), "Wolle/ 0/ 0,1/ 0,04/ 1,0");
    // The Glaser reader takes the text back as one outside layer.
    CGlaser g;
    g.LeseSchichttext(EigeneSchichten("Mineralwolle", 1, 12, 0.3, 1));
    ASSERT_EQ(g.SanierungsSchichten().size(), 1u);
    EXPECT_EQ(g.SanierungsSchichten()[0].Position, -1);
    EXPECT_DOUBLE_EQ(g.SanierungsSchichten()[0].Dicke, 0.12);
    EXPECT_DOUBLE_EQ(g.SanierungsSchichten()[0].Lambda, 0.036);
    EXPECT_DOUBLE_EQ(g.SanierungsSchichten()[0].Mu, 1);
}

TEST(ManuelleSanierung, SameAsExistingGroupByGroup)
{
    Haus h;
    ReferenzHausMitKessel(h);
    h.m_aFlachdach.Add(Opak<DFlachdach>(20, 0.5));
    h.m_aSteildach.Add(Opak<DSteildach>(20, 0.5));
    const DOptionen o = Optionen(0, 0);
    ASSERT_EQ(h.NeueVariante(true, o), 1);
    EXPECT_TRUE(IstWieBestand(h, 1));

    auto pruefe = [&](auto& massnahme, auto aendere) {
        const auto alt = massnahme;
        aendere(massnahme);
        EXPECT_FALSE(IstWieBestand(h, 1));
        massnahme = alt;
        EXPECT_TRUE(IstWieBestand(h, 1));
    };
    pruefe(h.m_aWand[0].m_aSan[1], [](auto& m) { m.Name = "x"; });
    pruefe(h.m_aWand[0].m_aSan[1], [](auto& m) { m.Preis = 1e-9; });
    pruefe(h.m_aBoden[0].m_aSan[1], [](auto& m) { m.Name = "x"; });
    pruefe(h.m_aDecke[0].m_aSan[1], [](auto& m) { m.Preis = 5; });
    pruefe(h.m_aFlachdach[0].m_aSan[1], [](auto& m) { m.Name = "x"; });
    pruefe(h.m_aSteildach[0].m_aSan[1], [](auto& m) { m.Name = "x"; });
    pruefe(h.m_aFenster[0].m_aSan[1], [](auto& m) { m.kWertGlas = 0.7; });
    pruefe(h.m_aFenster[0].m_aSan[1], [](auto& m) { m.kWertRahmen = 0.7; });
    pruefe(h.m_aHeizung[1], [](auto& m) { m.Name = "Neu"; });
    pruefe(h.m_aHeizung[1], [](auto& m) { m.Jahresnutzungsgrad += 1e-9; });
    // The opaque test compares name and price only.
    h.m_aWand[0].m_aSan[1].kWert = 0.2;
    EXPECT_TRUE(IstWieBestand(h, 1));
    h.m_aHeizung[1].Jahresnutzungsgrad += 1e-14;
    EXPECT_TRUE(IstWieBestand(h, 1));
}

TEST(ManuelleSanierung, RecordPairPlacesTheMeasureLayers)
{
    DWand wand;
    wand.m_Schichtaufbau.Add(Schicht("Putz", 0.015, 0.7, 15));
    wand.m_Schichtaufbau.Add(Schicht("Ziegel", 0.3, 0.8, 10));
    CWandSanPaar paar;
    paar.SetzeBauteil(wand);
    EXPECT_TRUE(paar.HoleSchichtaufbau().empty()) << "until the measure is placed";
    SanierungsSchicht aussen{"EPS", -1, 0.1, 0.04, 40};
    SanierungsSchicht innen{"Platte", 11, 0.05, 0.04, 5};
    SanierungsSchicht kern{"Fuellung", 0, 0.05, 0.04, 5};
    paar.UebernehmeSanierungsschichten({aussen, innen, kern});
    const auto aufbau = paar.HoleSchichtaufbau();
    ASSERT_EQ(aufbau.size(), 4u);
    EXPECT_EQ(aufbau[0].Name, "Platte");
    EXPECT_EQ(aufbau[1].Name, "Putz");
    EXPECT_EQ(aufbau[2].Name, "Ziegel");
    EXPECT_EQ(aufbau[3].Name, "EPS");
    EXPECT_DOUBLE_EQ(aufbau[3].Lambda, 0.04);
    EXPECT_DOUBLE_EQ(aufbau[3].Mu, 40);
    EXPECT_EQ(wand.m_Schichtaufbau.size(), 2u);
}

} // namespace
} // namespace zeva::test
