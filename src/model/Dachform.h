#pragma once
// The six roof forms: their names, point counts, face tables, edges and the
// edges along which their points slide when dragged.
#include "model/Punkt2D.h"

#include <array>
#include <span>
#include <string_view>

namespace zeva {

namespace dachtyp {
inline constexpr int Flachdach = 1;
inline constexpr int Satteldach = 2;
inline constexpr int Walmdach = 3;
inline constexpr int Krueppelwalmdach = 4;
inline constexpr int Mansarddach = 5;
inline constexpr int Zeltdach = 6;
} // namespace dachtyp

// The names of the roof forms as the roof pane lists them. Entry 0 names the
// flat roof (type 1), entries 2 to 6 the types of the same number; "Pultdach"
// (entry 1) has no roof form.
inline constexpr std::array<std::string_view, 7> DachformNamen = {
    "Flachdach", "Pultdach", "Satteldach", "Walmdach", "Krüppelwalmdach", "Mansarddach", "Zeltdach"};

// The name of a roof form by its type; empty for a type without a form.
std::string_view DachformName(int typ);

// Height codes of a face vertex: the eaves, the ridge (Hoehe), and the two
// break heights (Knickhoehe2, Knickhoehe3).
namespace hoehencode {
inline constexpr int Traufe = 0;
inline constexpr int First = 1;
inline constexpr int Knick2 = 2;
inline constexpr int Knick3 = 3;
} // namespace hoehencode

// One face of a roof form: vertical flag (a gable wall) and four vertices as
// (plan point index, height code), in cyclic order; the first two form the
// upper edge, the last two the lower one. A face whose first two vertices are
// the same point is a triangle.
struct DachFlaechenZeile {
    int senkrecht;
    std::array<int, 4> punkt;
    std::array<int, 4> hoehe;
};

// The faces of the form; empty for a type without a form. The pyramid roof has
// the single flat row over its rectangle (its four sloped faces are formed
// from the apex and the corners where the planes are built).
std::span<const DachFlaechenZeile> Dachflaechentabelle(int typ);

// Number of plan points of the form: 4, 6, 6, 10, 10, 5; 0 for any other type.
int DachPunktzahl(int typ);

// The plan edges of the form as pairs of point indices: the four sides, then
// the ridge (types 2 to 5), then the mansard break line (type 5).
std::span<const std::array<int, 2>> DachKanten(int typ);

// Turning sense of a closed run of plan points from the signs of the turns at
// its points (the turn at the first point is counted twice): -1 when the left
// turns outweigh the right ones, 1 when the right turns do, 0 when they
// balance (fewer than three distinct points).
int Umlaufsinn(std::span<const Punkt2D> punkte);

} // namespace zeva
