#pragma once
// The heated floor area (Energiebezugsflaeche) and the heated volume
// (Volumen) of the house from what was drawn: the zone outlines, the storey
// heights and the heated roofs. The plan editor computes both, area first,
// when the input leaves the plan for the 3D phase.
namespace zeva {

class Haus;

// Area (m²) of the horizontal section through zone `zone` at height h above
// the basement floor: the outline's area, sampled on the house's counting
// raster, where later zones take the overlap; 0 below 0, above the zone's
// eaves and for a zone the house does not count.
double SchnittflaecheGeschoss(const Haus& haus, double h, int zone);

// Heated basements (by the house's KellerBeheizt), every storey of every
// counted zone and, in a pitched-roof house with a heated attic storey of at
// least 2 m, the attic of each heated roof (the section 2 m above the attic
// floor in full, half of what the section at 1 m adds). Stores and returns
// Energiebezugsflaeche.
double GesamtFlaeche(Haus& haus);

// Basement and storeys by their heights, in a pitched-roof house the heated
// roof space (the first zone's knee wall when the roof space is heated, and
// each heated roof's volume); times 0.76 for a one- or two-family house of
// at most two storeys, else 0.8. Stores and returns Volumen.
double GesamtVolumen(Haus& haus);

} // namespace zeva
