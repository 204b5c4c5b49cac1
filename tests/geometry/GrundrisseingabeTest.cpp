#include "geometry/C3DGenerator.h"
#include "geometry/Grundrisseingabe.h"
#include "model/BilanzTestHaus.h"
#include "model/Haus.h"
#include "model/PunktTestHilfen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include <string>
#include <vector>

namespace zeva {
namespace {

using test::ErwartePunkte;

// A user at the plan: every click comes after a move to the same point,
// as the floating point follows the cursor.
class Grundriss : public testing::Test {
protected:
    void SetUp() override { haus.Phase = 8; }

    // A fresh plan (assigning a house keeps its zones).
    void Neu()
    {
        haus.m_aZone.RemoveAll();
        haus.m_aZone.SetSize(1);
        haus.Zonen = 1;
        haus.Flag2DKnotenGrundriss = 0;
        eingabe = Grundrisseingabe();
    }

    void Klick(double x, double y)
    {
        eingabe.Bewegung(haus, {x, y});
        eingabe.NeuerGrundrisspunkt(haus, {x, y}, notifier);
    }
    void Klicks(std::initializer_list<Punkt2D> punkte)
    {
        for (const Punkt2D& p : punkte)
            Klick(p.x, p.y);
    }
    // The double click of the system: the first press fixes the point.
    void Doppelklick(double x, double y)
    {
        Klick(x, y);
        eingabe.Doppelklick(haus);
    }
    const Punkt2DArray& Umriss() const { return haus.m_aZone[0].m_a2DGrundrissPunkte; }


