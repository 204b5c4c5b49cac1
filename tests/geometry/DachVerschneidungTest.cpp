#include "geometry/DachVerschneidung.h"
#include "geometry/DachTestHilfen.h"
#include "model/Arbeitszaehler.h"

#include <gtest/gtest.h>

#include <vector>

namespace zeva {
namespace {

using test::BaueDach;
using test::Nahe;

void ErwartePunkte(const Punkt2DArray& ist, const std::vector<Punkt2D>& soll)
{
    ASSERT_EQ(ist.size(), soll.size());
    for (std::size_t i = 0; i < soll.size(); ++i)
        EXPECT_TRUE(Nahe(ist[i], soll[i], 1e-6)) << i << ": (" << ist[i].x << ", " << ist[i].y << ")";
}

// A long roof along x (ridge y = 4) and a crossing roof drawn taller than wide
// (ridge x = 10, across its first axis).
CObjektArray<CDach> Kreuzung(double hoeheQuer)
{
    CObjektArray<CDach> daecher;
    daecher.Add(BaueDach({.L = 20, .W = 8, .hoehe = 3}));
    daecher.Add(BaueDach({.L = 8, .W = 20, .hoehe = hoeheQuer, .p0 = {6, -6}}));
    return daecher;
}

TEST(DachVerschneidung, EqualHeightsMeetWhereRidgesAndEavesCross)
{
    CObjektArray<CDach> daecher = Kreuzung(3);
    ASSERT_FALSE(daecher[1].FirstLaengs());
    VerschneideDaecher(daecher);
    ErwartePunkte(daecher[0].m_Anschlusspunkte, {{10, 4}, {14, 8}, {6, 0}});
    ErwartePunkte(daecher[1].m_Anschlusspunkte, {{10, 4}, {14, 8}, {6, 0}});
}

TEST(DachVerschneidung, LowerRoofMeetsTheFacesOfTheHigherOne)
{
    // A lower roof (ridge height 2), drawn taller than wide, runs into the
    // south side of the long roof.
    CObjektArray<CDach> daecher;
    daecher.Add(BaueDach({.L = 20, .W = 8, .hoehe = 3}));
    daecher.Add(BaueDach({.L = 6, .W = 12, .hoehe = 2, .p0 = {7, -10}}));
    VerschneideDaecher(daecher);
    // Its ridge line pierces both slopes of the long roof (5.33 and 2.67 at
    // height 2), its eaves reach the long roof's eaves.
    ErwartePunkte(daecher[1].m_Anschlusspunkte, {{10, 5.33}, {13, 8}, {7, 8}, {10, 2.67}, {13, 0}, {7, 0}});
    // The long roof's south eave meets the slopes of the lower roof: found
    // only when those faces are proper quadrilaterals.
    ErwartePunkte(daecher[0].m_Anschlusspunkte, {{13, 0}, {7, 0}});
}

TEST(DachVerschneidung, OnlyRoofsWhoseOutlinesMeetAreCompared)
{
    // The crossing roof moved far east: the long roof's ridge line, drawn on
    // beyond its end, still crosses the other ridge inside that roof's
    // outline, but the roofs do not meet and neither gets a junction.
    CObjektArray<CDach> fern;
    fern.Add(BaueDach({.L = 20, .W = 8, .hoehe = 3}));
    fern.Add(BaueDach({.L = 8, .W = 20, .hoehe = 3, .p0 = {106, -6}}));
    VerschneideDaecher(fern);
    EXPECT_TRUE(fern[0].m_Anschlusspunkte.empty());
    EXPECT_TRUE(fern[1].m_Anschlusspunkte.empty());

    // Roofs that only touch still meet: the crossing roof's west eave on the
    // long roof's east end, where the long roof's ridge runs into it.
    CObjektArray<CDach> beruehrt;
    beruehrt.Add(BaueDach({.L = 20, .W = 8, .hoehe = 3}));
    beruehrt.Add(BaueDach({.L = 8, .W = 20, .hoehe = 3, .p0 = {20, -6}}));
    VerschneideDaecher(beruehrt);
    EXPECT_FALSE(beruehrt[0].m_Anschlusspunkte.empty());
}

TEST(DachVerschneidung, ManyRoofsAreQuick)
{
    // 2,500 crossings of two roofs each, far apart: each pair meets as the
    // single crossing does, and no pair meets another. Only the two roofs of
    // a crossing are computed in full, each against the other, counted in
    // steps rather than seconds (every pair in full would be 25 million).
    CObjektArray<CDach> daecher;
    for (int k = 0; k < 2500; ++k) {
        const Punkt2D versatz(40.0 * (k % 50), 40.0 * (k / 50));
        daecher.Add(BaueDach({.L = 20, .W = 8, .hoehe = 3, .p0 = versatz}));
        daecher.Add(BaueDach({.L = 8, .W = 20, .hoehe = 3, .p0 = versatz + Punkt2D(6, -6)}));
    }
    arbeitszaehler::dachpaarSchritte = 0;
    VerschneideDaecher(daecher);
    EXPECT_EQ(arbeitszaehler::dachpaarSchritte, daecher.size());
    // (Pairs near the origin: the junctions are found on points rounded to
    // three significant digits, which far out no longer lie on the eaves.)
    for (int k : {0, 1, 51}) {
        SCOPED_TRACE(k);
        const Punkt2D versatz(40.0 * (k % 50), 40.0 * (k / 50));
        const std::vector<Punkt2D> soll{Punkt2D(10, 4) + versatz, Punkt2D(14, 8) + versatz, Punkt2D(6, 0) + versatz};
        ErwartePunkte(daecher[2 * k].m_Anschlusspunkte, soll);
        ErwartePunkte(daecher[2 * k + 1].m_Anschlusspunkte, soll);
    }
}

TEST(DachVerschneidung, UnfinishedRoofsNeitherGetNorGiveJunctions)
{
    CObjektArray<CDach> daecher = Kreuzung(3);
    daecher[1].Zustand = CDach::ZustandPlatzieren;
    daecher[1].m_Anschlusspunkte.Add(Punkt2D(99, 99));
    VerschneideDaecher(daecher);
    EXPECT_TRUE(daecher[0].m_Anschlusspunkte.empty());
    ErwartePunkte(daecher[1].m_Anschlusspunkte, {{99, 99}});
}

TEST(DachVerschneidung, RebuildAfterLoadingRunsTheJunctions)
{
    CObjektArray<CDach> daecher = Kreuzung(3);
    for (CDach& d : daecher) {
        d.m_Flaechen.clear();
        d.m_Kanten.clear();
        d.m_Firstachse = {};
    }
    AktualisiereDaecherNachLaden(daecher);
    EXPECT_EQ(daecher[0].Flaechenzahl(), 4);
    EXPECT_EQ(daecher[1].m_Kanten.size(), 10u);
    ErwartePunkte(daecher[0].m_Anschlusspunkte, {{10, 4}, {14, 8}, {6, 0}});
}

// Two heated roofs along one ridge line: the first from x 0 to 10, the other
// from x0 to x1.
struct Paar {
    CObjektArray<CDach> daecher;
    std::vector<const CDach*> nachbarVonErstem;
};

Paar Reihe(double x0, double x1)
{
    Paar p;
    p.daecher.Add(BaueDach({.L = 10, .W = 8, .hoehe = 3}));
    p.daecher.Add(BaueDach({.L = x1 - x0, .W = 8, .hoehe = 3, .p0 = {x0, 0}}));
    p.nachbarVonErstem = {&p.daecher[1]};
    return p;
}

TEST(DachVerschneidung, CoplanarFacesOfANeighbourCoverTheFace)
{
    struct Case {
        const char* was;
        double x0;
        double x1;
        int flaeche; // face of the first roof
        bool bleibt;
        double abgedeckt;
    };
    const Case cases[] = {
        // The neighbour's north slope covers x 5..10 of the first roof's
        // north slope: 5 m of its 10 m (slope 5 m long).
        {"halb bedeckt", 5, 20, 0, true, 25},
        {"ganz bedeckt", -5, 20, 0, false, 50},
        {"nur berührt", 10, 20, 0, true, 0},
        // Gable walls in the plane x = 10, back to back: the first roof's
        // east gable and the neighbour's west gable.
        {"Giebel an Giebel", 10, 20, 3, false, 12},
        // The neighbour's west gable in the plane x = 5 is only parallel.
        {"Giebel versetzt", 5, 20, 3, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.was);
        const Paar p = Reihe(c.x0, c.x1);
        const Plane f = FlaechePlane(p.daecher[0], c.flaeche);
        double abgedeckt = -1;
        EXPECT_EQ(Abschneiden(f, p.nachbarVonErstem, abgedeckt), c.bleibt);
        EXPECT_NEAR(abgedeckt, c.abgedeckt, 1e-9);
    }
    double abgedeckt = -1;
    EXPECT_TRUE(Abschneiden(FlaechePlane(Reihe(5, 20).daecher[0], 0), {}, abgedeckt));
    EXPECT_EQ(abgedeckt, 0);
}

TEST(DachVerschneidung, OverlapOfVerticalPlanesInOnePlane)
{
    auto wand = [](Punkt3D lu, Punkt3D ru, double h) {
        Plane p;
        p.lu = lu;
        p.ru = ru;
        p.lo = lu + Punkt3D(0, h, 0);
        p.ro = ru + Punkt3D(0, h, 0);
        return p;
    };
    // Walls facing x and facing z, the same wall in either corner order,
    // and two walls side by side in one plane.
    EXPECT_NEAR(Ueberlappung(wand({10, 0, 0}, {10, 0, 8}, 3), wand({10, 0, 0}, {10, 0, 8}, 3)), 24, 1e-9);
    EXPECT_NEAR(Ueberlappung(wand({10, 0, 0}, {10, 0, 8}, 3), wand({10, 0, 8}, {10, 0, 0}, 3)), 24, 1e-9);
    EXPECT_NEAR(Ueberlappung(wand({0, 0, 5}, {8, 0, 5}, 3), wand({4, 0, 5}, {12, 0, 5}, 2)), 8, 1e-9);
    EXPECT_NEAR(Ueberlappung(wand({0, 0, 5}, {8, 0, 5}, 3), wand({8, 0, 5}, {16, 0, 5}, 3)), 0, 1e-9);
    // Turned walls: (3,4) direction, a half overlap.
    EXPECT_NEAR(Ueberlappung(wand({0, 0, 0}, {6, 0, 8}, 2), wand({3, 0, 4}, {9, 0, 12}, 2)), 10, 1e-9);
}

} // namespace
} // namespace zeva
