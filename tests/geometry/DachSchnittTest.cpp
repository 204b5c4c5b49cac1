#include "geometry/DachSchnitt.h"
#include "geometry/DachTestHilfen.h"
#include "model/Haus.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace zeva {
namespace {

using test::BaueDach;
using test::DachMasse;

TEST(DachSchnitt, SectionAreas)
{
    struct Case {
        const char* was;
        DachMasse dach;
        double h;
        double flaeche;
    };
    const Case cases[] = {
        {"Satteldach 10 × 6 halbe Höhe", {.L = 10, .W = 6, .hoehe = 3}, 1.5, 30},
        {"Satteldach 10 × 6 am First", {.L = 10, .W = 6, .hoehe = 3}, 3, 0},
        {"Satteldach 10 × 6 über dem First", {.L = 10, .W = 6, .hoehe = 3}, 3.5, 0},
        {"Satteldach 10 × 6 unter der Traufe", {.L = 10, .W = 6, .hoehe = 3}, -0.5, 0},
        {"Satteldach 10 × 6 an der Traufe", {.L = 10, .W = 6, .hoehe = 3}, 0, 60},
        {"Satteldach 10 × 8 bei 1", {.L = 10, .W = 8, .hoehe = 3}, 1, 53.3},
        {"Satteldach 10 × 8 bei 2", {.L = 10, .W = 8, .hoehe = 3}, 2, 26.7},
        {"Satteldach quer gezeichnet", {.L = 6, .W = 10, .hoehe = 3}, 1.5, 30},
        {"Satteldach gespiegelt", {.L = -10, .W = 6, .hoehe = 3}, 1.5, 30},
        {"Walmdach 12 × 8", {.typ = dachtyp::Walmdach, .L = 12, .W = 8, .hoehe = 4}, 2, 36},
        {"Zeltdach 10 × 10", {.typ = dachtyp::Zeltdach, .L = 10, .W = 10, .hoehe = 5}, 2.5, 25},
        {"Flachdach", {.typ = dachtyp::Flachdach, .L = 10, .W = 6, .hoehe = 3}, 1, 0},
        // Half-hip and mansard: per corner the chain corner, break point,
        // ridge end (one polygon of all eight lines would cross itself).
        {"Krüppelwalmdach unter dem Knick", {.typ = dachtyp::Krueppelwalmdach, .L = 10, .W = 6, .hoehe = 4}, 1, 45},
        {"Krüppelwalmdach am Knick", {.typ = dachtyp::Krueppelwalmdach, .L = 10, .W = 6, .hoehe = 4}, 2, 30},
        {"Krüppelwalmdach über dem Knick", {.typ = dachtyp::Krueppelwalmdach, .L = 10, .W = 6, .hoehe = 4}, 3.2,
         7 * 1.2},
        {"Mansarddach bei 1",
         {.typ = dachtyp::Mansarddach, .L = 16, .W = 8, .hoehe = 4, .mansardHoehe = 2},
         1,
         98},
        {"Mansarddach am Knick",
         {.typ = dachtyp::Mansarddach, .L = 16, .W = 8, .hoehe = 4, .mansardHoehe = 2},
         2,
         72},
        {"Mansarddach bei 3",
         {.typ = dachtyp::Mansarddach, .L = 16, .W = 8, .hoehe = 4, .mansardHoehe = 2},
         3,
         30},
        // Horizontal pieces: the knick at the ridge or at the eaves.
        {"Mansarddach Knick am First",
         {.typ = dachtyp::Mansarddach, .L = 16, .W = 8, .hoehe = 4, .mansardHoehe = 4},
         2,
         98},
        {"Mansarddach Knick an der Traufe",
         {.typ = dachtyp::Mansarddach, .L = 16, .W = 8, .hoehe = 4, .mansardHoehe = 0},
         2,
         30},
        {"Dach ohne Höhe", {.L = 10, .W = 6, .hoehe = 0}, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.was);
        const CDach d = BaueDach(c.dach);
        const double f = SchnittflaecheAufHoehe(d, c.h);
        EXPECT_TRUE(std::isfinite(f));
        EXPECT_NEAR(f, c.flaeche, 1e-9);
    }
}

TEST(DachSchnitt, SectionOfHandEditedHalfHipWithUnequalBreakHeights)
{
    // The gable top 7 dragged up the hip line: Knickhoehe2 3, Knickhoehe3 2.
    CDach d = BaueDach({.typ = dachtyp::Krueppelwalmdach, .L = 10, .W = 6, .hoehe = 4});
    d.m_points[7] = Punkt2D(0, 3.75);
    d.BerechneKnickhoehen();
    ASSERT_NEAR(d.Knickhoehe2, 3, 1e-12);
    ASSERT_NEAR(d.Knickhoehe3, 2, 1e-12);
    // At 2.5 the corners 1 and 2 are on their lower pieces (to the tops at
    // Knickhoehe2) at 5/6 of them, the corners 0 and 3 on their upper pieces
    // (from the tops at Knickhoehe3 to the ridge ends) at a quarter.
    const double f = SchnittflaecheAufHoehe(d, 2.5);
    const CPolygon2D erwartet{{0.625, 1.875}, {0, 6 - 2.25 * 2.5 / 3}, {10, 6 - 1.5 * 2.5 / 3}, {9.375, 1.875}};
    EXPECT_GT(f, 0);
    EXPECT_NEAR(f, erwartet.Flaeche(), 1e-9);
}

TEST(DachSchnitt, Volumes)
{
    struct Case {
        const char* was;
        DachMasse dach;
        double drempel;
        double volumen;
        double toleranz;
    };
    const Case cases[] = {
        {"Satteldach 10 × 6", {.L = 10, .W = 6, .hoehe = 3, .geschossHoehe = 3}, 0, 90, 1e-9},
        {"Satteldach 10 × 8", {.L = 10, .W = 8, .hoehe = 3, .geschossHoehe = 3}, 0, 120, 1e-9},
        // Never above the ridge: the attic storey higher than the roof.
        {"Geschoss über dem First", {.L = 10, .W = 6, .hoehe = 3, .geschossHoehe = 4}, 0, 90, 1e-9},
        // The knee wall belongs to the storeys: the attic ends 1 m lower.
        {"mit Drempel", {.L = 10, .W = 6, .hoehe = 3, .geschossHoehe = 3}, 1, 80, 1e-9},
        {"Drempel über dem Geschoss", {.L = 10, .W = 6, .hoehe = 3, .geschossHoehe = 0.5}, 1, 0, 0},
        {"Flachdach", {.typ = dachtyp::Flachdach, .L = 10, .W = 6, .hoehe = 3, .geschossHoehe = 3}, 0, 0, 0},
        {"ohne Geschoss", {.L = 10, .W = 6, .hoehe = 3, .geschossHoehe = 0}, 0, 0, 0},
        // The exact solid is 115; ten slices of 3-digit areas give 114.8.
        {"Krüppelwalmdach",
         {.typ = dachtyp::Krueppelwalmdach, .L = 10, .W = 6, .hoehe = 4, .geschossHoehe = 4},
         0,
         114.8,
         0.1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.was);
        const CDach d = BaueDach(c.dach);
        EXPECT_NEAR(Dachvolumen(d, 10, c.drempel), c.volumen, c.toleranz);
    }
    EXPECT_EQ(Dachvolumen(BaueDach({}), 0, 0), 0);
}

TEST(DachSchnitt, VolumeTakesTheKneeWallOfTheZoneUnderTheRoof)
{
    Haus haus;
    haus.Flag2DSchritteDachvolumen = 10;
    haus.m_aZone.SetSize(2);
    // Zone 0 lies elsewhere; zone 1 carries the roof and has a knee wall.
    haus.m_aZone[0].m_a2DGrundrissPunkte = Punkt2DArray{{50, 50}, {60, 50}, {60, 60}, {50, 60}};
    haus.m_aZone[0].Drempelhoehe = 0;
    haus.m_aZone[1].m_a2DGrundrissPunkte = Punkt2DArray{{0, 0}, {10, 0}, {10, 6}, {0, 6}};
    haus.m_aZone[1].Drempelhoehe = 1;
    const CDach d = BaueDach({.L = 10, .W = 6, .hoehe = 3, .geschossHoehe = 3});
    EXPECT_NEAR(Dachvolumen(d, haus), 80, 1e-9);
    haus.Flag2DSchritteDachvolumen = 0;
    EXPECT_EQ(Dachvolumen(d, haus), 0);
}

TEST(DachSchnitt, Lines)
{
    const CDach d = BaueDach({.typ = dachtyp::Mansarddach, .L = 16, .W = 8, .hoehe = 4, .mansardHoehe = 2});
    const Strecke3D unten = Schnittlinie(d, 1);
    EXPECT_TRUE(test::Nahe(unten.A, {0, 0, 8}));
    EXPECT_TRUE(test::Nahe(unten.B, {2, 2, 7}));
    const Strecke3D oben = Schnittlinie(d, 6);
    EXPECT_TRUE(test::Nahe(oben.A, {14, 2, 7}));
    EXPECT_TRUE(test::Nahe(oben.B, {12, 4, 4}));
}

} // namespace
} // namespace zeva
