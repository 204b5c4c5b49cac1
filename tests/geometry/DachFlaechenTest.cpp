#include "geometry/DachFlaechen.h"
#include "geometry/DachTestHilfen.h"
#include "model/Haus.h"
#include "model/Zahlentext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace zeva {
namespace {

using test::BaueDach;
using test::DachMasse;

Punkt2DArray Rechteck(double x0, double y0, double x1, double y1)
{
    return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

// A new house (basement 2.5 m, one storey of 2.5 m, no knee wall) whose zone
// 0 is the rectangle 10 × 8.
struct Golden {
    Haus haus;
    CPlaneArray planes;

    explicit Golden(const DachMasse& dach)
    {
        haus.m_aZone[0].m_a2DGrundrissPunkte = Rechteck(0, 0, 10, 8);
        haus.m_aDach.Add(BaueDach(dach));
    }
    int Erzeuge(std::size_t i = 0) { return ErzeugeFlaechen(haus.m_aDach[i], haus, planes); }

    std::vector<std::int32_t> IDs() const
    {
        std::vector<std::int32_t> ids;
        for (const Plane& p : planes)
            ids.push_back(p.ID);
        return ids;
    }
};

template <class A>
std::vector<double> Flaechen(const A& records)
{
    std::vector<double> f;
    for (const auto& r : records)
        f.push_back(r.Flaeche);
    return f;
}

template <class A>
std::vector<std::int32_t> RecordIDs(const A& records)
{
    std::vector<std::int32_t> ids;
    for (const auto& r : records)
        ids.push_back(r.m_plane.ID);
    return ids;
}

double MinHoehe(const CPlaneArray& planes)
{
    double h = 1e9;
    for (const Plane& p : planes)
        for (int k = 0; k < 4; ++k)
            h = std::min(h, p.Ecke(k).y);
    return h;
}

const DachMasse SatteldachAufZone{.L = 10, .W = 8, .hoehe = 3, .geschossHoehe = 3};

TEST(DachFlaechen, HeatedGableRoofWholeInTheHeatedStorey)
{
    Golden g(SatteldachAufZone);
    EXPECT_EQ(g.Erzeuge(), 8);

    EXPECT_EQ(Flaechen(g.haus.m_aSteildach), (std::vector<double>{50, 50}));
    EXPECT_EQ(RecordIDs(g.haus.m_aSteildach), (std::vector<std::int32_t>{9000001, 9000002}));
    EXPECT_EQ(Flaechen(g.haus.m_aWand), (std::vector<double>{12, 12}));
    EXPECT_EQ(RecordIDs(g.haus.m_aWand), (std::vector<std::int32_t>{8000001, 8000002}));
    EXPECT_EQ(g.haus.m_aWand[0].m_plane.FassadenID, 4000001);
    EXPECT_EQ(g.haus.m_aWand[1].m_plane.FassadenID, 4000002);
    EXPECT_EQ(g.haus.m_aWand[1].Nummer, 1);
    EXPECT_EQ(g.haus.m_aWand[1].Zone, g.haus.m_defaultWand.Zone);
    EXPECT_TRUE(g.haus.m_aDecke.empty());
    EXPECT_TRUE(g.haus.m_aFlachdach.empty());

    // Each face as its record's real geometry, then once more in full.
    EXPECT_EQ(g.IDs(), (std::vector<std::int32_t>{9000001, 90000001, 9000002, 90000002, 8000001, 91000001, 8000002,
                                                  91000002}));
    // The record keeps a flat rectangle of its area; the plane of the same
    // ID keeps the real face, on top of the storeys (2.5 + 2.5).
    EXPECT_NEAR(g.haus.m_aSteildach[0].m_plane.Flaeche(), 50, 1e-9);
    EXPECT_EQ(g.haus.m_aSteildach[0].m_plane.lo.y, 0);
    EXPECT_DOUBLE_EQ(MinHoehe(g.planes), 5.0);
    EXPECT_NEAR(g.planes[0].Flaeche(), 50, 1e-9);
    EXPECT_DOUBLE_EQ(std::max({g.planes[0].lo.y, g.planes[0].ro.y}), 8.0);
}

TEST(DachFlaechen, HeatedGableRoofSplitAtTheAtticTop)
{
    DachMasse m = SatteldachAufZone;
    m.geschossHoehe = 1.5;
    Golden g(m);
    EXPECT_EQ(g.Erzeuge(), 13);

    EXPECT_EQ(Flaechen(g.haus.m_aSteildach), (std::vector<double>{25, 25}));
    EXPECT_EQ(Flaechen(g.haus.m_aWand), (std::vector<double>{9, 9}));
    ASSERT_EQ(g.haus.m_aDecke.size(), 1u);
    EXPECT_EQ(g.haus.m_aDecke[0].Flaeche, 40);
    EXPECT_EQ(g.haus.m_aDecke[0].m_plane.ID, 5000001);
    EXPECT_EQ(g.haus.m_aDecke[0].Zone, 2);

    // Per face: the upper part (geometry), the lower part (record), the
    // whole face (geometry); the attic ceiling last, at 1.5 above the eaves.
    EXPECT_EQ(g.IDs(), (std::vector<std::int32_t>{90000000, 9000001, 90000001, 90000001, 9000002, 90000002, 91000000,
                                                  8000001, 91000001, 91000001, 8000002, 91000002, 5000001}));
    const Plane& decke = g.planes.back();
    for (int k = 0; k < 4; ++k)
        EXPECT_DOUBLE_EQ(decke.Ecke(k).y, 6.5);
    EXPECT_NEAR(decke.Flaeche(), 40, 1e-9);
}

TEST(DachFlaechen, SplitOfAHigherRoofGivesOneAtticCeiling)
{
    Golden g({.L = 10, .W = 8, .hoehe = 4, .geschossHoehe = 2});
    g.Erzeuge();
    // The slopes are split at half height: lower parts 10 × 2.5 each (slope
    // of 4 rise over 4 run is √32 long, half of it per part).
    ASSERT_EQ(g.haus.m_aSteildach.size(), 2u);
    EXPECT_NEAR(g.haus.m_aSteildach[0].Flaeche, RundeSignifikant(10 * std::sqrt(32.0) / 2, 3), 1e-9);
    ASSERT_EQ(g.haus.m_aDecke.size(), 1u);
    EXPECT_EQ(g.haus.m_aDecke[0].Flaeche, 40);
}

TEST(DachFlaechen, StoreyBelowTheKneeWallKeepsTheTopEnvelope)
{
    // GeschossHoehe 0.5 under a knee wall of 1: the attic top is taken at the
    // eaves, so the roof space gets a ceiling of the whole outline.
    DachMasse m = SatteldachAufZone;
    m.geschossHoehe = 0.5;
    Golden g(m);
    g.haus.m_aZone[0].Drempelhoehe = 1;
    g.Erzeuge();
    EXPECT_TRUE(g.haus.m_aSteildach.empty());
    EXPECT_TRUE(g.haus.m_aWand.empty());
    ASSERT_EQ(g.haus.m_aDecke.size(), 1u);
    EXPECT_EQ(g.haus.m_aDecke[0].Flaeche, 80);
    // Lifted by the storeys and the knee wall: 2.5 + 2.5 + 1.
    EXPECT_DOUBLE_EQ(g.planes.back().lo.y, 6.0);
}

TEST(DachFlaechen, UnheatedHipRoofIsGeometryWithACeiling)
{
    DachMasse m{.typ = dachtyp::Walmdach, .L = 10, .W = 8, .hoehe = 3, .geschossHoehe = 3, .beheizt = 0};
    Golden g(m);
    EXPECT_EQ(g.Erzeuge(), 9);
    EXPECT_TRUE(g.haus.m_aSteildach.empty());
    EXPECT_TRUE(g.haus.m_aWand.empty());
    ASSERT_EQ(g.haus.m_aDecke.size(), 1u);
    EXPECT_EQ(g.haus.m_aDecke[0].Flaeche, 80);
    const std::vector<std::int32_t> ids = g.IDs();
    EXPECT_EQ(std::count(ids.begin(), ids.end(), 90000000), 8);
    EXPECT_EQ(ids.back(), 5000001);
}

TEST(DachFlaechen, FlatRoofIsOneFlatRoofRecord)
{
    for (int beheizt = 0; beheizt <= 1; ++beheizt) {
        Golden g({.typ = dachtyp::Flachdach, .L = 10, .W = 8, .hoehe = 3, .beheizt = beheizt});
        g.haus.m_aDach.Add(BaueDach({.typ = dachtyp::Flachdach, .L = 10, .W = 8, .hoehe = 3, .p0 = {30, 0}}));
        EXPECT_EQ(g.Erzeuge(0), 1);
        EXPECT_EQ(g.Erzeuge(1), 1);
        EXPECT_EQ(g.IDs(), (std::vector<std::int32_t>{7000001, 7000002}));
        ASSERT_EQ(g.haus.m_aFlachdach.size(), 2u);
        EXPECT_EQ(g.haus.m_aFlachdach[0].Zone, 0);
        EXPECT_EQ(g.haus.m_aFlachdach[0].Flaeche, 80);
        EXPECT_EQ(g.haus.m_aFlachdach[1].m_plane.FassadenID, 7000002);
        EXPECT_TRUE(g.haus.m_aDecke.empty());
    }
}

TEST(DachFlaechen, SecondRoofContinuesTheRunningNumbersInItsZone)
{
    Golden g(SatteldachAufZone);
    g.haus.m_aZone.SetSize(2);
    g.haus.m_aZone[1].m_a2DGrundrissPunkte = Rechteck(30, 0, 40, 8);
    g.haus.m_aDach.Add(BaueDach({.L = 10, .W = 8, .hoehe = 3, .p0 = {30, 0}}));
    g.Erzeuge(0);
    g.Erzeuge(1);
    EXPECT_EQ(RecordIDs(g.haus.m_aSteildach),
              (std::vector<std::int32_t>{9000001, 9000002, 109000003, 109000004}));
    EXPECT_EQ(g.haus.m_aSteildach[2].m_plane.FassadenID, 9000003);
    EXPECT_EQ(RecordIDs(g.haus.m_aWand), (std::vector<std::int32_t>{8000001, 8000002, 108000003, 108000004}));
}

TEST(DachFlaechen, LiftedOntoStoreysBasementAndKneeWall)
{
    Golden g(SatteldachAufZone);
    Zone& z = g.haus.m_aZone[0];
    z.Kellerhoehe = 2.5;
    z.Stockwerkszahl = 2;
    z.Stockwerkshoehe = 2.5;
    z.Drempelhoehe = 0.5;
    g.haus.m_aDach[0].GeschossHoehe = 3.5;
    g.Erzeuge();
    EXPECT_DOUBLE_EQ(MinHoehe(g.planes), 8.0);
}

TEST(DachFlaechen, OverhangGetsACeiling)
{
    Golden g({.L = 12, .W = 10, .hoehe = 3, .p0 = {-1, -1}, .geschossHoehe = 3});
    g.Erzeuge();
    ASSERT_EQ(g.haus.m_aDecke.size(), 1u);
    EXPECT_EQ(g.haus.m_aDecke[0].Flaeche, 40);
    EXPECT_EQ(g.haus.m_aDecke[0].m_plane.ID, 5000001);
}

TEST(DachFlaechen, CoveredFacesOfTouchingHeatedRoofs)
{
    // The second roof continues the first along its ridge and overlaps x
    // 5..10: the first roof's slopes lose half their area; its east gable
    // lies under the other roof and stays. The second roof's west gable is
    // inside the first roof's space as well.
    Golden g(SatteldachAufZone);
    g.haus.m_aDach.Add(BaueDach({.L = 15, .W = 8, .hoehe = 3, .p0 = {5, 0}}));
    g.Erzeuge(0);
    EXPECT_EQ(Flaechen(g.haus.m_aSteildach), (std::vector<double>{25, 25}));

    // Back to back: the gables in x = 10 drop out, the slopes stay whole.
    Golden r(SatteldachAufZone);
    r.haus.m_aDach.Add(BaueDach({.L = 10, .W = 8, .hoehe = 3, .p0 = {10, 0}}));
    r.Erzeuge(0);
    EXPECT_EQ(Flaechen(r.haus.m_aSteildach), (std::vector<double>{50, 50}));
    EXPECT_EQ(Flaechen(r.haus.m_aWand), (std::vector<double>{12}));

    // An unheated neighbour covers nothing.
    Golden u(SatteldachAufZone);
    u.haus.m_aDach.Add(BaueDach({.L = 10, .W = 8, .hoehe = 3, .p0 = {10, 0}, .beheizt = 0}));
    u.Erzeuge(0);
    EXPECT_EQ(Flaechen(u.haus.m_aWand), (std::vector<double>{12, 12}));
}

TEST(DachFlaechen, NeighbourOfNoSizeIsHarmless)
{
    // A neighbour whose outline is one point: its centre is that point.
    Golden g(SatteldachAufZone);
    g.haus.m_aDach.Add(BaueDach({.L = 0, .W = 0, .hoehe = 3, .p0 = {10, 4}}));
    EXPECT_EQ(g.Erzeuge(0), 8);
    EXPECT_EQ(Flaechen(g.haus.m_aSteildach), (std::vector<double>{50, 50}));
    for (const Plane& p : g.planes)
        for (int k = 0; k < 4; ++k)
            EXPECT_TRUE(std::isfinite(p.Ecke(k).x) && std::isfinite(p.Ecke(k).y) && std::isfinite(p.Ecke(k).z));
}

TEST(DachFlaechen, PyramidRoofHasFourSlopes)
{
    Golden g({.typ = dachtyp::Zeltdach, .L = 10, .W = 8, .hoehe = 3, .geschossHoehe = 3});
    EXPECT_EQ(g.Erzeuge(), 8);
    // Triangles 10 wide, 5 high along the slope (rise 3, run 4); 8 wide,
    // √34 along the slope.
    ASSERT_EQ(g.haus.m_aSteildach.size(), 4u);
    const double lang = RundeSignifikant(10 * 5 / 2.0, 3);
    const double kurz = RundeSignifikant(8 * std::sqrt(34.0) / 2, 3);
    std::vector<double> f = Flaechen(g.haus.m_aSteildach);
    std::sort(f.begin(), f.end());
    EXPECT_EQ(f, (std::vector<double>{kurz, kurz, lang, lang}));
}

TEST(DachFlaechen, NothingWithoutAZone)
{
    Golden g(SatteldachAufZone);
    g.haus.m_aZone.RemoveAll();
    EXPECT_EQ(g.Erzeuge(), 0);
    EXPECT_TRUE(g.planes.empty());
}

TEST(DachFlaechen, GableWallsFaceOutwardWhicheverWayTheRoofWasDrawn)
{
    // The orientation of a wall (and of its windows) follows its normal, so
    // a gable wall's corners must turn so that it points out of the roof.
    struct Groesse {
        double L;
        double W;
    };
    const Groesse groessen[] = {{10, 8}, {-10, 8}, {10, -8}, {-10, -8}, {8, 10}, {-8, 10}};
    for (int typ : {dachtyp::Satteldach, dachtyp::Krueppelwalmdach}) {
        for (const Groesse& gr : groessen) {
            for (int gedreht = 0; gedreht <= 1; ++gedreht) {
                SCOPED_TRACE(std::to_string(typ) + " L " + std::to_string(gr.L) + " W " + std::to_string(gr.W)
                             + " gedreht " + std::to_string(gedreht));
                Golden g({.typ = typ, .L = gr.L, .W = gr.W, .hoehe = 3, .firstGedreht = gedreht, .p0 = {20, 20},
                          .geschossHoehe = 3});
                g.Erzeuge();
                const Punkt2D mitte = g.haus.m_aDach[0].Punkt(0) + (g.haus.m_aDach[0].Punkt(2) - g.haus.m_aDach[0].Punkt(0)) / 2;
                int waende = 0;
                for (const Plane& p : g.planes) {
                    if (!p.IstSenkrecht())
                        continue;
                    ++waende;
                    const Punkt3D n = p.Normale();
                    const Punkt2D nachAussen = Punkt2D(p.lu.x, p.lu.z) - mitte;
                    EXPECT_GT(n.x * nachAussen.x + n.z * nachAussen.y, 0) << "Ebene " << p.ID;
                }
                EXPECT_EQ(waende, 4);
            }
        }
    }
}

TEST(DachFlaechen, SplitAtHeight)
{
    Plane f;
    f.lo = {0, 4, 4};
    f.ro = {10, 4, 4};
    f.ru = {10, 0, 0};
    f.lu = {0, 0, 0};
    Plane unten;
    Plane oben;
    EXPECT_EQ(TeileAufHoehe(f, 1, unten, oben), teilung::Geteilt);
    EXPECT_EQ(unten.lo.y, 1);
    EXPECT_EQ(oben.lu.y, 1);
    EXPECT_TRUE(test::Nahe(unten.ro, {10, 1, 1}));
    EXPECT_TRUE(test::Nahe(oben.ru, {10, 1, 1}));
    EXPECT_EQ(TeileAufHoehe(f, 5, unten, oben), teilung::Darunter);
    EXPECT_EQ(TeileAufHoehe(f, 0, unten, oben), teilung::Sonst);
}

} // namespace
} // namespace zeva
