#pragma once
// A list of plan points held by value: the zone outlines, the house's point
// lists of the older binary documents and the roof's junction points.
//
// XML: "Punkt2DArray" with the attribute "Size" and one "Punkt2D" element per
// point. Older binary form: the element count, then one 24-byte record per
// point (8 bytes without data, x, y).
#include "model/CXmlObjektArray.h"
#include "model/Punkt2D.h"

#include <initializer_list>

namespace zeva {

class Punkt2DArray : public CXmlObjektArray<Punkt2D> {
public:
    Punkt2DArray() = default;
    Punkt2DArray(std::initializer_list<Punkt2D> punkte);
    Punkt2DArray(const Punkt2DArray&) = default;
    Punkt2DArray& operator=(const Punkt2DArray&) = default;

    void Serialize(BinaryArchive& ar) override;
};

} // namespace zeva
