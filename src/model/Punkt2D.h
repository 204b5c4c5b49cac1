#pragma once
// A point or vector in the floor plan (drawing units of its owner).
#include "model/CXmlObject.h"

#include <array>

namespace zeva {

class Punkt2D : public CXmlSerializable<Punkt2D> {
public:
    static constexpr const char* XmlElementName = "Punkt2D";
    static auto GetXmlMembers(Punkt2D& p)
    {
        return std::array{XmlDouble("x", p.x, XmlMember::Attribute), XmlDouble("y", p.y, XmlMember::Attribute)};
    }

    Punkt2D() = default;
    Punkt2D(double x_, double y_) : x(x_), y(y_) {}
    explicit Punkt2D(double v) : x(v), y(v) {}
    Punkt2D(const Punkt2D&) = default;
    Punkt2D& operator=(const Punkt2D&) = default;

    void SetzeX(double v) { x = v; }
    void SetzeY(double v) { y = v; }

    // Equal within 0.0001; unequal from 0.0001 on, so that two points exactly
    // 0.0001 apart are both. Callers rely on either test being generous.
    bool operator==(const Punkt2D& q) const;
    bool operator!=(const Punkt2D& q) const;

    Punkt2D operator+(const Punkt2D& q) const { return {x + q.x, y + q.y}; }
    Punkt2D operator-(const Punkt2D& q) const { return {x - q.x, y - q.y}; }
    Punkt2D operator*(double f) const { return {x * f, y * f}; }
    Punkt2D operator/(double f) const;
    Punkt2D operator+=(const Punkt2D& q);
    Punkt2D operator/=(double f);

    double Betrag() const;
    // The unit vector; (0, 0) for a point of no length.
    Punkt2D Normiert() const;

    // Older binary form: x, y as doubles.
    void Serialize(BinaryArchive& ar) override;

    double x = 0;
    double y = 0;
};

} // namespace zeva
