#pragma once
// Roofs of the oldest documents, which kept them as two lists of plan lines in
// the house: ridge lines and hip lines. Each ridge line becomes a hip roof
// whose corners are the far ends of the hip lines leaving its ends.
#include "model/CDach.h"
#include "model/Punkt2DArray.h"
#include "model/Zone.h"

#include <vector>

namespace zeva {

class Haus;

// One hip roof per ridge line of linien1 (consecutive point pairs), its
// corners from the hip lines of linien2. Heights: Hoehe and GeschossHoehe as
// given (the house's roof heights), MansardHoehe from the first zone as for a
// new roof. The roofs count as edited by hand (no ridge flip).
std::vector<CDach> DaecherAusLinien(const Punkt2DArray& linien1, const Punkt2DArray& linien2, const Zone* ersteZone,
                                    double dachhoehe, double dachgeschosshoehe);

// The same on the house: appends the roofs to its roof array and runs the
// junctions. Returns the number of roofs made.
std::size_t DaecherAusLinien(Haus& haus);

} // namespace zeva
