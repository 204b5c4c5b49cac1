#include "geometry/CPolygon3D.h"
#include "model/Plane.h"
#include "model/PunktTestHilfen.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zeva {
namespace {

using test::ErwartePunkt;

TEST(CPolygon3D, Normale)
{
    struct Case {
        const char* was;
        CPolygon3D p;
        Punkt3D erwartet;
    };
    const Case cases[] = {
        {"waagerecht", {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1}}, {0, 1, 0}},
        {"waagerecht, andere Richtung", {{0, 0, 1}, {1, 0, 1}, {1, 0, 0}, {0, 0, 0}}, {0, 1, 0}},
        {"Wand", {{0, 0, 0}, {4, 0, 0}, {4, 2.5, 0}, {0, 2.5, 0}}, {0, 0, 1}},
        {"Dreieck", {{0, 3, 0}, {2, 3, 0}, {0, 3, 2}}, {0, 1, 0}},
        {"zwei Punkte", {{0, 0, 0}, {1, 1, 1}}, {0, 0, 0}},
        {"entartet: alle auf einer Linie", {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}}, {0, 0, 0}},
        // |v| = 2e-8 is below 1e-7: scaled, not normalised.
        {"entartet: winzig", {{0, 0, 0}, {1e-4, 0, 0}, {1e-4, 0, 1e-4}, {0, 0, 1e-4}}, {0, 0.02, 0}},
    };
    for (const Case& c : cases)
        ErwartePunkt(c.p.Normale(), c.erwartet, c.was, 1e-9);
}

TEST(CPolygon3D, Flaeche)
{
    struct Case {
        const char* was;
        CPolygon3D p;
        double erwartet;
    };
    const Case cases[] = {
        {"Wand 4 x 2.5", {{0, 0, 0}, {4, 0, 0}, {4, 2.5, 0}, {0, 2.5, 0}}, 10},
        {"schraeges Dach", {{0, 0, 0}, {4, 0, 0}, {4, 3, 4}, {0, 3, 4}}, 20},
        {"Dreieck", {{0, 0, 0}, {3, 0, 0}, {0, 0, 4}}, 6},
        {"drei Stellen", {{0, 0, 0}, {1.2345, 0, 0}, {1.2345, 0, 1}, {0, 0, 1}}, 1.23},
        {"die ersten drei Punkte auf einer Linie", {{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, {4, 3, 0}, {0, 3, 0}}, 12},
        {"zwei Punkte", {{0, 0, 0}, {1, 0, 0}}, 0},
        {"alle Punkte auf einer Linie", {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}}, 0},
    };
    for (const Case& c : cases) {
        const double f = c.p.Flaeche();
        EXPECT_TRUE(std::isfinite(f)) << c.was;
        EXPECT_DOUBLE_EQ(f, c.erwartet) << c.was;
    }
}

TEST(CPolygon3D, Durchstosspunkt)
{
    const CPolygon3D dach{{0, 2, 0}, {10, 2, 0}, {10, 2, 10}, {0, 2, 10}};
    Punkt3D p(-1, -1, -1);
    ASSERT_TRUE(dach.Durchstosspunkt({3, 0, 4}, {3, 1, 4}, p)); // the line, not the segment
    ErwartePunkt(p, {3, 2, 4}, "senkrecht");

    // Rounded to three significant digits per coordinate.
    ASSERT_TRUE(dach.Durchstosspunkt({0, 0, 0}, {1.23456, 1, 0}, p));
    ErwartePunkt(p, {2.47, 2, 0}, "schraeg");

    Punkt3D unberuehrt(7, 7, 7);
    EXPECT_FALSE(dach.Durchstosspunkt({0, 5, 0}, {3, 5, 1}, unberuehrt));
    ErwartePunkt(unberuehrt, {7, 7, 7}, "parallel");
    EXPECT_FALSE(CPolygon3D().Durchstosspunkt({0, 0, 0}, {0, 1, 0}, unberuehrt));
}

TEST(CPolygon3D, SortiereUndEcken)
{
    CPolygon3D p{{0, 1, 0}, {1, 1, 1}, {1, 1, 0}, {0, 1, 1}};
    p.Sortiere();
    const CPolygon3D erwartet{{0, 1, 0}, {1, 1, 0}, {1, 1, 1}, {0, 1, 1}};
    ASSERT_EQ(p.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(p[i], erwartet[i]) << i;

    CPolygon3D umzingelt{{0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {-1, 0, 0}, {0, 0, -1}};
    umzingelt.Sortiere(); // must return
    EXPECT_EQ(umzingelt.size(), 5u);

    Plane dreieck;
    dreieck.lo = Punkt3D(0, 1, 0);
    dreieck.ro = Punkt3D(2, 1, 0);
    dreieck.ru = Punkt3D(2, 1, 0);
    dreieck.lu = Punkt3D(0, 0, 0);
    CPolygon3D ecken;
    EXPECT_TRUE(ecken.FuegeEckenHinzu(dreieck));
    EXPECT_EQ(ecken.size(), 3u);
    EXPECT_FALSE(ecken.FuegeEckenHinzu(dreieck));
}

} // namespace
} // namespace zeva
