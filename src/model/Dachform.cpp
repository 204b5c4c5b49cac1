#include "model/Dachform.h"

namespace zeva {

namespace {

using Z = DachFlaechenZeile;

constexpr Z Flach[] = {
    {0, {0, 1, 2, 3}, {0, 0, 0, 0}},
};

constexpr Z Sattel[] = {
    {0, {5, 4, 1, 2}, {1, 1, 0, 0}},
    {0, {4, 5, 3, 0}, {1, 1, 0, 0}},
    {1, {4, 4, 0, 1}, {1, 1, 0, 0}},
    {1, {5, 5, 2, 3}, {1, 1, 0, 0}},
};

constexpr Z Walm[] = {
    {0, {5, 4, 1, 2}, {1, 1, 0, 0}},
    {0, {4, 5, 3, 0}, {1, 1, 0, 0}},
    {0, {4, 4, 0, 1}, {1, 1, 0, 0}},
    {0, {5, 5, 2, 3}, {1, 1, 0, 0}},
};

constexpr Z Krueppelwalm[] = {
    {0, {5, 4, 7, 8}, {1, 1, 2, 2}},
    {0, {8, 7, 1, 2}, {2, 2, 0, 0}},
    {0, {4, 5, 9, 6}, {1, 1, 3, 3}},
    {0, {6, 9, 3, 0}, {3, 3, 0, 0}},
    {0, {4, 4, 6, 7}, {1, 1, 3, 2}},
    {0, {5, 5, 8, 9}, {1, 1, 2, 3}},
    {1, {7, 6, 0, 1}, {2, 3, 0, 0}},
    {1, {9, 8, 2, 3}, {3, 2, 0, 0}},
};

constexpr Z Mansard[] = {
    {0, {5, 4, 7, 8}, {1, 1, 2, 2}},
    {0, {8, 7, 1, 2}, {2, 2, 0, 0}},
    {0, {4, 5, 9, 6}, {1, 1, 2, 2}},
    {0, {6, 9, 3, 0}, {2, 2, 0, 0}},
    {0, {4, 4, 6, 7}, {1, 1, 2, 2}},
    {0, {7, 6, 0, 1}, {2, 2, 0, 0}},
    {0, {5, 5, 8, 9}, {1, 1, 2, 2}},
    {0, {9, 8, 2, 3}, {2, 2, 0, 0}},
};

constexpr Z Zelt[] = {
    {0, {0, 1, 2, 3}, {0, 0, 0, 0}},
};

using K = std::array<int, 2>;
constexpr K Kanten[] = {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {4, 5}, {6, 7}, {7, 8}, {8, 9}, {9, 6}};

} // namespace

std::string_view DachformName(int typ)
{
    if (typ == dachtyp::Flachdach)
        return DachformNamen[0];
    if (typ >= dachtyp::Satteldach && typ <= dachtyp::Zeltdach)
        return DachformNamen[static_cast<std::size_t>(typ)];
    return {};
}

std::span<const DachFlaechenZeile> Dachflaechentabelle(int typ)
{
    switch (typ) {
    case dachtyp::Flachdach:
        return Flach;
    case dachtyp::Satteldach:
        return Sattel;
    case dachtyp::Walmdach:
        return Walm;
    case dachtyp::Krueppelwalmdach:
        return Krueppelwalm;
    case dachtyp::Mansarddach:
        return Mansard;
    case dachtyp::Zeltdach:
        return Zelt;
    default:
        return {};
    }
}

int DachPunktzahl(int typ)
{
    switch (typ) {
    case dachtyp::Flachdach:
        return 4;
    case dachtyp::Satteldach:
    case dachtyp::Walmdach:
        return 6;
    case dachtyp::Krueppelwalmdach:
    case dachtyp::Mansarddach:
        return 10;
    case dachtyp::Zeltdach:
        return 5;
    default:
        return 0;
    }
}

std::span<const std::array<int, 2>> DachKanten(int typ)
{
    const std::span<const K> alle(Kanten);
    switch (typ) {
    case dachtyp::Flachdach:
    case dachtyp::Zeltdach:
        return alle.first(4);
    case dachtyp::Satteldach:
    case dachtyp::Walmdach:
    case dachtyp::Krueppelwalmdach:
        return alle.first(5);
    case dachtyp::Mansarddach:
        return alle;
    default:
        return {};
    }
}

int Umlaufsinn(std::span<const Punkt2D> punkte)
{
    const std::size_t n = punkte.size();
    if (n == 0)
        return 0;
    auto kreuz = [](const Punkt2D& a, const Punkt2D& b) { return a.x * b.y - a.y * b.x; };
    int s = 0;
    for (std::size_t i = 0; i <= n; ++i) {
        const Punkt2D& a = punkte[i % n];
        const Punkt2D& b = punkte[(i + 1) % n];
        const Punkt2D& c = punkte[(i + 2) % n];
        const double k = kreuz(b - a, c - b);
        s += (k > 0) - (k < 0);
    }
    if (s > 0)
        return -1;
    if (s < 0)
        return 1;
    return 0;
}

} // namespace zeva
