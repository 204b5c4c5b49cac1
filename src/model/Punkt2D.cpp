#include "model/Punkt2D.h"

#include "model/GeometrieToleranzen.h"
#include "platform/BinaryArchive.h"

#include <cmath>

namespace zeva {

bool Punkt2D::operator==(const Punkt2D& q) const
{
    return std::hypot(x - q.x, y - q.y) <= toleranz::Punkt2DGleich;
}

bool Punkt2D::operator!=(const Punkt2D& q) const
{
    return std::hypot(x - q.x, y - q.y) >= toleranz::Punkt2DGleich;
}

Punkt2D Punkt2D::operator/(double f) const
{
    // Division is multiplication by the reciprocal, as everywhere in the
    // geometry; a zero divisor is a caller error.
    const double r = 1.0 / f;
    return {x * r, y * r};
}

Punkt2D Punkt2D::operator+=(const Punkt2D& q)
{
    x += q.x;
    y += q.y;
    return *this;
}

Punkt2D Punkt2D::operator/=(double f)
{
    *this = *this / f;
    return *this;
}

double Punkt2D::Betrag() const
{
    return std::sqrt(x * x + y * y);
}

Punkt2D Punkt2D::Normiert() const
{
    const double l = Betrag();
    if (!(l > 0))
        return {0, 0};
    return *this / l;
}

void Punkt2D::Serialize(BinaryArchive& ar)
{
    x = ar.ReadDouble();
    y = ar.ReadDouble();
}

} // namespace zeva
