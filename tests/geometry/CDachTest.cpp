#include "model/CDach.h"
#include "geometry/DachPolygon.h"
#include "geometry/DachTestHilfen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace zeva {
namespace {

using test::BaueDach;
using test::DachMasse;
using test::IstGekreuzt;
using test::Nahe;

// The local positions of the plan points as shares of (L, W), with the ridge
// along the first axis (R) and across it.
struct Anteil {
    double u;
    double v;
};

std::vector<Anteil> ErwartetePunkte(int typ, bool r)
{
    std::vector<Anteil> p;
    if (r)
        p = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    else
        p = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    switch (typ) {
    case dachtyp::Satteldach:
        if (r)
            p.insert(p.end(), {{0, 0.5}, {1, 0.5}});
        else
            p.insert(p.end(), {{0.5, 0}, {0.5, 1}});
        break;
    case dachtyp::Walmdach:
    case dachtyp::Krueppelwalmdach:
    case dachtyp::Mansarddach:
        if (r)
            p.insert(p.end(), {{0.25, 0.5}, {0.75, 0.5}});
        else
            p.insert(p.end(), {{0.5, 0.25}, {0.5, 0.75}});
        if (typ == dachtyp::Krueppelwalmdach) {
            if (r)
                p.insert(p.end(), {{0, 0.25}, {0, 0.75}, {1, 0.75}, {1, 0.25}});
            else
                p.insert(p.end(), {{0.25, 0}, {0.75, 0}, {0.75, 1}, {0.25, 1}});
        }
        if (typ == dachtyp::Mansarddach) {
            if (r)
                p.insert(p.end(), {{0.125, 0.125}, {0.125, 0.875}, {0.875, 0.875}, {0.875, 0.125}});
            else
                p.insert(p.end(), {{0.125, 0.125}, {0.875, 0.125}, {0.875, 0.875}, {0.125, 0.875}});
        }
        break;
    case dachtyp::Zeltdach:
        p.push_back({0.5, 0.5});
        break;
    default:
        break;
    }
    return p;
}

std::vector<int> ErwarteteKanten(int typ)
{
    std::vector<int> k = {0, 1, 1, 2, 2, 3, 3, 0};
    if (typ >= dachtyp::Satteldach && typ <= dachtyp::Mansarddach)
        k.insert(k.end(), {4, 5});
    if (typ == dachtyp::Mansarddach)
        k.insert(k.end(), {6, 7, 7, 8, 8, 9, 9, 6});
    return k;
}

std::vector<int> ErwarteteZugkanten(int typ)
{
    switch (typ) {
    case dachtyp::Flachdach:
        return {3, 1, 1, 3};
    case dachtyp::Satteldach:
    case dachtyp::Walmdach:
        return {3, 1, 1, 3, 4, 4};
    case dachtyp::Krueppelwalmdach:
        return {3, 1, 1, 3, 4, 4, 0, 0, 2, 2};
    case dachtyp::Mansarddach:
        return {3, 1, 1, 3, 4, 4, 5, 5, 7, 7};
    default:
        return {-1, -1, -1, -1, -1};
    }
}

TEST(CDachFormen, AllFormsSizesAndRidgeFlips)
{
    const Punkt2D p0(2, 3);
    struct Groesse {
        double L;
        double W;
    };
    const Groesse groessen[] = {{10, 6}, {6, 10}, {-10, 6}};
    for (int typ = dachtyp::Flachdach; typ <= dachtyp::Zeltdach; ++typ) {
        for (const Groesse& g : groessen) {
            for (int gedreht = 0; gedreht <= 1; ++gedreht) {
                SCOPED_TRACE(std::string(DachformName(typ)) + " L " + std::to_string(g.L) + " W "
                             + std::to_string(g.W) + " gedreht " + std::to_string(gedreht));
                DachMasse m;
                m.typ = typ;
                m.L = g.L;
                m.W = g.W;
                m.hoehe = 4;
                m.mansardHoehe = 2.5;
                m.firstGedreht = gedreht;
                m.p0 = p0;
                const CDach d = BaueDach(m);

                const bool r = (std::fabs(g.W) < std::fabs(g.L)) != (gedreht == 1);
                EXPECT_EQ(d.FirstLaengs(), r);

                const auto erwartet = ErwartetePunkte(typ, r);
                ASSERT_EQ(d.m_points.size(), erwartet.size());
                for (std::size_t i = 0; i < erwartet.size(); ++i)
                    EXPECT_TRUE(Nahe(d.m_points[i], p0 + Punkt2D(erwartet[i].u * g.L, erwartet[i].v * g.W)))
                        << "Punkt " << i;

                EXPECT_EQ(d.m_Kanten, ErwarteteKanten(typ));
                EXPECT_EQ(d.m_Zugkanten, ErwarteteZugkanten(typ));

                // The gable walls of the half-hip reach half the ridge; the
                // mansard break lies at its own height.
                if (typ == dachtyp::Krueppelwalmdach) {
                    EXPECT_NEAR(d.Knickhoehe2, 2, 1e-12);
                    EXPECT_NEAR(d.Knickhoehe3, 2, 1e-12);
                }
                if (typ == dachtyp::Mansarddach) {
                    EXPECT_DOUBLE_EQ(d.Knickhoehe2, 2.5);
                }

                // The outline is the rectangle, corner by corner.
                const CPolygon2D umriss = Grundriss(d);
                ASSERT_EQ(umriss.size(), 4u);
                for (std::size_t i = 0; i < 4; ++i)
                    EXPECT_TRUE(Nahe(umriss[i], d.m_points[i]));

                // The face list follows the table; every sloped face turns the
                // same way in the plan, a gable wall has no turning; no face
                // is crossed, neither as the roof's face nor as a record's.
                const auto tabelle = Dachflaechentabelle(typ);
                ASSERT_EQ(d.Flaechenzahl(), static_cast<int>(tabelle.size()));
                int sinn = 0;
                for (int i = 0; i < d.Flaechenzahl(); ++i) {
                    const auto& zeile = d.Flaechenzeile(i);
                    if (zeile.senkrecht == 1) {
                        EXPECT_EQ(d.m_Flaechen[i].Umlaufsinn, 0) << "Fläche " << i;
                    } else {
                        EXPECT_NE(d.m_Flaechen[i].Umlaufsinn, 0) << "Fläche " << i;
                        if (sinn == 0)
                            sinn = d.m_Flaechen[i].Umlaufsinn;
                        EXPECT_EQ(d.m_Flaechen[i].Umlaufsinn, sinn) << "Fläche " << i;
                    }
                    EXPECT_FALSE(IstGekreuzt(FlaechePlane(d, i))) << "Fläche " << i;
                    std::array<double, 4> h{};
                    for (std::size_t k = 0; k < 4; ++k)
                        h[k] = d.HoeheVonCode(zeile.hoehe[k]);
                    EXPECT_FALSE(IstGekreuzt(FlaecheAusEcken(d, zeile.punkt, h))) << "Fläche " << i;
                }
            }
        }
    }
}

TEST(CDachFormen, WorkedExamples)
{
    // Satteldach 10 × 6 with its ridge along the first axis, then flipped.
    CDach d = BaueDach({});
    const std::vector<Punkt2D> sattel = {{0, 0}, {0, 6}, {10, 6}, {10, 0}, {0, 3}, {10, 3}};
    for (std::size_t i = 0; i < sattel.size(); ++i)
        EXPECT_TRUE(Nahe(d.m_points[i], sattel[i])) << i;
    d.FirstGedreht = 1;
    d.BerechneDachpunkte(true);
    const std::vector<Punkt2D> gedreht = {{0, 0}, {10, 0}, {10, 6}, {0, 6}, {5, 0}, {5, 6}};
    for (std::size_t i = 0; i < gedreht.size(); ++i)
        EXPECT_TRUE(Nahe(d.m_points[i], gedreht[i])) << i;

    // Walmdach 12 × 8: ridge (3,4)-(9,4).
    const CDach walm = BaueDach({.typ = dachtyp::Walmdach, .L = 12, .W = 8, .hoehe = 4});
    EXPECT_TRUE(Nahe(walm.m_points[4], {3, 4}));
    EXPECT_TRUE(Nahe(walm.m_points[5], {9, 4}));

    // Turned by a quarter: a local offset (u, v) lands at (v, -u).
    const CDach quer = BaueDach({.L = 10, .W = 6, .p0 = {1, 1}, .winkel = std::numbers::pi / 2});
    EXPECT_TRUE(Nahe(quer.m_points[2], {7, -9}, 1e-9));
    EXPECT_TRUE(Nahe(quer.m_points[5], {4, -9}, 1e-9));

    // The ridge axis follows the first axis whichever way the ridge runs.
    EXPECT_TRUE(Nahe(d.m_Firstachse.A, {0, 0}));
    EXPECT_TRUE(Nahe(BaueDach({}).m_Firstachse.B, {10, 0}));
    EXPECT_TRUE(Nahe(BaueDach({.firstGedreht = 1}).m_Firstachse.B, {-10, 0}));

    // Zeltdach: five points, the apex in the middle, every point free.
    const CDach zelt = BaueDach({.typ = dachtyp::Zeltdach, .L = 10, .W = 10, .hoehe = 5});
    EXPECT_EQ(zelt.m_points.size(), 5u);
    EXPECT_TRUE(Nahe(zelt.m_points[4], {5, 5}));
    EXPECT_EQ(zelt.m_Zugkanten, (std::vector<int>{-1, -1, -1, -1, -1}));
}

TEST(CDachFormen, RidgeEndBeyondItsSideWidensTheOutline)
{
    CDach d = BaueDach({.typ = dachtyp::Walmdach, .L = 12, .W = 8});
    d.m_points[4] = Punkt2D(-2, 4);
    const CPolygon2D umriss = Grundriss(d);
    const std::vector<Punkt2D> erwartet = {{0, 0}, {-2, 4}, {0, 8}, {12, 8}, {12, 0}};
    ASSERT_EQ(umriss.size(), erwartet.size());
    for (std::size_t i = 0; i < erwartet.size(); ++i)
        EXPECT_TRUE(Nahe(umriss[i], erwartet[i])) << i;
}

TEST(CDachFormen, FlaechePlaneReversesTheWholeCycle)
{
    // Satteldach drawn taller than wide (ridge across the first axis): the
    // table order of face 0 has its normal pointing into the roof, so the
    // face is reversed; the upper edge stays first and the face stays a
    // proper quadrilateral with a usable normal.
    const CDach d = BaueDach({.L = 6, .W = 10, .hoehe = 3});
    ASSERT_FALSE(d.FirstLaengs());
    const Plane f = FlaechePlane(d, 0);
    EXPECT_TRUE(Nahe(f.lo, {3, 3, 0}));
    EXPECT_TRUE(Nahe(f.ro, {3, 3, 10}));
    EXPECT_TRUE(Nahe(f.ru, {6, 0, 10}));
    EXPECT_TRUE(Nahe(f.lu, {6, 0, 0}));
    EXPECT_FALSE(IstGekreuzt(f));
    EXPECT_NEAR(f.Normale().Betrag(), 1, 1e-9);
    EXPECT_NEAR(f.Flaeche(), 10 * std::hypot(3, 3), 1e-9);
}

TEST(CDachFormen, KnickhoehenOfDegenerateHalfHipsAreDefined)
{
    // All points at one place (a roof of no size), and a ridge end dragged
    // onto the gable side: no division by zero, no NaN.
    CDach punkt = BaueDach({.typ = dachtyp::Krueppelwalmdach, .L = 0, .W = 0, .hoehe = 4});
    EXPECT_TRUE(std::isfinite(punkt.Knickhoehe2));
    EXPECT_TRUE(std::isfinite(punkt.Knickhoehe3));

    CDach d = BaueDach({.typ = dachtyp::Krueppelwalmdach, .L = 10, .W = 6, .hoehe = 4});
    d.m_points[1] = Punkt2D(0, 3); // corner 1 onto the ridge line
    d.m_points[7] = Punkt2D(0, 3);
    d.BerechneKnickhoehen();
    EXPECT_TRUE(std::isfinite(d.Knickhoehe2));
    EXPECT_NEAR(d.Knickhoehe3, 2, 1e-12);
}

TEST(CDachFormen, NamesAndFlipPermission)
{
    EXPECT_EQ(DachformName(dachtyp::Flachdach), "Flachdach");
    EXPECT_EQ(DachformName(dachtyp::Satteldach), "Satteldach");
    EXPECT_EQ(DachformName(dachtyp::Krueppelwalmdach), "Krüppelwalmdach");
    EXPECT_EQ(DachformName(dachtyp::Zeltdach), "Zeltdach");
    EXPECT_EQ(DachformName(0), "");
    EXPECT_EQ(DachformName(7), "");

    EXPECT_FALSE(BaueDach({.typ = dachtyp::Flachdach}).KannFirstDrehen());
    CDach d = BaueDach({});
    EXPECT_TRUE(d.KannFirstDrehen());
    d.Sperre |= 1;
    EXPECT_FALSE(d.KannFirstDrehen());
}

TEST(CDachFormen, HeightsFromTheFirstZoneAndHeightSetters)
{
    Zone z;
    z.Dachhoehe = 4.5;
    z.Dachgeschosshoehe = 2.7;
    const CDach neu(dachtyp::Mansarddach, z);
    EXPECT_DOUBLE_EQ(neu.Hoehe, 4.5);
    EXPECT_DOUBLE_EQ(neu.GeschossHoehe, 2.7);
    EXPECT_DOUBLE_EQ(neu.MansardHoehe, 3.0);
    EXPECT_TRUE(neu.IstBeheizt());

    CDach mansard = BaueDach({.typ = dachtyp::Mansarddach, .L = 16, .W = 8, .hoehe = 4, .mansardHoehe = 2});
    mansard.SetzeMansardHoehe(3);
    EXPECT_DOUBLE_EQ(mansard.Knickhoehe2, 3);
    CDach halb = BaueDach({.typ = dachtyp::Krueppelwalmdach, .L = 10, .W = 6, .hoehe = 4});
    halb.SetzeHoehe(6);
    EXPECT_NEAR(halb.Knickhoehe2, 3, 1e-12);
}

TEST(DachPolygon, TurningSenseAndCentre)
{
    const CPolygon2D links{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    const CPolygon2D rechts{{0, 0}, {0, 10}, {10, 10}, {10, 0}};
    EXPECT_EQ(Umlaufsinn(links), -1);
    EXPECT_EQ(Umlaufsinn(rechts), 1);
    EXPECT_EQ(Umlaufsinn(CPolygon2D{{0, 0}, {5, 0}, {10, 0}}), 0);
    EXPECT_TRUE(Nahe(Schwerpunkt(links), {5, 5}));
    EXPECT_TRUE(BehaeltUmlaufsinn(links, -1));
    EXPECT_FALSE(BehaeltUmlaufsinn(rechts, -1));
    EXPECT_TRUE(BehaeltUmlaufsinn(rechts, 0));
}

} // namespace
} // namespace zeva