    Haus haus;
    Grundrisseingabe eingabe;
    test::MerkNotifier notifier;
};

TEST_F(Grundriss, CounterClockwiseOutlineClosedNearTheStartIsStoredClockwise)
{
    haus.m_aLinien1 = {{1, 1}, {2, 2}};
    Klicks({{2, 2}, {8, 2}, {8, 6}, {2, 6}, {2.2, 2.1}});
    ErwartePunkte(Umriss(), {{2, 6}, {8, 6}, {8, 2}, {2, 2}});
    EXPECT_EQ(haus.m_aZone[0].Geschlossen, 1);
    EXPECT_EQ(haus.Zonen, 2);
    EXPECT_EQ(haus.m_aZone.size(), 2u);
    EXPECT_EQ(eingabe.EingabeAktiv, 0);
    EXPECT_EQ(haus.Flag2DEingabeImUZS, 0);
    EXPECT_TRUE(haus.m_aLinien1.empty());
}

TEST_F(Grundriss, ClockwiseOutlineStaysAsDrawn)
{
    Klicks({{2, 2}, {2, 6}, {8, 6}, {8, 2}, {2.2, 2.1}});
    ErwartePunkte(Umriss(), {{2, 2}, {2, 6}, {8, 6}, {8, 2}});
    EXPECT_EQ(haus.Flag2DEingabeImUZS, 1);
}

TEST_F(Grundriss, ReadOutsFollowTheCursor)
{
    Klick(2, 2);
    const Ablesungen werte = eingabe.Bewegung(haus, {12, 2});
    const Ablesungen erwartet{{ablesung::X, "12,00"},      {ablesung::Y, "2,00"},
                              {ablesung::Laenge, "10,00"}, {ablesung::XVersatz, "10,00"},
                              {ablesung::YVersatz, "0,00"}};
    EXPECT_EQ(werte, erwartet);
    ErwartePunkte(Umriss(), {{2, 2}, {12, 2}});
    EXPECT_EQ(eingabe.Bewegung(haus, {5, 6})[2].second, "5,00");
}

TEST_F(Grundriss, AlmostStraightPointsMerge)
{
    struct Case {
        const char* was;
        Punkt2D p;
        std::initializer_list<Punkt2D> erwartet;
    };
    const Case cases[] = {
        {"2.86 degrees replaces the corner", {14, 2.3}, {{2, 2}, {14, 2.3}, {14, 2.3}}},
        {"5.71 degrees keeps it", {14, 2.6}, {{2, 2}, {8, 2}, {14, 2.6}, {14, 2.6}}},
        {"exactly in line", {14, 2}, {{2, 2}, {14, 2}, {14, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.was);
        Neu();
        Klicks({{2, 2}, {8, 2}, c.p});
        ErwartePunkte(Umriss(), c.erwartet);
        EXPECT_EQ(haus.Flag2DKnotenGrundriss, 0);
    }
}

TEST_F(Grundriss, DirectionsNear0And360AreNotMerged)
{
    // d→a at 359.05°, a→p at 0.95°: 358 apart as plain numbers.
    Klicks({{2, 2.1}, {8, 2}, {14, 2.1}});
    EXPECT_EQ(Umriss().size(), 4u);
}

TEST_F(Grundriss, CrossingEdgesAreRefusedAndMarked)
{
    struct Case {
        const char* was;
        std::initializer_list<Punkt2D> fest;
        Punkt2D klick;
        Punkt2D knoten;
    };
    const Case cases[] = {
        {"far from both ends", {{2, 2}, {8, 2}, {8, 6}}, {5, 0.5}, {5.8181818, 2}},
        // Half a metre from the new point: a tolerance of 1 would accept it.
        {"near the new point", {{2, 2}, {12, 2}, {12, 12}, {7, 12}}, {7, 1.5}, {7, 2}},
        {"back along the last edge", {{2, 2}, {8, 2}, {8, 6}}, {8, 4}, {8, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.was);
        Neu();
        Klicks(c.fest);
        const std::size_t vorher = Umriss().size();
        Klick(c.klick.x, c.klick.y);
        EXPECT_EQ(Umriss().size(), vorher);
        EXPECT_EQ(haus.Flag2DKnotenGrundriss, 1);
        EXPECT_NEAR(haus.m_2DKnotenGrundriss.x, c.knoten.x, 1e-6);
        EXPECT_NEAR(haus.m_2DKnotenGrundriss.y, c.knoten.y, 1e-6);
    }
    // The next move without a crossing clears the marker.
    eingabe.Bewegung(haus, {9, 4});
    EXPECT_EQ(haus.Flag2DKnotenGrundriss, 0);
}

TEST_F(Grundriss, ClosingNearTheStartTestsTheClosingEdge)
{
    Klicks({{2, 2}, {12, 2}, {12, 12}, {6, 12}, {6, 3}, {9, 5}});
    Klick(2.2, 2.1);
    // The closing edge (9,5)–(2,2) would cross (6,12)–(6,3).
    EXPECT_EQ(haus.m_aZone[0].Geschlossen, 0);
    EXPECT_EQ(haus.Zonen, 1);
    EXPECT_EQ(eingabe.EingabeAktiv, 1);
    EXPECT_EQ(haus.Flag2DKnotenGrundriss, 1);
    EXPECT_NEAR(haus.m_2DKnotenGrundriss.x, 6, 1e-9);
    EXPECT_NEAR(haus.m_2DKnotenGrundriss.y, 2 + 3.0 * 4 / 7, 1e-9);
    EXPECT_EQ(Umriss().size(), 7u);
}

// Only simple outlines grow and close. Each case draws its points and ends
// with a double click; the refused ones stay open with the offending point
// not taken, the simple ones close.
TEST_F(Grundriss, OnlySimpleOutlinesGrowAndClose)
{
    struct Case {
        const char* was;
        std::initializer_list<Punkt2D> klicks;
        Punkt2D doppelklick;
        bool schliesst;
    };
    const Case cases[] = {
        {"in line one metre beyond the start", {{2, 2}, {12, 2}, {12, 10}, {2, 10}}, {2, 1}, false},
        {"two lobes meeting in a corner", {{2, 2}, {6, 6}, {10, 2}, {10, 10}}, {6, 6}, false},
        {"the closing edge across an earlier edge", {{2, 2}, {12, 2}, {12, 12}, {6, 12}, {6, 3}}, {9, 5}, false},
        {"the closing edge back along the last edge", {{2, 2}, {10, 2}, {10, 4}, {4, 4}}, {6, 6}, false},
        {"a point exactly on an earlier edge", {{2, 2}, {10, 2}, {10, 8}, {6, 8}}, {6, 2}, false},
        {"a vertical edge through a corner", {{2, 2}, {5, 4}, {8, 2}, {8, 8}, {5, 8}}, {5, 1}, false},
        {"the closing edge through a corner", {{2, 2}, {10, 2}, {10, 6}, {5, 5}, {5, 9}}, {8, 8}, false},
        {"a rectangle", {{2, 2}, {12, 2}, {12, 10}}, {2, 10}, true},
        {"an L", {{2, 2}, {12, 2}, {12, 6}, {6, 6}, {6, 10}}, {2, 10}, true},
        {"a U whose arms reach past each other's corners", {{2, 2}, {12, 2}, {12, 10}, {9, 10}, {9, 5}, {5, 5}, {5, 10}},
         {2, 10}, true},
        {"a vertical edge beside a corner", {{2, 2}, {5, 4}, {8, 2}, {8, 8}, {5.5, 8}, {5.5, 5}}, {2, 8}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.was);
        Neu();
        Klicks(c.klicks);
        Doppelklick(c.doppelklick.x, c.doppelklick.y);
        EXPECT_EQ(haus.Zonen == 2, c.schliesst);
        EXPECT_EQ(haus.m_aZone[0].Geschlossen == 1, c.schliesst);
        if (!c.schliesst) {
            EXPECT_EQ(eingabe.EingabeAktiv, 1);
            EXPECT_EQ(haus.Flag2DKnotenGrundriss, 1) << "the marker shows the refusal";
        }
    }
}

// A point of the decimetre grid in whole decimetres, so that the test below
// decides exactly.
struct Rasterpunkt {
    long long x, y;
};

// Whether the closed outline is simple: no two edges meet except neighbours
// at their shared corner. Exact for points on the decimetre grid.
bool IstEinfach(const Punkt2DArray& umriss)
{
    const std::size_t n = umriss.size();
    std::vector<Rasterpunkt> u;
    for (const Punkt2D& p : umriss)
        u.push_back({std::llround(p.x * 10), std::llround(p.y * 10)});
    using Punkt2D = Rasterpunkt;
    const auto seite = [](const Punkt2D& a, const Punkt2D& b, const Punkt2D& c) {
        const long long d = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
        return (d > 0) - (d < 0);
    };
    const auto aufStrecke = [](const Punkt2D& a, const Punkt2D& b, const Punkt2D& p) {
        return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
               p.y <= std::max(a.y, b.y);
    };
    const auto treffen = [&](const Punkt2D& a, const Punkt2D& b, const Punkt2D& c, const Punkt2D& d) {
        const int s1 = seite(a, b, c), s2 = seite(a, b, d), s3 = seite(c, d, a), s4 = seite(c, d, b);
        if (s1 * s2 < 0 && s3 * s4 < 0)
            return true;
        return (s1 == 0 && aufStrecke(a, b, c)) || (s2 == 0 && aufStrecke(a, b, d)) ||
               (s3 == 0 && aufStrecke(c, d, a)) || (s4 == 0 && aufStrecke(c, d, b));
    };
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j) {
            const Punkt2D &a = u[i], &b = u[(i + 1) % n], &c = u[j], &d = u[(j + 1) % n];
            const bool nachbarn = j == i + 1 || (i == 0 && j == n - 1);
            if (!nachbarn && treffen(a, b, c, d))
                return false;
            // Neighbours share one corner; on one line they must not fold back.
            if (nachbarn) {
                const Punkt2D& gemeinsam = j == i + 1 ? b : a;
                const Punkt2D& p = j == i + 1 ? a : b;
                const Punkt2D& q = j == i + 1 ? d : c;
                if (seite(p, gemeinsam, q) == 0 && (q.x - gemeinsam.x) * (p.x - gemeinsam.x) +
                                                           (q.y - gemeinsam.y) * (p.y - gemeinsam.y) > 0)
                    return false;
            }
        }
    return true;
}

// A sloppy user clicking on whole metres at random: whatever closes is simple.
TEST_F(Grundriss, RandomlyClickedOutlinesThatCloseAreSimple)
{
    std::mt19937 zufall(43);
    std::uniform_int_distribution<int> koordinate(1, 19);
    std::uniform_int_distribution<int> anzahl(3, 9);
    int geschlossen = 0;
    for (int versuch = 0; versuch < 2000; ++versuch) {
        Neu();
        const int k = anzahl(zufall);
        for (int i = 0; i < k; ++i)
            Klick(koordinate(zufall), koordinate(zufall));
        Doppelklick(koordinate(zufall), koordinate(zufall));
        if (haus.Zonen != 2)
            continue;
        ++geschlossen;
        std::string punkte;
        for (const Punkt2D& p : Umriss())
            punkte += " (" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")";
        EXPECT_TRUE(IstEinfach(Umriss())) << "attempt " << versuch << ":" << punkte;
    }
    EXPECT_GT(geschlossen, 200);
}

// A merged corner leaves one edge in place of two. That edge is checked like
// any other: where it would cross the outline, the corner stays.
TEST_F(Grundriss, AMergeThatWouldCrossKeepsTheCorner)
{
    // A spike reaches up to (10.2, 10); the edges (10,2)–(10.3,10) and
    // (10.3,10)–(10,18) pass right of its tip, 4.3 degrees apart, but the
    // straight edge (10,2)–(10,18) would run through it.
    const std::initializer_list<Punkt2D> spitze = {{4, 9}, {10.2, 10}, {4, 11}, {1, 11}, {1, 2}, {10, 2}, {10.3, 10}};
    Klicks(spitze);
    Klick(10, 18);
    EXPECT_EQ(haus.Flag2DKnotenGrundriss, 0);
    ErwartePunkte(Umriss(), {{4, 9}, {10.2, 10}, {4, 11}, {1, 11}, {1, 2}, {10, 2}, {10.3, 10}, {10, 18}, {10, 18}});

    // The same bend where the outline closes: the double click's point stays
    // a corner and the outline closes as drawn.
    Neu();
    Klicks({{10, 18}, {1, 18}, {1, 11}, {4, 11}, {10.2, 10}, {4, 9}, {1, 9}, {1, 2}, {10, 2}});
    Doppelklick(10.3, 10);
    ASSERT_EQ(haus.Zonen, 2);
    EXPECT_EQ(Umriss().size(), 10u);
    EXPECT_NE(std::find(Umriss().begin(), Umriss().end(), Punkt2D(10.3, 10)), Umriss().end());
    EXPECT_TRUE(IstEinfach(Umriss()));

    // Without the spike the same clicks merge as before.
    Neu();
    Klicks({{1, 2}, {10, 2}, {10.3, 10}, {10, 18}});
    ErwartePunkte(Umriss(), {{1, 2}, {10, 2}, {10, 18}, {10, 18}});
}

// A user who often carries an edge on almost straight: many clicks land
// within the merging angle of the edge before, on the decimetre grid, some
// close the outline by a click near the start, some by a double click.
// Whatever closes is simple.
TEST_F(Grundriss, RandomDrawingsWithManyMergedCornersCloseOnlySimpleOutlines)
{
    std::mt19937 zufall(20261211);
    std::uniform_real_distribution<double> ort(0.1, 19.9);
    std::uniform_real_distribution<double> knick(-4.9, 4.9);
    std::uniform_real_distribution<double> laenge(0.3, 9);
    std::uniform_int_distribution<int> anzahl(3, 14);
    std::uniform_int_distribution<int> art(0, 9);
    const auto raster = [](double v) { return std::round(v * 10) / 10; };
    constexpr double GradProRad = 180.0 / std::numbers::pi;
    int geschlossen = 0;
    int nichtEinfach = 0;
    for (int versuch = 0; versuch < 40000; ++versuch) {
        Neu();
        const int k = anzahl(zufall);
        // Along the last fixed edge, or anywhere.
        const auto naechster = [&]() {
            const std::size_t m = Umriss().size();
            if (m >= 3 && art(zufall) < 7) {
                const Punkt2D& vorletzter = Umriss()[m - 3];
                const Punkt2D& letzter = Umriss()[m - 2];
                const double winkel = Richtungswinkel(vorletzter, letzter) + knick(zufall);
                const double l = laenge(zufall);
                return Punkt2D(raster(letzter.x + std::cos(winkel / GradProRad) * l),
                               raster(letzter.y + std::sin(winkel / GradProRad) * l));
            }
            return Punkt2D(raster(ort(zufall)), raster(ort(zufall)));
        };
        for (int i = 0; i < k; ++i) {
            const Punkt2D p = naechster();
            Klick(p.x, p.y);
        }
        if (art(zufall) < 3 && !Umriss().empty())
            Klick(Umriss()[0].x, Umriss()[0].y);
        else {
            const Punkt2D p = naechster();
            Doppelklick(p.x, p.y);
        }
        if (haus.Zonen != 2)
            continue;
        ++geschlossen;
        if (!IstEinfach(Umriss()) && ++nichtEinfach <= 3) {
            std::string punkte;
            for (const Punkt2D& p : Umriss())
                punkte += " (" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")";
            ADD_FAILURE() << "drawing " << versuch << " is not simple:" << punkte;
        }
    }
    EXPECT_EQ(nichtEinfach, 0);
    EXPECT_GT(geschlossen, 4000);
}

TEST_F(Grundriss, DoubleClick)
{
    Klicks({{2, 2}, {8, 2}});
    Doppelklick(5, 6);
    ErwartePunkte(Umriss(), {{5, 6}, {8, 2}, {2, 2}});
    EXPECT_EQ(haus.Zonen, 2);

    Neu();
    Klick(2, 2);
    Doppelklick(8, 2);
    EXPECT_EQ(haus.Zonen, 1);
    EXPECT_EQ(eingabe.EingabeAktiv, 1);
    EXPECT_EQ(Umriss().size(), 3u); // two fixed points and the floating one
}

TEST_F(Grundriss, RefusedDoubleClickLetsThePointFloatAgain)
{
    Klicks({{2, 2}, {12, 2}, {12, 12}, {6, 12}, {6, 3}});
    Doppelklick(9, 5);
    EXPECT_EQ(haus.Zonen, 1);
    EXPECT_EQ(haus.Flag2DKnotenGrundriss, 1);
    EXPECT_EQ(eingabe.EingabeAktiv, 1);
    ErwartePunkte(Umriss(), {{2, 2}, {12, 2}, {12, 12}, {6, 12}, {6, 3}, {9, 5}});
    eingabe.Bewegung(haus, {4, 4});
    EXPECT_NEAR(Umriss().back().x, 4, 1e-9);
}

TEST_F(Grundriss, RightClicksStepBackAndReopen)
{
    Klick(2, 2);
    eingabe.Rechtsklick(haus);
    EXPECT_TRUE(Umriss().empty());
    EXPECT_EQ(eingabe.EingabeAktiv, 0);

    Klicks({{2, 2}, {8, 2}, {8, 6}});
    eingabe.Rechtsklick(haus);
    ErwartePunkte(Umriss(), {{2, 2}, {8, 2}, {8, 6}});

    Doppelklick(2, 6);
    ASSERT_EQ(haus.Zonen, 2);
    eingabe.Rechtsklick(haus);
    EXPECT_EQ(haus.Zonen, 1);
    EXPECT_EQ(eingabe.EingabeAktiv, 1);
    EXPECT_EQ(haus.m_aZone[0].Geschlossen, 1);
    EXPECT_EQ(haus.m_aZone.size(), 2u);
    // Closed again: one more uncounted zone.
    Doppelklick(2, 5);
    EXPECT_EQ(haus.Zonen, 2);
    EXPECT_EQ(haus.m_aZone.size(), 3u);
    // Moves after closing work on the empty new zone and mark nothing.
    eingabe.Bewegung(haus, {5, 5});
    EXPECT_EQ(haus.Flag2DKnotenGrundriss, 0);
}

TEST_F(Grundriss, ClicksOutsideTheDrawingAreaDoNothing)
{
    Klick(0, 5);
    EXPECT_TRUE(Umriss().empty());
    Klick(2, 2);
    Klick(20, 5);
    Klick(29.5, 5);
    EXPECT_EQ(Umriss().size(), 2u);
}

TEST_F(Grundriss, AnOutlineKeepsAtMostTheCornersTheGeneratorTakes)
{
    // A start away from a zigzag, 100 corners in all.
    Klick(0.3, 6);
    for (int i = 1; i < 100; ++i)
        Klick(0.3 + 0.15 * i, i % 2 ? 1 : 3);
    ASSERT_EQ(Umriss().size(), 101u);
    Klick(16, 1);
    EXPECT_EQ(Umriss().size(), 101u);
    ASSERT_EQ(notifier.texte.size(), 1u);
    EXPECT_EQ(notifier.texte[0], C3DGenerator::MeldungZuVielePunkte);
    Klick(16, 1);
    EXPECT_EQ(notifier.texte.size(), 2u);
}

TEST_F(Grundriss, NorthDirection)
{
    haus.Phase = 10;
    struct Case {
        Punkt2D p;
        double ausrichtung;
        const char* text;
    };
    const Case cases[] = {{{10, 15}, 90, "0"}, {{15, 10}, 0, "90"}, {{10, 5}, 270, "180"}, {{5, 10}, 180, "270"}};
    for (const Case& c : cases) {
        const Ablesungen werte = eingabe.NordDruck(haus, c.p);
        EXPECT_NEAR(haus.Ausrichtung, c.ausrichtung, 1e-9);
        ASSERT_EQ(werte.size(), 1u);
        EXPECT_EQ(werte[0], (std::pair<int, std::string>{ablesung::Laenge, c.text}));
        EXPECT_EQ(eingabe.EingabeAktiv, 1);
        eingabe.NordLoslassen(haus, c.p);
        EXPECT_EQ(eingabe.EingabeAktiv, 0);
    }
    // Drags only while the button is held; the centre gives no direction.
    EXPECT_TRUE(eingabe.NordBewegung(haus, {10, 15}).empty());
    eingabe.NordDruck(haus, {10, 15});
    EXPECT_TRUE(eingabe.NordDruck(haus, {10, 10}).empty());
    EXPECT_NEAR(haus.Ausrichtung, 90, 1e-9);
    EXPECT_EQ(eingabe.NordBewegung(haus, {9.95, 18})[0].second, "0");
    EXPECT_NEAR(haus.Ausrichtung, 90.358, 1e-3);
}

} // namespace
} // namespace zeva
