#include "model/Punkt3D.h"

#include "model/GeometrieToleranzen.h"
#include "platform/BinaryArchive.h"

#include <cmath>

namespace zeva {

bool Punkt3D::operator==(const Punkt3D& q) const
{
    return std::fabs(x - q.x) < toleranz::Punkt3DGleich && std::fabs(y - q.y) < toleranz::Punkt3DGleich
           && std::fabs(z - q.z) < toleranz::Punkt3DGleich;
}

bool Punkt3D::operator==(double v) const
{
    return *this == Punkt3D(v);
}

Punkt3D Punkt3D::operator/(double f) const
{
    const double r = 1.0 / f;
    return {x * r, y * r, z * r};
}

Punkt3D& Punkt3D::operator+=(const Punkt3D& q)
{
    x += q.x;
    y += q.y;
    z += q.z;
    return *this;
}

Punkt3D& Punkt3D::operator*=(double f)
{
    x *= f;
    y *= f;
    z *= f;
    return *this;
}

double Punkt3D::Betrag() const
{
    return std::sqrt(x * x + y * y + z * z);
}

Punkt3D Punkt3D::Normiert() const
{
    // A zero vector has no direction; keeping it zero keeps NaN out of every
    // normal and angle computed from it.
    const double l = Betrag();
    if (!(l > 0))
        return {0, 0, 0};
    return *this / l;
}

void Punkt3D::Serialize(BinaryArchive& ar)
{
    x = ar.ReadDouble();
    y = ar.ReadDouble();
    z = ar.ReadDouble();
}

} // namespace zeva
