#include "geometry/Strecke2D.h"

#include "model/GeometrieToleranzen.h"

#include <cmath>

namespace zeva {

namespace {

// Parameter of the foot of the perpendicular from p on the line A + t·(B - A).
double LotParameter(const Punkt2D& a, const Punkt2D& b, const Punkt2D& p, double laenge)
{
    return ((b.x - a.x) * (p.x - a.x) + (b.y - a.y) * (p.y - a.y)) / (laenge * laenge);
}

} // namespace

void Strecke2D::Setze(const Punkt2D& a, const Punkt2D& b)
{
    A.x = a.x;
    A.y = a.y;
    B.x = b.x;
    B.y = b.y;
}

double Strecke2D::Laenge() const
{
    return (B - A).Betrag();
}

double Strecke2D::Abstand(const Punkt2D& p) const
{
    const double l = Laenge();
    if (std::fabs(l) < toleranz::StreckeEntartet)
        return -1;
    const Punkt2D f = A + (B - A) * LotParameter(A, B, p, l);
    return (p - f).Betrag();
}

bool Strecke2D::Lotfusspunkt(const Punkt2D& p, Punkt2D& fuss) const
{
    const double l = Laenge();
    if (std::fabs(l) < toleranz::StreckeEntartet)
        return false;
    fuss = A + (B - A) * LotParameter(A, B, p, l);
    return true;
}

int Strecke2D::LiegtAuf(const Punkt2D& p) const
{
    // A segment without length (Abstand -1) holds no point.
    if (!(std::fabs(Abstand(p)) < toleranz::LiegtAuf))
        return 0;
    const double l = Laenge();
    const double dA = (A - p).Betrag();
    const double dB = (B - p).Betrag();
    const bool beideEnden = std::fabs(l - dA) < toleranz::LiegtAuf && std::fabs(l - dB) < toleranz::LiegtAuf;
    return (beideEnden || (dA < l && dB < l)) ? 1 : 0;
}

int Strecke2D::Schnittpunkt(const Strecke2D& andere, Punkt2D& schnitt) const
{
    const Punkt2D d = B - A;
    const Punkt2D e = andere.B - andere.A;
    const double det = d.x * e.y - d.y * e.x;
    if (std::fabs(det) < toleranz::Parallel2D)
        return -1;
    const double a = A.y - andere.A.y;
    const double b = A.x - andere.A.x;
    const double t = (a * e.x - b * e.y) / det;
    const double u = (a * d.x - b * d.y) / det;
    schnitt = A + d * t;
    return (t >= 0 && t <= 1 && u >= 0 && u <= 1) ? 1 : 0;
}

} // namespace zeva
