// The geometry of the charts: the energy-flow polygons on screen and on
// paper, the axis maximum of the bars, the monthly layout, the Glaser
// mappings and greys, and the German numbers the charts carry.
#include "results/Diagrammgeometrie.h"

#include "model/DBedarf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace zeva::diagramm {
namespace {

const Bereich Bildschirm{0, 0, 1000, 1000};
const Bereich Papier{100, -400, 1850, -1500};

template <std::size_t N>
void ErwarteEcken(const std::array<Ecke, N>& ist, const std::vector<Ecke>& soll, const char* was)
{
    ASSERT_EQ(soll.size(), N) << was;
    for (std::size_t i = 0; i < N; ++i)
        EXPECT_EQ(ist[i], soll[i]) << was << " vertex " << i + 1 << ": (" << ist[i].x << ", " << ist[i].y << ")";
}

TEST(Sankey, HouseAndHeatingEntryOnScreenAndOnPaper)
{
    Anteile a;
    a.fH = 0.5;
    for (const auto& [b, haus, eins, zwei] :
         {std::tuple{Bildschirm, std::vector<Ecke>{{292, 259}, {669, 259}, {669, 835}, {292, 835}}, Ecke{277, 717},
                     Ecke{254, 657}},
          std::tuple{Papier, std::vector<Ecke>{{640, -788}, {1337, -788}, {1337, -1652}, {640, -1652}},
                     Ecke{612, -1475}, Ecke{569, -1385}}}) {
        const SankeyPolygone p = SankeyEcken(b, a, false);
        ErwarteEcken(p.Haus, haus, "house");
        EXPECT_EQ(p.Zufuhr[0], eins);
        EXPECT_EQ(p.Zufuhr[1], zwei);
        EXPECT_EQ(p.Zufuhr[16], p.Zufuhr[0]) << "the supply band closes";
    }
}

// Every vertex of one case with all shares given, computed by hand from the
// tables (truncation at every marked step).
TEST(Sankey, EveryVertexOfAHandComputedCase)
{
    Anteile a;
    a.fH = 0.6, a.fS = 0.25, a.fI = 0.15;
    a.fR = 0.2, a.fWa = 0.3, a.fWi = 0.15, a.fV = 0.2, a.fB = 0.1, a.fQ = 0.05;
    a.Zeichenbar = true;
    {
        const SankeyPolygone p = SankeyEcken(Bildschirm, a, true);
        ErwarteEcken(p.Zufuhr,
                     {{277, 705}, {254, 633}, {380, 633}, {457, 556}, {547, 556}, {254, 556}, {277, 526}, {254, 496},
                      {332, 496}, {310, 496}, {332, 478}, {310, 455}, {567, 455}, {508, 696}, {430, 773}, {254, 777},
                      {277, 705}},
                     "screen supply");
        ErwarteEcken(p.Verluste,
                     {{567, 455}, {567, 202}, {731, 202}, {754, 226}, {731, 250}, {615, 250}, {615, 499}, {615, 499},
                      {674, 439}, {731, 439}, {754, 474}, {731, 509}, {698, 509}, {638, 568}, {615, 568}, {731, 568},
                      {754, 585}, {731, 602}, {615, 602}, {631, 602}, {690, 661}, {731, 661}, {754, 684}, {731, 707},
                      {674, 707}, {614, 647}, {615, 647}, {615, 833}, {731, 833}, {754, 844}, {731, 855}, {591, 855},
                      {591, 696}, {508, 696}, {525, 455}, {525, 223}, {530, 203}, {537, 223}, {537, 455}, {567, 455}},
                     "screen losses");
    }
    {
        // On paper the same shape runs down the page.
        const SankeyPolygone p = SankeyEcken(Papier, a, true);
        ErwarteEcken(p.Zufuhr,
                     {{612, -1457}, {569, -1349}, {830, -1349}, {946, -1233}, {1113, -1233}, {569, -1233}, {612, -1188},
                      {569, -1143}, {714, -1143}, {673, -1143}, {714, -1116}, {673, -1082}, {1165, -1082}, {1039, -1444},
                      {922, -1560}, {569, -1565}, {612, -1457}},
                     "paper supply");
        ErwarteEcken(p.Verluste,
                     {{1165, -1082}, {1165, -703},  {1452, -703},  {1494, -739},  {1452, -775},  {1237, -775},
                      {1237, -1149}, {1237, -1149}, {1326, -1059}, {1452, -1059}, {1494, -1112}, {1452, -1165},
                      {1371, -1165}, {1281, -1254}, {1237, -1254}, {1452, -1254}, {1494, -1280}, {1452, -1306},
                      {1237, -1306}, {1267, -1306}, {1356, -1395}, {1452, -1395}, {1494, -1430}, {1452, -1465},
                      {1326, -1465}, {1236, -1375}, {1237, -1375}, {1237, -1649}, {1452, -1649}, {1494, -1666},
                      {1452, -1683}, {1201, -1683}, {1201, -1444}, {1039, -1444}, {1092, -1082}, {1092, -734},
                      {1100, -704},  {1110, -734},  {1110, -1082}, {1165, -1082}},
                     "paper losses");
    }
}

TEST(Sankey, NoHeatingLossArrowCollapsesOntoTheHouseEdge)
{
    Anteile a;
    a.fH = 0.6, a.fS = 0.25, a.fI = 0.15, a.fR = 0.2, a.fWa = 0.3, a.fWi = 0.15, a.fV = 0.25, a.fB = 0.1;
    for (const Bereich& b : {Bildschirm, Papier}) {
        const SankeyPolygone p = SankeyEcken(b, a, false);
        for (int i = 34; i <= 38; ++i)
            EXPECT_EQ(p.Verluste[static_cast<std::size_t>(i)], (Ecke{b.X(0.508), b.Y(0.455)})) << "vertex " << i + 1;
    }
}

TEST(Sankey, FlowsTotalsAndShares)
{
    DBedarf d;
    d.ElektrizitaetNutzbar = 10, d.PersonenNutzbar = 5, d.Fenstergewinnnutzbarsumme = 25;
    d.Brennstoffenergiebedarf = 160;
    d.Flachdachsumme = 4, d.Steildachsumme = 6, d.Deckesumme = 10;
    d.Wandsumme = 60, d.Fensterverlustsumme = 30, d.Lueftung = 50, d.Bodensumme = 20;
    d.Heizungsverlust = -10;
    Energiefluesse e = Energiefluesse::Aus(d);
    EXPECT_DOUBLE_EQ(e.Zufuhr(), 200);
    // A heating gain is no loss.
    EXPECT_DOUBLE_EQ(e.Verlust(), 180);
    Anteile a = Anteile::Aus(e);
    EXPECT_TRUE(a.Zeichenbar);
    EXPECT_DOUBLE_EQ(a.fH, 0.8);
    EXPECT_DOUBLE_EQ(a.fR, 20.0 / 180);
    EXPECT_DOUBLE_EQ(a.fQ, -10.0 / 180) << "signed";

    // A house without any flow has nothing to share out.
    for (const Energiefluesse& leer : {Energiefluesse{}, Energiefluesse{0, 0, 0, 1, 0, 0, 0, 0, 0},
                                       Energiefluesse{1, 0, 0, 0, 0, 0, 0, 0, -5}}) {
        const Anteile n = Anteile::Aus(leer);
        EXPECT_FALSE(n.Zeichenbar);
        EXPECT_EQ(n.fH, 0);
        EXPECT_EQ(n.fR, 0);
    }
}

TEST(Balken, AxisMaximumIsARoundNumberAboveTheLargestTotal)
{
    const std::pair<double, long> faelle[] = {{200, 250},  {249, 250}, {260, 300}, {52.5, 55},   {9.6, 10},
                                              {4.3, 5},    {8.7, 10},  {1234, 1500}, {1600, 2000}, {0.5, 0},
                                              {0, 0},      {-20, 0},   {0.6, 1},    {99.9, 100}};
    for (const auto& [m, j] : faelle)
        EXPECT_EQ(Achsenmaximum(m), j) << m;
    EXPECT_EQ(Achsenmaximum(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(Achsenmaximum(std::numeric_limits<double>::infinity()), 0);
    // The middle label is the integer half.
    EXPECT_EQ(Achsenmaximum(200) / 2, 125);
    EXPECT_EQ(Achsenmaximum(52.5) / 2, 27);
}

TEST(Balken, MonthlyLayoutAndLabels)
{
    const Monatslayout l = Monatslayout::Aus(100, 840);
    EXPECT_EQ(l.u, 20);
    EXPECT_EQ(l.b, 40);
    for (int m = 0; m < 12; ++m)
        EXPECT_EQ(l.BalkenX(m), 100 + (3 * m + 1) * 20) << m;
    EXPECT_STREQ(Monatsnamen()[0], "JAN");
    EXPECT_STREQ(Monatsnamen()[2], "MÄR");
    EXPECT_STREQ(Monatsnamen()[11], "DEZ");
}

TEST(Glaser, MappingsLayoutAndGreys)
{
    // sd: x0 + trunc(x·W/SD); T: −10 °C at B, 20 °C at B − H; p: 2500 Pa at the top.
    EXPECT_EQ(GlaserX(0.21, 50, 600, 3.01), 50 + 41);
    EXPECT_EQ(GlaserX(3.01, 50, 600, 3.01), 650);
    EXPECT_EQ(GlaserTemperaturY(-10, 400, 300), 400);
    EXPECT_EQ(GlaserTemperaturY(20, 400, 300), 100);
    EXPECT_EQ(GlaserTemperaturY(18.134, 400, 300), 400 - 281);
    EXPECT_EQ(GlaserDruckY(2500, 400, 300), 100);
    EXPECT_EQ(GlaserDruckY(1040.54, 400, 300), 400 - 124);

    const GlaserLayout l = GlaserLayout::Aus(700, 450, 4);
    EXPECT_EQ(l.g, 35);
    EXPECT_EQ(l.tick, 7);
    EXPECT_EQ(l.hl, 112);
    EXPECT_EQ(l.W, 700 - 175);
    EXPECT_EQ(l.H, 450 - 112 - 105);

    EXPECT_EQ(SchichtGrau(0), 255);
    EXPECT_EQ(SchichtGrau(1), 236);
    EXPECT_EQ(SchichtGrau(13), 6);
    EXPECT_EQ(SchichtGrau(14), 243);

    const std::vector<std::string> sd = SdBeschriftungen(10);
    EXPECT_EQ(sd, (std::vector<std::string>{"0,00", "2,00", "4,00", "6,00", "8,00", "10,00"}));
}

TEST(Zahlen, GermanWhateverTheLocaleAndNeverInfinite)
{
    EXPECT_EQ(Zahl(12.34, 1), "12,3");
    EXPECT_EQ(Zahl(150, 1), "150,0");
    EXPECT_EQ(Zahl(0, 3), "0,000");
    EXPECT_EQ(Zahl(2, 2), "2,00");
    EXPECT_EQ(Zahl(std::numeric_limits<double>::infinity(), 1), "0,0");
    EXPECT_EQ(Zahl(std::numeric_limits<double>::quiet_NaN(), 1), "0,0");
}

TEST(Zahlen, CoordinatesTruncateTowardZeroAndStayFinite)
{
    SetzeBegrenztZurueck();
    EXPECT_EQ(Ganz(2.9), 2);
    EXPECT_EQ(Ganz(-2.9), -2);
    EXPECT_EQ(AnzahlBegrenzt(), 0u);
    EXPECT_EQ(Ganz(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(Ganz(std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(Ganz(1e300), GanzGrenze);
    EXPECT_EQ(Ganz(-1e300), -GanzGrenze);
    EXPECT_EQ(AnzahlBegrenzt(), 4u);
    SetzeBegrenztZurueck();
}

} // namespace
} // namespace zeva::diagramm
