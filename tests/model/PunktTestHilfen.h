#pragma once
// Comparison of space points in the geometry tests, coordinate by coordinate.
#include "model/Punkt3D.h"

#include <gtest/gtest.h>

#include <string>

namespace zeva::test {

inline void ErwartePunkt(const Punkt3D& ist, const Punkt3D& soll, const std::string& was, double toleranz = 1e-12)
{
    EXPECT_NEAR(ist.x, soll.x, toleranz) << was;
    EXPECT_NEAR(ist.y, soll.y, toleranz) << was;
    EXPECT_NEAR(ist.z, soll.z, toleranz) << was;
}

} // namespace zeva::test
