#include "geometry/Matrix4x4.h"
#include "geometry/Strecke3D.h"
#include "geometry/Vektorhilfen.h"
#include "model/Plane.h"
#include "model/PunktTestHilfen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace zeva {
namespace {

using test::ErwartePunkt;

constexpr double pi = std::numbers::pi;

TEST(Vektorhilfen, Drehwinkel)
{
    struct Case {
        double x1, y1, x2, y2, erwartet;
    };
    const Case cases[] = {
        {1, 0, 0, 1, pi / 2},
        {0, 1, 1, 0, -pi / 2},
        {1, 0, -1, 0, pi}, // exactly π stays π
        {-1, 0.1, -1, -0.1, 2 * std::atan(0.1)}, // across the ±π seam the short way
        {2, 2, 1, 1, 0},
        {0, 1, 0, -1, -pi},
    };
    for (const Case& c : cases) {
        const double a = Drehwinkel(c.x1, c.y1, c.x2, c.y2);
        EXPECT_NEAR(a, c.erwartet, 1e-12) << c.x1 << "," << c.y1 << " -> " << c.x2 << "," << c.y2;
        EXPECT_LE(std::fabs(a), pi);
    }
    EXPECT_EQ(Drehwinkel(1, 0, -1, 0), pi);
}

TEST(Vektorhilfen, DrehePunktImUhrzeigersinn)
{
    const Punkt2D p = DrehePunkt({1, 0}, pi / 2);
    EXPECT_NEAR(p.x, 0, 1e-15);
    EXPECT_NEAR(p.y, -1, 1e-15);
    const Punkt2D q = DrehePunkt({3, 4}, pi);
    EXPECT_NEAR(q.x, -3, 1e-14);
    EXPECT_NEAR(q.y, -4, 1e-14);
}

TEST(Vektorhilfen, FlaechennormaleFolgtDerEckenreihenfolge)
{
    Plane p;
    p.lo = Punkt3D(0, 0, 0);
    p.ro = Punkt3D(1, 0, 0);
    p.ru = Punkt3D(1, 0, 1);
    p.lu = Punkt3D(0, 0, 1);
    ErwartePunkt(Flaechennormale(p), {0, -1, 0}, "vorwaerts");

    Plane r;
    r.lo = p.lu;
    r.ro = p.ru;
    r.ru = p.ro;
    r.lu = p.lo;
    ErwartePunkt(Flaechennormale(r), {0, 1, 0}, "rueckwaerts");

    Plane schraeg; // a roof face rising towards +z
    schraeg.lu = Punkt3D(0, 0, 0);
    schraeg.ru = Punkt3D(4, 0, 0);
    schraeg.ro = Punkt3D(4, 3, 4);
    schraeg.lo = Punkt3D(0, 3, 4);
    ErwartePunkt(Flaechennormale(schraeg), {0, 0.8, -0.6}, "Dachflaeche");

    ErwartePunkt(Flaechennormale(Plane()), {0, 0, 0}, "entartet");
}

TEST(Vektorhilfen, RundePunkt3D)
{
    ErwartePunkt(RundePunkt3D({1.23456, -98765, 0.000123456}, 3), {1.23, -98800, 0.000123}, "drei Stellen");
}

TEST(Vektorhilfen, KreisLinienpunkte)
{
    const auto punkte = KreisLinienpunkte({2, 3}, 0.15, 50);
    ASSERT_EQ(punkte.size(), 102u); // count + 1 lines, two vertices each
    EXPECT_EQ(punkte[0], punkte[1]); // the first line has no length
    EXPECT_EQ(punkte[0], Punkt2D(2.15, 3));
    for (std::size_t i = 0; i < punkte.size(); ++i)
        EXPECT_NEAR((punkte[i] - Punkt2D(2, 3)).Betrag(), 0.15, 1e-12) << i;
    for (std::size_t i = 2; i < punkte.size(); i += 2)
        EXPECT_EQ(punkte[i], punkte[i - 1]) << "lines join up at " << i;
    EXPECT_EQ(punkte.back(), punkte[0]); // the circle closes

    EXPECT_TRUE(KreisLinienpunkte({0, 0}, 1, 0).empty());
    EXPECT_TRUE(KreisLinienpunkte({0, 0}, 1, -3).empty());
}

TEST(Strecke3D, PunktAufHoehe)
{
    const Strecke3D sparren({0, 0, 0}, {4, 2, 2});
    const auto p = sparren.PunktAufHoehe(1);
    ASSERT_TRUE(p.has_value());
    ErwartePunkt(*p, {2, 1, 1}, "Mitte");
    ErwartePunkt(*sparren.PunktAufHoehe(4), {8, 4, 4}, "ueber dem Ende");

    const Strecke3D senkrecht({1, 0, 5}, {1, 3, 5});
    ErwartePunkt(*senkrecht.PunktAufHoehe(2), {1, 2, 5}, "senkrecht");

    // A horizontal segment has no single point at a height.
    EXPECT_FALSE(Strecke3D({0, 1, 0}, {5, 1, 5}).PunktAufHoehe(1).has_value());
    EXPECT_FALSE(Strecke3D({0, 1, 0}, {5, 1, 5}).PunktAufHoehe(2).has_value());
}

TEST(Strecke3D, Schnittpunkt)
{
    const Punkt3D start(-9, -9, -9);
    struct Case {
        const char* was;
        Strecke3D a, b;
        int erwartet;
        Punkt3D schnitt;
    };
    const Case cases[] = {
        // In the vertical x-y projection; z is not written.
        {"senkrechte Ebene", {{0, 0, 3}, {2, 2, 3}}, {{0, 2, 3}, {2, 0, 3}}, 1, {1, 1, -9}},
        {"senkrechte Ebene, ausserhalb", {{0, 0, 0}, {1, 1, 0}}, {{0, 4, 0}, {4, 0, 0}}, 0, {2, 2, -9}},
        // Two horizontal segments at one height cross in the plan.
        {"waagerecht in gleicher Hoehe", {{0, 2, 0}, {2, 2, 2}}, {{0, 2, 2}, {2, 2, 0}}, 1, {1, 2, 1}},
        {"waagerecht, Hoehe des ersten", {{0, 2, 0}, {2, 2, 2}}, {{0, 5, 2}, {2, 5, 0}}, 1, {1, 2, 1}},
        {"parallel", {{0, 2, 0}, {2, 2, 2}}, {{1, 2, 0}, {3, 2, 2}}, -1, start},
    };
    for (const Case& c : cases) {
        Punkt3D p = start;
        EXPECT_EQ(c.a.Schnittpunkt(c.b, p), c.erwartet) << c.was;
        ErwartePunkt(p, c.schnitt, c.was);
    }
}

TEST(Matrix4x4, DrehungenUndProdukt)
{
    Matrix4x4 z;
    z.DrehungZ(pi / 2);
    ErwartePunkt(Matrix4x4::Transformiere({1, 0, 0}, z), {0, 1, 0}, "DrehungZ", 1e-15);

    Matrix4x4 x;
    x.DrehungX(pi / 2);
    ErwartePunkt(Matrix4x4::Transformiere({0, 1, 0}, x), {0, 0, 1}, "DrehungX", 1e-15);

    Matrix4x4 y;
    y.DrehungY(pi / 2);
    ErwartePunkt(Matrix4x4::Transformiere({0, 0, 1}, y), {1, 0, 0}, "DrehungY", 1e-15);

    // Produkt(A, B) applies B first: (1,0,0) -Z-> (0,1,0) -X-> (0,0,1),
    // while the other order gives (1,0,0) -X-> (1,0,0) -Z-> (0,1,0).
    ErwartePunkt(Matrix4x4::Transformiere({1, 0, 0}, Matrix4x4::Produkt(x, z)), {0, 0, 1}, "erst Z", 1e-15);
    ErwartePunkt(Matrix4x4::Transformiere({1, 0, 0}, Matrix4x4::Produkt(z, x)), {0, 1, 0}, "erst X", 1e-15);

    Matrix4x4 e;
    ErwartePunkt(Matrix4x4::Transformiere({3, -4, 5}, e), {3, -4, 5}, "Einheit");
    e.m[3][0] = 1; // translation row
    e.m[3][3] = 2; // w = 2
    ErwartePunkt(Matrix4x4::Transformiere({3, -4, 5}, e), {2, -2, 2.5}, "durch w geteilt");
    z.Einheitsmatrix();
    ErwartePunkt(Matrix4x4::Transformiere({3, -4, 5}, z), {3, -4, 5}, "Einheitsmatrix");
}

} // namespace
} // namespace zeva
