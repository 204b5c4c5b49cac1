#include "geometry/Vektorhilfen.h"

#include "model/Plane.h"
#include "model/Zahlentext.h"

#include <cmath>
#include <numbers>

namespace zeva {

Punkt3D RundePunkt3D(const Punkt3D& p, int n)
{
    return {RundeSignifikant(p.x, n), RundeSignifikant(p.y, n), RundeSignifikant(p.z, n)};
}

double Drehwinkel(double x1, double y1, double x2, double y2)
{
    constexpr double pi = std::numbers::pi;
    double a = std::atan2(y2, x2) - std::atan2(y1, x1);
    while (a > pi)
        a -= 2 * pi;
    while (a < -pi)
        a += 2 * pi;
    return a;
}

Punkt2D DrehePunkt(const Punkt2D& p, double winkel)
{
    const double c = std::cos(winkel);
    const double s = std::sin(winkel);
    return {c * p.x + s * p.y, c * p.y - s * p.x};
}

Punkt3D Flaechennormale(const Plane& plane)
{
    Punkt3D n;
    for (int i = 0; i < 4; ++i) {
        const Punkt3D& a = plane.Ecke(i);
        const Punkt3D& b = plane.Ecke((i + 1) % 4);
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    return n.Normiert();
}

std::vector<Punkt2D> KreisLinienpunkte(const Punkt2D& mitte, double radius, int anzahl)
{
    std::vector<Punkt2D> punkte;
    if (anzahl < 1)
        return punkte;
    punkte.reserve(2 * (static_cast<std::size_t>(anzahl) + 1));
    Punkt2D laufend(mitte.x + radius, mitte.y);
    for (int i = 0; i <= anzahl; ++i) {
        punkte.push_back(laufend);
        const double winkel = i * 2 * std::numbers::pi / anzahl;
        laufend = Punkt2D(mitte.x + radius * std::cos(winkel), mitte.y + radius * std::sin(winkel));
        punkte.push_back(laufend);
    }
    return punkte;
}

} // namespace zeva
