#pragma once
// Small pieces the heat balances of the house share: the irradiation on a
// window from the climate tables and the sum of a per-component series.
#include "model/CXmlDoubleArray.h"
#include "model/DBedarf.h"
#include "model/Klimadaten.h"
#include "model/Notifier.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zeva {

// Irradiation on a window in month m (0 = January), in the unit of the
// climate tables. Richtung: 0 N, 1 NE, 2 E, 3 SE, 4 S, 5 SW, 6 W, 7 NW; a
// diagonal takes the geometric mean of its two neighbours. Neigung: 0
// vertical (the orientation's value), 1 inclined (the geometric mean of the
// orientation's value and the horizontal one), 2 horizontal (the horizontal
// value whatever the orientation). A vertical or inclined window of an
// unknown orientation receives nothing.
double FensterEinstrahlung(const Klimadaten& klima, std::size_t monat, std::int32_t richtung, std::int32_t neigung);

// Sum of the elements in array order.
double Summe(const CXmlDoubleArray& werte);

// The eight group sums of the demand record (flat roofs to usable solar
// gains) from its per-component arrays.
void SummiereGruppen(DBedarf& bedarf);

// A monthly method without climate data tells the user, naming itself:
// "Die Datei KLIMA.RDT konnte nicht geöffnet werden. \n  Wärmebedarfsberechnung
// \n nach <verfahren> nicht möglich."
void MeldeFehlendeKlimadaten(Notifier& notifier, std::string_view verfahren);

} // namespace zeva
