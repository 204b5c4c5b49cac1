#include "model/Plane.h"

#include "model/GeometrieToleranzen.h"
#include "platform/BinaryArchive.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <numbers>
#include <utility>

namespace zeva {

namespace {

double WinkelAusRichtung(double nx, double c)
{
    // nx / c can leave [-1, 1] by a rounding error, which would make acos NaN.
    return std::acos(std::clamp(nx / c, -1.0, 1.0));
}

// Brings an angle in degrees into [0, 360).
double ImVollkreis(double a)
{
    a = std::fmod(a, 360.0);
    if (a < 0)
        a += 360.0;
    if (a >= 360.0)
        a -= 360.0;
    return a;
}

} // namespace

Punkt3D& Plane::Ecke(int i)
{
    return const_cast<Punkt3D&>(std::as_const(*this).Ecke(i));
}

const Punkt3D& Plane::Ecke(int i) const
{
    assert(i >= 0 && i <= 3);
    switch (i) {
    case 0:
        return lo;
    case 1:
        return ro;
    case 2:
        return ru;
    default:
        return lu;
    }
}

Punkt3D Plane::Normale() const
{
    Punkt3D a;
    Punkt3D b;
    // A triangle has two equal corners; the diagonals or edges are chosen so
    // that neither factor is a zero vector.
    if (ro == lo || ru == lu || lo == lu) {
        a = lu - ro;
        b = lo - ru;
    } else if (ro == lu || ru == lo || ro == ru) {
        a = lu - ro;
        b = lo - lu;
    } else {
        a = lu - ru;
        b = ro - ru;
    }
    Punkt3D n = a.Kreuzprodukt(b);
    if (n.y < 0)
        n = -n;
    if (n.Skalarprodukt(n) < toleranz::DegenerierteNormale)
        return n * toleranz::DegenerierteNormaleFaktor;
    return n / n.Betrag();
}

bool Plane::IstSenkrecht() const
{
    return std::fabs(Normale().y) <= toleranz::Senkrecht;
}

bool Plane::LiegtInEbene(const Punkt3D& p) const
{
    return std::fabs((p - lu).Skalarprodukt(Normale())) < toleranz::InEbene;
}

double Plane::Flaeche() const
{
    if (lo == lu)
        return 0.5 * (lu - ru).Kreuzprodukt(ro - ru).Betrag();
    double f = 0.5 * (ru - lu).Kreuzprodukt(lo - lu).Betrag();
    if (!(ro == ru))
        f += 0.5 * (lo - lu).Kreuzprodukt(ro - lo).Betrag();
    return f;
}

double Plane::AzimutBogen() const
{
    const Punkt3D n = Normale();
    const double c = std::sqrt(n.x * n.x + n.z * n.z);
    if (!(c > 0))
        return -1;
    constexpr double zweiPi = 2 * std::numbers::pi;
    double phi = WinkelAusRichtung(n.x, c);
    if (n.z < 0)
        phi = zweiPi - phi;
    if (phi >= zweiPi)
        phi -= zweiPi;
    if (phi < 0)
        phi += zweiPi;
    return phi;
}

double Plane::AzimutGrad(double ausrichtung) const
{
    const Punkt3D n = Normale();
    const double c = std::sqrt(n.x * n.x + n.z * n.z);
    if (!(c > 0))
        return -1;
    double e = WinkelAusRichtung(n.x, c) * 180.0 / std::numbers::pi;
    if (n.z < 0)
        e = 360.0 - e;
    return ImVollkreis(ausrichtung - e);
}

int Plane::Richtungsklasse(double ausrichtung) const
{
    const double a = ImVollkreis(AzimutGrad(ausrichtung));
    if (a < 22.5 || a >= 337.5)
        return 0;
    return std::clamp(static_cast<int>(std::floor((a + 22.5) / 45.0)), 1, 7);
}

double Plane::Normalenwinkel() const
{
    const Punkt3D n = Normale();
    // A unit normal may come out a rounding error longer than 1; only the
    // scaled normal of a degenerate plane is really beyond it.
    if (std::fabs(n.y) > 1.0 + toleranz::EinheitsnormaleRundung)
        return 359;
    double theta = std::asin(std::clamp(n.y, -1.0, 1.0)) * 180.0 / std::numbers::pi;
    if (theta > 360)
        theta -= 360;
    if (theta < 0)
        theta += 360;
    return theta;
}

int Plane::Neigungsklasse() const
{
    // 45° sectors centred on 0°, 45°, 90°, …: wall, inclined, ceiling, inclined, …
    static constexpr int klasse[8] = {0, 1, 2, 1, 0, 1, 2, 1};
    const double theta = ImVollkreis(Normalenwinkel());
    const int sektor = static_cast<int>(std::floor((theta + 22.5) / 45.0)) % 8;
    return klasse[sektor];
}

void Plane::SetzeRechteck(double w)
{
    lo = Punkt3D(0, 0, 1);
    ro = Punkt3D(w, 0, 1);
    ru = Punkt3D(w, 0, 0);
    lu = Punkt3D(0, 0, 0);
}

Plane Plane::Skaliert(double f) const
{
    Plane p(*this);
    const Punkt3D c = (lo + lu + ru + ro) / 4.0;
    const double s = std::sqrt(std::max(f, 0.0));
    for (int i = 0; i < 4; ++i)
        p.Ecke(i) = c + (Ecke(i) - c) * s;
    return p;
}

void Plane::Serialize(BinaryArchive& ar)
{
    lo.Serialize(ar);
    ro.Serialize(ar);
    ru.Serialize(ar);
    lu.Serialize(ar);
    Traeger1ID = ar.ReadInt();
    Traeger2ID = ar.ReadInt();
    ID = ar.ReadInt();
    // Dormers came with version 3, façades with version 4, the two flags
    // with version 2.
    GaubenID = ar.Version() >= 3 ? ar.ReadInt() : -1;
    FassadenID = ar.Version() >= 4 ? ar.ReadInt() : Traeger1ID;
    if (ar.Version() >= 2) {
        FlaecheWurdeBearbeitet = ar.ReadInt();
        FensterAufFlaechePlaziert = ar.ReadInt();
    } else {
        FlaecheWurdeBearbeitet = 0;
        FensterAufFlaechePlaziert = 0;
    }
}

} // namespace zeva
