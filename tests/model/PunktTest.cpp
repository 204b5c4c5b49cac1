#include "model/Punkt2D.h"
#include "model/Punkt3D.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zeva {
namespace {

TEST(Punkt2D, GleichUndUngleichUeberlappenBeiGenau0001)
{
    struct Case {
        Punkt2D a, b;
        bool gleich, ungleich;
    };
    const Case cases[] = {
        {{0, 0}, {0, 0}, true, false},
        {{0, 0}, {0.00005, 0}, true, false},
        {{0, 0}, {0.0001, 0}, true, true}, // exactly 0.0001: both hold
        {{0, 0}, {0, -0.0001}, true, true},
        {{0, 0}, {0.00011, 0}, false, true},
        {{3, 4}, {3, 4.1}, false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.a == c.b, c.gleich) << c.b.x << "," << c.b.y;
        EXPECT_EQ(c.a != c.b, c.ungleich) << c.b.x << "," << c.b.y;
    }
}

TEST(Punkt2D, Rechnen)
{
    Punkt2D p(3, 4);
    EXPECT_DOUBLE_EQ(p.Betrag(), 5);
    EXPECT_EQ(p.Normiert(), Punkt2D(0.6, 0.8));
    EXPECT_EQ(Punkt2D().Normiert(), Punkt2D(0, 0));
    EXPECT_EQ(Punkt2D(2.5), Punkt2D(2.5, 2.5));
    EXPECT_EQ(p + Punkt2D(1, 1), Punkt2D(4, 5));
    EXPECT_EQ(p - Punkt2D(1, 1), Punkt2D(2, 3));
    EXPECT_EQ(p * 2, Punkt2D(6, 8));
    EXPECT_EQ(p / 4, Punkt2D(0.75, 1));

    // The in-place forms change the point and hand back a copy.
    Punkt2D q(1, 1);
    Punkt2D kopie = (q += Punkt2D(1, 2));
    EXPECT_EQ(q, Punkt2D(2, 3));
    kopie.SetzeX(100);
    EXPECT_DOUBLE_EQ(q.x, 2);
    q /= 2;
    EXPECT_EQ(q, Punkt2D(1, 1.5));
    q.SetzeY(-7);
    EXPECT_DOUBLE_EQ(q.y, -7);
}

TEST(Punkt3D, GleichheitJeKoordinate)
{
    struct Case {
        Punkt3D b;
        bool gleich;
    };
    const Case cases[] = {
        {{0, 0, 0}, true},
        {{0.9e-9, -0.9e-9, 0.9e-9}, true}, // each within 1e-9, whatever the distance
        {{0, 0, 1e-9}, false},             // not below 1e-9
        {{0, 2e-9, 0}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Punkt3D() == c.b, c.gleich) << c.b.x << "," << c.b.y << "," << c.b.z;
        EXPECT_EQ(Punkt3D() != c.b, !c.gleich);
    }
    EXPECT_TRUE(Punkt3D(2, 2, 2 + 1e-10) == 2.0);
    EXPECT_FALSE(Punkt3D(2, 2, 2.1) == 2.0);
    EXPECT_EQ(Punkt3D(1.5), Punkt3D(1.5, 1.5, 1.5));
}

TEST(Punkt3D, Rechnen)
{
    const Punkt3D x(1, 0, 0), y(0, 1, 0), z(0, 0, 1);
    EXPECT_EQ(x.Kreuzprodukt(y), z);
    EXPECT_EQ(y.Kreuzprodukt(z), x);
    EXPECT_EQ(z.Kreuzprodukt(x), y);
    EXPECT_EQ(y.Kreuzprodukt(x), -z);
    EXPECT_DOUBLE_EQ(Punkt3D(1, 2, 3).Skalarprodukt({4, -5, 6}), 12);
    EXPECT_DOUBLE_EQ(Punkt3D(2, 3, 6).Betrag(), 7);
    const Punkt3D n = Punkt3D(2, 3, 6).Normiert();
    EXPECT_NEAR(n.Betrag(), 1, 1e-15);

    // A zero vector has no direction: it stays zero, never NaN.
    const Punkt3D null = Punkt3D().Normiert();
    EXPECT_EQ(null, Punkt3D(0, 0, 0));
    EXPECT_FALSE(std::isnan(null.x) || std::isnan(null.y) || std::isnan(null.z));

    Punkt3D p(1, 2, 3);
    p += Punkt3D(1, 1, 1);
    p *= 2;
    EXPECT_EQ(p, Punkt3D(4, 6, 8));
    EXPECT_EQ(p / 2, Punkt3D(2, 3, 4));
    EXPECT_EQ(p - Punkt3D(4, 6, 8), Punkt3D());
}

} // namespace
} // namespace zeva
