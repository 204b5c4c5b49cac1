#pragma once
// Comparison of space and plan points in the geometry tests, coordinate by
// coordinate.
#include "model/Punkt2DArray.h"
#include "model/Punkt3D.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace zeva::test {

inline void ErwartePunkt(const Punkt3D& ist, const Punkt3D& soll, const std::string& was, double toleranz = 1e-12)
{
    EXPECT_NEAR(ist.x, soll.x, toleranz) << was;
    EXPECT_NEAR(ist.y, soll.y, toleranz) << was;
    EXPECT_NEAR(ist.z, soll.z, toleranz) << was;
}

// A plan point list, point by point.
inline void ErwartePunkte(const Punkt2DArray& ist, std::initializer_list<Punkt2D> soll, double toleranz = 1e-9)
{
    ASSERT_EQ(ist.size(), soll.size());
    std::size_t i = 0;
    for (const Punkt2D& p : soll) {
        EXPECT_NEAR(ist[i].x, p.x, toleranz) << i;
        EXPECT_NEAR(ist[i].y, p.y, toleranz) << i;
        ++i;
    }
}

} // namespace zeva::test
