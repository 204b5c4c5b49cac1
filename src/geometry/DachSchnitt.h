#pragma once
// The horizontal section through the roof space and the volume of the roof
// space, which give the attic's share of the energy reference area and of the
// heated volume.
#include "geometry/Strecke3D.h"
#include "model/CDach.h"

namespace zeva {

class Haus;

// Line i of the section (lower point, upper point): from the eave corners to
// the ridge ends, or to the break points and on from them to the ridge ends
// (half-hip and mansard roofs), or to the apex.
Strecke3D Schnittlinie(const CDach& dach, int i);

// Area of the horizontal section at height h above the eaves; 0 at and above
// the ridge, below the eaves, and for the flat roof.
double SchnittflaecheAufHoehe(const CDach& dach, double h);

// Volume of the roof space from the eaves to the top of the heated attic
// storey: GeschossHoehe less the knee wall (counted with the storeys), at
// most the ridge height; summed over schritte slices at their middle heights.
double Dachvolumen(const CDach& dach, int schritte, double drempelhoehe);

// The same with the house's number of slices and the knee wall of the zone
// under the roof (the zone that the roof's planes are placed on).
double Dachvolumen(const CDach& dach, const Haus& haus);

} // namespace zeva
