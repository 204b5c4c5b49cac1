#include "geometry/Strecke3D.h"

#include "model/GeometrieToleranzen.h"

#include <cmath>

namespace zeva {

std::optional<Punkt3D> Strecke3D::PunktAufHoehe(double h) const
{
    const Punkt3D d = B - A;
    if (std::fabs(d.y) < toleranz::Horizontal)
        return std::nullopt;
    Punkt3D p = A;
    if (std::fabs(d.x) > 0)
        p.x = A.x + (h - A.y) * d.x / d.y;
    if (std::fabs(d.z) > 0)
        p.z = A.z + (h - A.y) * d.z / d.y;
    p.y = h;
    return p;
}

int Strecke3D::Schnittpunkt(const Strecke3D& andere, Punkt3D& schnitt) const
{
    const Punkt3D d1 = B - A;
    const Punkt3D d2 = andere.B - andere.A;
    const Punkt3D e = A - andere.A;
    double t = 0;
    double u = 0;

    const double detXY = d1.x * d2.y - d2.x * d1.y;
    if (std::fabs(detXY) > toleranz::Projektion3D) {
        t = (d2.x * e.y - d2.y * e.x) / detXY;
        u = (d1.x * e.y - d1.y * e.x) / detXY;
        schnitt.x = A.x + d1.x * t;
        schnitt.y = A.y + d1.y * t;
    } else {
        const double detXZ = d1.x * d2.z - d2.x * d1.z;
        if (std::fabs(detXZ) <= toleranz::Parallel2D)
            return -1;
        t = (d2.x * e.z - d2.z * e.x) / detXZ;
        u = (d1.x * e.z - d1.z * e.x) / detXZ;
        schnitt = Punkt3D(A.x + d1.x * t, A.y, A.z + d1.z * t);
    }
    return (t >= 0 && t <= 1 && u >= 0 && u <= 1) ? 1 : 0;
}

} // namespace zeva
