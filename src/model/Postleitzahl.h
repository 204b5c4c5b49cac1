#pragma once
// The climate region of a German postcode, looked up in the postcode table
// "plz.rdt" (PlzDatei()): white-space separated pairs of whole numbers
// "prefix region", the prefix being the five-digit postcode divided by 100
// (01067 → 10), the region 1 to 12 of the climate file. Pairs may come in any
// order; of two pairs with one prefix the first counts.
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace zeva {

// The table prefix of a postcode as typed: exactly five characters that read
// wholly as a number (leading blanks allowed, nothing left over, decimal
// comma), integral and from 100 to 99999. Nothing for any other text.
std::optional<int> PlzPraefix(std::string_view eingabe);

// Searches the table from its start for the prefix and returns the region
// of the first pair that carries it. Nothing when the prefix is missing; a
// token that is not a whole number ends the search as missing, and so does a
// region outside 0 to 12 (no invalid climate zone may come of the file).
std::optional<int> SucheKlimaregion(std::istream& tabelle, int praefix);

// What the postcode dialog shows for a text: the region plus 1 (0 while none
// is found) and the region's name ("Klimaregion 7: Südl. Oberrheingraben";
// empty for region 0, which stands for the DIN climate data).
struct PlzErgebnis {
    int klimaregion = 0;
    std::string text;
};
PlzErgebnis KlimaregionAusPlz(std::istream& tabelle, std::string_view eingabe);

} // namespace zeva
