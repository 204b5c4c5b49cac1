#include "geometry/Plangeometrie.h"
#include "geometry/Planzeichnung.h"
#include "model/Haus.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace zeva {
namespace {

constexpr double Eps = 1e-9;

void ErwartePunkt(const Punkt2D& ist, double x, double y, double eps = Eps)
{
    EXPECT_NEAR(ist.x, x, eps);
    EXPECT_NEAR(ist.y, y, eps);
}

Punkt2DArray Quadrat()
{
    return {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
}

TEST(Plangeometrie, ProjectionKeepsTheSquareVisibleWithEqualScale)
{
    Planprojektion breit;
    ASSERT_TRUE(breit.Setze(400, 300, 20));
    EXPECT_NEAR(breit.XMax(), 26.6666667, 1e-6);
    EXPECT_NEAR(breit.YMax(), 20, Eps);
    EXPECT_NEAR(breit.Seitenverhaeltnis(), 1.3333333, 1e-6);
    ErwartePunkt(breit.FensterZuModell(0, 0), 0, 20);
    ErwartePunkt(breit.FensterZuModell(300, 150), 20, 10);
    ErwartePunkt(breit.FensterZuModell(400, 300), 26.6666666667, 0, 1e-6);

    Planprojektion hoch;
    ASSERT_TRUE(hoch.Setze(300, 400, 20));
    EXPECT_NEAR(hoch.XMax(), 20, Eps);
    EXPECT_NEAR(hoch.YMax(), 26.6666667, 1e-6);

    // Model to window inverts window to model.
    for (const Punkt2D& p : {Punkt2D(0, 0), Punkt2D(12.3, 4.5), Punkt2D(26.6, 19.9)}) {
        const Punkt2D pixel = breit.ModellZuFenster(p);
        ErwartePunkt(breit.FensterZuModell(pixel.x, pixel.y), p.x, p.y);
    }

    // An empty client area leaves the map as it was.
    EXPECT_FALSE(breit.Setze(0, 300, 20));
    EXPECT_FALSE(breit.Setze(400, 0, 20));
    EXPECT_EQ(breit.Breite(), 400);
    ErwartePunkt(breit.FensterZuModell(300, 150), 20, 10);
}

TEST(Plangeometrie, GridSnappingRoundsHalfUpByTruncation)
{
    struct Case {
        double x, erwartet;
    };
    // 2.95 / 0.1 is exactly 29.5 and goes up; 3.05 / 0.1 lies just below 30.5.
    const Case cases[] = {{3.04, 3.0}, {3.06, 3.1}, {2.95, 3.0}, {3.05, 3.0}, {0.25, 0.3}, {19.96, 20.0}};
    for (const Case& c : cases)
        EXPECT_NEAR(RasterRunde(c.x, 0.1), c.erwartet, Eps) << c.x;
    EXPECT_NEAR(RasterRunde(7.4, 0.5), 7.5, Eps);
}

TEST(Plangeometrie, DirectionAngle)
{
    struct Case {
        Punkt2D q;
        double winkel;
    };
    const Case cases[] = {{{1, 0}, 0},   {{0, 1}, 90},  {{-1, 0}, 180},
                          {{0, -1}, 270}, {{1, 1}, 45}, {{1, -1}, 315}, {{0, 0}, -1}};
    for (const Case& c : cases)
        EXPECT_NEAR(Richtungswinkel({0, 0}, c.q), c.winkel, 1e-9) << c.q.x << "," << c.q.y;
    EXPECT_DOUBLE_EQ(Abstand({1, 1}, {4, 5}), 5);
}

TEST(Plangeometrie, PointInOutlineIsHalfOpen)
{
    const Punkt2DArray q = Quadrat();
    EXPECT_TRUE(PunktInUmriss({5, 5}, q));
    EXPECT_TRUE(PunktInUmriss({0, 5}, q));
    EXPECT_FALSE(PunktInUmriss({10, 5}, q));
    EXPECT_FALSE(PunktInUmriss({11, 5}, q));
    EXPECT_FALSE(PunktInUmriss({5, 10}, q));
    EXPECT_TRUE(PunktInUmriss({5, 0}, q));
}

TEST(Plangeometrie, SegmentCrossings)
{
    struct Case {
        const char* was;
        Punkt2D a1, a2, b1, b2;
        bool kreuzt;
        Punkt2D schnitt;
        int art;
    };
    const Case cases[] = {
        {"diagonals", {0, 0}, {2, 2}, {0, 2}, {2, 0}, true, {1, 1}, 1},
        {"shared end point only", {0, 0}, {2, 2}, {2, 2}, {4, 0}, true, {2, 2}, 1},
        {"apart", {0, 0}, {1, 1}, {2, 0}, {3, 1}, false, {}, 0},
        {"horizontal touching a vertical at its end", {8, 2}, {2, 2}, {8, 2}, {8, 6}, false, {}, 0},
        {"horizontal through a vertical", {0, 3}, {10, 3}, {5, 0}, {5, 6}, true, {5, 3}, 2},
        {"two verticals touching at an end", {6, 0}, {6, 3}, {6, 3}, {6, 8}, false, {}, 0},
        {"two verticals overlapping, segment 1 upwards", {6, 0}, {6, 5}, {6, 3}, {6, 8}, true, {6, 5}, 2},
        {"two verticals overlapping, segment 1 downwards", {6, 5}, {6, 0}, {6, 3}, {6, 8}, true, {6, 3}, 2},
        {"collinear continuation", {2, 2}, {8, 2}, {8, 2}, {14, 2}, false, {}, 0},
        {"slanted collinear continuation", {0.1, 0.3}, {0.2, 0.6}, {0.2, 0.6}, {0.7, 2.1}, false, {}, 0},
        // A common stretch always crosses, at its end farther from a1.
        {"collinear overlap", {8, 2}, {4, 2}, {2, 2}, {8, 2}, true, {4, 2}, 1},
        {"collinear overlap going on", {2, 2}, {14, 2}, {8, 2}, {12, 2}, true, {12, 2}, 1},
        {"parallel", {0, 0}, {4, 0}, {0, 1}, {4, 1}, false, {}, 0},
    };
    for (const Case& c : cases) {
        Punkt2D s;
        Pruefspur spur;
        EXPECT_EQ(SchnittpunktStrecken(c.a1, c.a2, c.b1, c.b2, s, &spur), c.kreuzt) << c.was;
        if (c.kreuzt) {
            ErwartePunkt(s, c.schnitt.x, c.schnitt.y, 1e-9);
            EXPECT_EQ(spur.Schnittart, c.art) << c.was;
        }
    }
    // The trace holds both segments ordered by x.
    Punkt2D s;
    Pruefspur spur;
    ASSERT_TRUE(SchnittpunktStrecken({2, 2}, {0, 0}, {0, 2}, {2, 0}, s, &spur));
    ErwartePunkt(spur.Pruefstrecken[0], 0, 0);
    ErwartePunkt(spur.Pruefstrecken[1], 2, 2);
    ErwartePunkt(spur.Pruefstrecken[2], 0, 2);
    ErwartePunkt(spur.Pruefstrecken[3], 2, 0);
}

TEST(Plangeometrie, OutlineCrossingIgnoresOnlyTheEndsOfTheSegment)
{
    // Fixed (2,2),(12,2),(12,12),(7,12) and the floating point at (7,1.5):
    // the new edge crosses the first edge half a metre from its end.
    const Punkt2DArray u{{2, 2}, {12, 2}, {12, 12}, {7, 12}, {7, 1.5}};
    Punkt2D s;
    ASSERT_TRUE(SchneidetUmriss({7, 12}, {7, 1.5}, s, u, 1));
    ErwartePunkt(s, 7, 2);

    // Meeting the outline at A only is no crossing.
    const Punkt2DArray ecke{{2, 2}, {8, 2}, {8, 6}, {8, 6}};
    EXPECT_FALSE(SchneidetUmriss({8, 6}, {3, 6}, s, ecke, 1));
    // Mode 1 leaves out the last edge, mode 0 adds the closing edge.
    const Punkt2DArray dreieck{{0, 0}, {10, 0}, {5, 5}};
    EXPECT_FALSE(SchneidetUmriss({2, -1}, {2, 4}, s, Punkt2DArray{{0, 0}, {10, 0}}, 1));
    EXPECT_TRUE(SchneidetUmriss({2, -1}, {2, 4}, s, dreieck, 0));
    ErwartePunkt(s, 2, 0);
    EXPECT_TRUE(SchneidetUmriss({1, 3}, {1, 0.5}, s, dreieck, 0)); // the closing edge (5,5)–(0,0)
    ErwartePunkt(s, 1, 1);
    EXPECT_FALSE(SchneidetUmriss({1, 3}, {1, 0.5}, s, dreieck, 1));
}

TEST(Plangeometrie, SnappingToCornersAndEdgesButNeverToTheGrid)
{
    Haus haus;
    haus.m_aZone[0].m_a2DGrundrissPunkte = Quadrat();
    struct Case {
        const char* was;
        Punkt2D p;
        Punkt2D erwartet;
    };
    const Case cases[] = {
        {"corner at 0.39", {0.3, std::sqrt(0.39 * 0.39 - 0.09)}, {0, 0}},
        {"corner at 0.41: edge foot", {0.3, std::sqrt(0.41 * 0.41 - 0.09)}, {0.3, 0}},
        {"far from everything", {5.03, 5.07}, {5.03, 5.07}},
        {"edge foot too far", {5, 0.45}, {5, 0.45}},
        {"nearest corner wins", {9.8, 9.9}, {10, 10}},
        {"right edge", {9.7, 5}, {10, 5}},
    };
    for (const Case& c : cases) {
        Punkt2D p = c.p;
        FangePunkt(haus, p);
        ErwartePunkt(p, c.erwartet.x, c.erwartet.y, 1e-6);
    }
    // The foot also becomes the marker position.
    Punkt2D p(9.7, 5);
    FangePunkt(haus, p);
    ErwartePunkt(haus.m_2DKnotenGrundriss, 10, 5, 1e-6);

    // Uncounted zones do not catch.
    haus.m_aZone.SetSize(2);
    haus.m_aZone[1].m_a2DGrundrissPunkte = {{15, 15}, {18, 15}, {18, 18}};
    Punkt2D q(15.1, 15.1);
    FangePunkt(haus, q);
    ErwartePunkt(q, 15.1, 15.1);
    haus.Zonen = 2;
    FangePunkt(haus, q);
    ErwartePunkt(q, 15, 15);
}

TEST(Plangeometrie, OrientationByTheShoelaceArea)
{
    Punkt2DArray q = Quadrat(); // counter-clockwise in the y-up plan
    EXPECT_FALSE(IstImUhrzeigersinn(q));
    KehreUm(q);
    EXPECT_TRUE(IstImUhrzeigersinn(q));
    ErwartePunkt(q[0], 0, 10);
    ErwartePunkt(q[3], 0, 0);
    // A sliver thinner than a grid step, which a probe one step beside the
    // first edge would misjudge.
    const Punkt2DArray splitter{{2, 2}, {12, 2}, {12, 2.1}, {2, 2.1}};
    EXPECT_FALSE(IstImUhrzeigersinn(splitter));
    const Punkt2DArray splitterUZS{{2, 2.1}, {12, 2.1}, {12, 2}, {2, 2}};
    EXPECT_TRUE(IstImUhrzeigersinn(splitterUZS));
}

TEST(Plangeometrie, NorthReadOut)
{
    struct Case {
        double alpha;
        const char* text;
    };
    const Case cases[] = {{90, "0"},     {0, "90"},     {270, "180"}, {180, "270"},
                          {91, "359"},   {90.36, "0"},  {90.5, "0"},  {89.6, "0"},
                          {45, "45"},    {135, "315"},  {359.9, "90"}};
    for (const Case& c : cases)
        EXPECT_EQ(Nordwinkeltext(c.alpha), c.text) << c.alpha;
}

// ----- pictures -----------------------------------------------------------------------

std::vector<double> Positionen(const Zeichenprimitiv& p, bool senkrecht)
{
    std::vector<double> werte;
    for (std::size_t i = 0; i + 1 < p.punkte.size(); i += 2) {
        const Punkt2D& a = p.punkte[i];
        const Punkt2D& b = p.punkte[i + 1];
        if (senkrecht && a.x == b.x)
            werte.push_back(a.x);
        if (!senkrecht && a.y == b.y)
            werte.push_back(a.y);
    }
    return werte;
}

TEST(Planzeichnung, GridStepsByPlotWidth)
{
    struct Case {
        double R, schritt;
    };
    for (const Case& c : {Case{25, 1}, Case{25.1, 2}, Case{50, 2}, Case{50.1, 3}, Case{75.1, 4}, Case{10, 1}})
        EXPECT_EQ(Rasterschritt(c.R), c.schritt) << c.R;
}

TEST(Planzeichnung, GridAtTheDefaults)
{
    Haus haus;
    Zeichenliste liste;
    ZeichneRaster(liste, haus, 1.0);
    ASSERT_EQ(liste.size(), 3u);
    const Zeichenprimitiv& voll = liste[0];
    const Zeichenprimitiv& mitte = liste[1];
    const Zeichenprimitiv& rand = liste[2];

    std::vector<double> erwartetVoll, erwartetMitte;
    for (int m = 1; m <= 20; ++m) {
        erwartetVoll.push_back(m);
        erwartetMitte.push_back(m - 0.5);
    }
    for (bool senkrecht : {true, false}) {
        EXPECT_EQ(Positionen(voll, senkrecht), erwartetVoll);
        const std::vector<double> m = Positionen(mitte, senkrecht);
        ASSERT_EQ(m.size(), 20u);
        for (std::size_t i = 0; i < m.size(); ++i)
            EXPECT_NEAR(m[i], erwartetMitte[i], 1e-9);
    }
    for (const Zeichenprimitiv* p : {&voll, &mitte}) {
        EXPECT_EQ(p->farbe, (std::array<float, 4>{0.8f, 0.8f, 0.8f, 1}));
        EXPECT_EQ(p->linienbreite, 1);
        // Each line runs across the whole view.
        EXPECT_EQ(p->punkte[0].y, 0);
        EXPECT_EQ(p->punkte[1].y, 20);
    }
    EXPECT_EQ(voll.muster, 0);
    EXPECT_EQ(mitte.muster, 0x3333);

    EXPECT_EQ(rand.farbe, (std::array<float, 4>{0.5f, 0.5f, 0.5f, 1}));
    EXPECT_EQ(rand.linienbreite, 2);
    ASSERT_EQ(rand.punkte.size(), 4u);
    ErwartePunkt(rand.punkte[0], 0, 20);
    ErwartePunkt(rand.punkte[1], 20, 20);
    ErwartePunkt(rand.punkte[2], 20, 0);
    ErwartePunkt(rand.punkte[3], 20, 20);

    // A wide view carries the vertical lines on to its right edge.
    Zeichenliste breit;
    ZeichneRaster(breit, haus, 1.5);
    EXPECT_EQ(Positionen(breit[0], true).back(), 30);
    EXPECT_EQ(breit[0].punkte[1].y, 30);
}

TEST(Planzeichnung, OutlinesMarkerAndNorthArrow)
{
    Haus haus;
    haus.m_aZone[0].m_a2DGrundrissPunkte = {{2, 2}, {8, 2}, {8, 6}};
    Zeichenliste offen;
    ZeichneUmrisse(offen, haus, 8, true, -1);
    ASSERT_EQ(offen.size(), 2u);
    // The closing edge first, grey while the outline is drawn.
    ErwartePunkt(offen[0].punkte[0], 8, 6);
    ErwartePunkt(offen[0].punkte[1], 2, 2);
    EXPECT_EQ(offen[0].farbe[0], 0.5f);
    EXPECT_EQ(offen[1].punkte.size(), 4u);
    EXPECT_EQ(offen[1].farbe[0], 0.0f);

    Zeichenliste zu;
    haus.m_aZone[0].Geschlossen = 1;
    ZeichneUmrisse(zu, haus, 8, true, 0);
    ASSERT_EQ(zu.size(), 4u);
    EXPECT_EQ(zu[0].farbe[0], 0.0f);
    EXPECT_EQ(zu[2].linienbreite, 3);
    EXPECT_EQ(zu[2].farbe, (std::array<float, 4>{1, 0.5f, 0.5f, 1}));

    Zeichenliste knoten;
    ZeichneKnoten(knoten, haus, {});
    EXPECT_TRUE(knoten.empty());
    haus.Flag2DKnotenGrundriss = 1;
    haus.m_2DKnotenGrundriss = Punkt2D(5, 2);
    ZeichneKnoten(knoten, haus, {});
    ASSERT_EQ(knoten.size(), 2u);
    EXPECT_EQ(knoten[0].art, Zeichenprimitiv::Art::Linienschleife);
    ErwartePunkt(knoten[0].punkte[0], 4.7, 1.7);
    ErwartePunkt(knoten[0].punkte[2], 5.3, 2.3);
    EXPECT_EQ(knoten[0].farbe, (std::array<float, 4>{1, 0, 0, 1}));

    Zeichenliste pfeil;
    haus.Ausrichtung = 90;
    ZeichneNordpfeil(pfeil, haus);
    ASSERT_EQ(pfeil.size(), 1u);
    const auto& p = pfeil[0].punkte;
    ASSERT_EQ(p.size(), 8u);
    ErwartePunkt(p[0], 10, 10);
    ErwartePunkt(p[1], 10, 17.2);
    // The N centred 7.95 above the centre, upright.
    ErwartePunkt(p[2], 10 - 0.375, 17.95 - 0.5);
    ErwartePunkt(p[3], 10 - 0.125, 17.95 + 0.5);
    ErwartePunkt(p[7], 10 + 0.375, 17.95 + 0.5);
    EXPECT_EQ(pfeil[0].farbe, (std::array<float, 4>{0, 0, 1, 1}));
}

} // namespace
} // namespace zeva
