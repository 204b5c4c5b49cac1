#include "geometry/Strecke2D.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zeva {
namespace {

TEST(Strecke2D, LiegtAufBeachtetEndpunkteUndKurzeStrecken)
{
    struct Case {
        const char* was;
        Strecke2D s;
        Punkt2D p;
        int erwartet;
    };
    const Case cases[] = {
        {"Mitte", {{0, 0}, {10, 0}}, {5, 0}, 1},
        {"knapp neben der Mitte", {{0, 0}, {10, 0}}, {5, 0.0009}, 1},
        {"zu weit neben der Mitte", {{0, 0}, {10, 0}}, {5, 0.0011}, 0},
        {"Anfangspunkt einer langen Strecke", {{0, 0}, {10, 0}}, {0, 0}, 0},
        {"Endpunkt einer langen Strecke", {{0, 0}, {10, 0}}, {10, 0}, 0},
        {"Endpunkt einer Strecke von genau 0.001", {{0, 0}, {0.001, 0}}, {0.001, 0}, 0},
        {"Endpunkt einer Strecke unter 0.001", {{0, 0}, {0.0005, 0}}, {0.0005, 0}, 1},
        {"auf der Geraden, hinter dem Ende", {{0, 0}, {10, 0}}, {11, 0}, 0},
        {"Strecke ohne Laenge", {{3, 3}, {3, 3}}, {3, 3}, 0},
        {"schraege Strecke", {{0, 0}, {4, 3}}, {2, 1.5}, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.s.LiegtAuf(c.p), c.erwartet) << c.was;
}

TEST(Strecke2D, AbstandUndLotfusspunkt)
{
    const Strecke2D s({0, 0}, {4, 0});
    EXPECT_DOUBLE_EQ(s.Abstand({7, 3}), 3); // to the line, not to the segment
    Punkt2D fuss(-1, -1);
    ASSERT_TRUE(s.Lotfusspunkt({7, 3}, fuss));
    EXPECT_DOUBLE_EQ(fuss.x, 7);
    EXPECT_DOUBLE_EQ(fuss.y, 0);

    const Strecke2D punkt({2, 2}, {2, 2.000000001});
    EXPECT_EQ(punkt.Abstand({0, 0}), -1);
    Punkt2D unberuehrt(9, 9);
    EXPECT_FALSE(punkt.Lotfusspunkt({0, 0}, unberuehrt));
    EXPECT_EQ(unberuehrt.x, 9);
    EXPECT_EQ(unberuehrt.y, 9);
    EXPECT_DOUBLE_EQ(Strecke2D({1, 1}, {4, 5}).Laenge(), 5);
}

TEST(Strecke2D, Schnittpunkt)
{
    struct Case {
        const char* was;
        Strecke2D a, b;
        int erwartet;
        Punkt2D schnitt; // expected crossing (or the untouched start value)
    };
    const Punkt2D start(-99, -99);
    const Case cases[] = {
        {"Kreuz", {{0, 0}, {2, 2}}, {{0, 2}, {2, 0}}, 1, {1, 1}},
        {"parallel", {{0, 0}, {2, 0}}, {{0, 1}, {2, 1}}, -1, start},
        {"auf einer Geraden", {{0, 0}, {2, 0}}, {{3, 0}, {5, 0}}, -1, start},
        {"Geraden schneiden sich ausserhalb", {{0, 0}, {1, 0}}, {{3, -1}, {3, 1}}, 0, {3, 0}},
        {"Beruehrung am Ende zaehlt", {{0, 0}, {2, 0}}, {{2, 0}, {2, 5}}, 1, {2, 0}},
        {"Beruehrung am Anfang zaehlt", {{0, 0}, {2, 0}}, {{0, -1}, {0, 1}}, 1, {0, 0}},
        {"ausserhalb der zweiten Strecke", {{0, 0}, {2, 0}}, {{1, 1}, {1, 3}}, 0, {1, 0}},
    };
    for (const Case& c : cases) {
        Punkt2D p = start;
        EXPECT_EQ(c.a.Schnittpunkt(c.b, p), c.erwartet) << c.was;
        EXPECT_NEAR(p.x, c.schnitt.x, 1e-12) << c.was;
        EXPECT_NEAR(p.y, c.schnitt.y, 1e-12) << c.was;
    }
}

} // namespace
} // namespace zeva
