#include "model/Punkt2DArray.h"

#include "platform/BinaryArchive.h"

namespace zeva {

namespace {
// Each point of the value array was stored as its whole object image: eight
// bytes without meaning (they held the object's table pointer), then x and y.
constexpr std::size_t BytesJePunkt = 24;
constexpr std::size_t LeereBytes = 8;
} // namespace

Punkt2DArray::Punkt2DArray(std::initializer_list<Punkt2D> punkte)
{
    m_elemente.assign(punkte.begin(), punkte.end());
}

void Punkt2DArray::Serialize(BinaryArchive& ar)
{
    const std::uint32_t n = ar.ReadCount(BytesJePunkt);
    std::vector<Punkt2D> punkte(n);
    for (Punkt2D& p : punkte) {
        ar.Skip(LeereBytes);
        p.x = ar.ReadDouble();
        p.y = ar.ReadDouble();
    }
    m_elemente = std::move(punkte);
}

} // namespace zeva
