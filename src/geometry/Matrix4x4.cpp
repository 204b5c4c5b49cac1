#include "geometry/Matrix4x4.h"

#include <cmath>

namespace zeva {

Matrix4x4::Matrix4x4()
{
    Einheitsmatrix();
}

void Matrix4x4::Einheitsmatrix()
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            m[r][c] = r == c ? 1.0 : 0.0;
}

void Matrix4x4::Drehung(int a, int b, double winkel)
{
    Einheitsmatrix();
    const double c = std::cos(winkel);
    const double s = std::sin(winkel);
    m[a][a] = c;
    m[a][b] = s;
    m[b][a] = -s;
    m[b][b] = c;
}

void Matrix4x4::DrehungX(double winkel)
{
    Drehung(1, 2, winkel);
}

void Matrix4x4::DrehungY(double winkel)
{
    Drehung(2, 0, winkel);
}

void Matrix4x4::DrehungZ(double winkel)
{
    Drehung(0, 1, winkel);
}

Matrix4x4 Matrix4x4::Produkt(const Matrix4x4& a, const Matrix4x4& b)
{
    Matrix4x4 r;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            double s = 0;
            for (int k = 0; k < 4; ++k)
                s += b.m[i][k] * a.m[k][j];
            r.m[i][j] = s;
        }
    }
    return r;
}

Punkt3D Matrix4x4::Transformiere(const Punkt3D& p, const Matrix4x4& m)
{
    double v[4];
    for (int c = 0; c < 4; ++c)
        v[c] = p.x * m.m[0][c] + p.y * m.m[1][c] + p.z * m.m[2][c] + m.m[3][c];
    if (v[3] == 0)
        return {v[0], v[1], v[2]};
    return {v[0] / v[3], v[1] / v[3], v[2] / v[3]};
}

} // namespace zeva
