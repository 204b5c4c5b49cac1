#pragma once
// A point or vector in space; y is the vertical axis, so the plan point
// (x, y) stands above the space points (x, h, y).
#include "model/CXmlObject.h"

#include <array>

namespace zeva {

class Punkt3D : public CXmlSerializable<Punkt3D> {
public:
    static constexpr const char* XmlElementName = "Punkt3D";
    static auto GetXmlMembers(Punkt3D& p)
    {
        return std::array{XmlDouble("x", p.x, XmlMember::Attribute), XmlDouble("y", p.y, XmlMember::Attribute),
                          XmlDouble("z", p.z, XmlMember::Attribute)};
    }

    Punkt3D() = default;
    explicit Punkt3D(double v) : x(v), y(v), z(v) {}
    Punkt3D(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}
    Punkt3D(const Punkt3D&) = default;
    Punkt3D& operator=(const Punkt3D&) = default;

    // Equal when every coordinate differs by less than 1e-9.
    bool operator==(const Punkt3D& q) const;
    bool operator!=(const Punkt3D& q) const { return !(*this == q); }
    // Every coordinate within 1e-9 of v.
    bool operator==(double v) const;
    bool operator!=(double v) const { return !(*this == v); }

    Punkt3D operator+(const Punkt3D& q) const { return {x + q.x, y + q.y, z + q.z}; }
    Punkt3D operator-(const Punkt3D& q) const { return {x - q.x, y - q.y, z - q.z}; }
    Punkt3D operator-() const { return {-x, -y, -z}; }
    Punkt3D operator*(double f) const { return {x * f, y * f, z * f}; }
    Punkt3D operator/(double f) const;
    Punkt3D& operator+=(const Punkt3D& q);
    Punkt3D& operator*=(double f);

    double Skalarprodukt(const Punkt3D& q) const { return x * q.x + y * q.y + z * q.z; }
    // this × q
    Punkt3D Kreuzprodukt(const Punkt3D& q) const
    {
        return {y * q.z - z * q.y, z * q.x - x * q.z, x * q.y - y * q.x};
    }
    double Betrag() const;
    // The unit vector; the zero vector stays the zero vector.
    Punkt3D Normiert() const;

    // Older binary form: x, y, z as doubles.
    void Serialize(BinaryArchive& ar) override;

    double x = 0;
    double y = 0;
    double z = 0;
};

} // namespace zeva
