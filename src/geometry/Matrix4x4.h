#pragma once
// A 4×4 matrix for points as row vectors: (x, y, z) is transformed as
// (x, y, z, 1) · M.
#include "model/Punkt3D.h"

namespace zeva {

class Matrix4x4 {
public:
    // The identity.
    Matrix4x4();

    void Einheitsmatrix();
    // Rotations by the angle in radians about the x, y and z axis.
    void DrehungX(double winkel);
    void DrehungY(double winkel);
    void DrehungZ(double winkel);

    // B · A: transforming with the product applies b first, then a. A chain
    // of rotations starts from one and multiplies each further one in as b.
    static Matrix4x4 Produkt(const Matrix4x4& a, const Matrix4x4& b);
    // (p, 1) · m, divided by w (w = 0, which no rotation gives, leaves the
    // undivided coordinates).
    static Punkt3D Transformiere(const Punkt3D& p, const Matrix4x4& m);

    double m[4][4];

private:
    // The rotation in the plane of the axes a and b (from a towards b).
    void Drehung(int a, int b, double winkel);
};

} // namespace zeva
