#include "geometry/DachPolygon.h"

#include "model/Dachform.h"

namespace zeva {

namespace {

double Kreuz(const Punkt2D& a, const Punkt2D& b)
{
    return a.x * b.y - a.y * b.x;
}

} // namespace

int Umlaufsinn(const CPolygon2D& polygon)
{
    return Umlaufsinn(std::span<const Punkt2D>(polygon.Punkte()));
}

Punkt2D Schwerpunkt(const CPolygon2D& polygon)
{
    if (polygon.empty())
        return {};
    Punkt2D summe;
    for (const Punkt2D& p : polygon)
        summe += p;
    return summe / static_cast<double>(polygon.size());
}

bool BehaeltUmlaufsinn(const CPolygon2D& polygon, int vorzeichen)
{
    if (vorzeichen == 0 || polygon.empty())
        return true;
    const std::size_t n = polygon.size();
    const Punkt2D& q = polygon[0];
    for (std::size_t i = 0; i < n; ++i) {
        const Punkt2D& a = polygon[i];
        const Punkt2D& b = polygon[(i + 1) % n];
        if (Kreuz(a - q, b - a) * vorzeichen > 0)
            return false;
    }
    return true;
}

} // namespace zeva
