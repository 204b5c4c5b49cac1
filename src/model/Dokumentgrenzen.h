#pragma once
// What a project may ask of the program. A document is written by this
// program or an older one, but it may also be damaged or made by hand: a
// storey count of a million, two billion variants or a height of 1e308 would
// freeze the surface generator, overflow the variant numbers or turn every
// result into NaN. The loaders hold each document to these limits before
// anything else is done with it.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace zeva {

class CXmlArchiveFile;
class Haus;
class Notifier;

namespace grenzen {

// Full storeys of a zone (and of the house): the storey is a two-digit group
// of every wall's plane ID, so storeys 0 to 99 are all a house can have.
inline constexpr std::int32_t MaxStockwerke = 100;
// Renovation variants of a house: the dialog that deletes a variant takes the
// numbers 1 to 30, and one optimiser run adds at most 25; a variant the
// program cannot address is one it does not make.
inline constexpr std::int32_t MaxVarianten = 30;
// Roofs and dormers of a house. Far beyond any building drawn on the plan,
// and low enough that the work done pairwise between roofs (junctions,
// neighbouring faces) stays well below a second.
inline constexpr std::size_t MaxDaecher = 100;
inline constexpr std::size_t MaxGauben = 100;
// Every length and coordinate (metres or drawing units), area and volume.
inline constexpr double MaxLaenge = 1e5;    // m
inline constexpr double MaxFlaeche = 1e10;  // m²
inline constexpr double MaxVolumen = 1e15;  // m³

inline constexpr const char* MeldungStockwerke =
    "Die Zahl der Vollgeschosse lag außerhalb von 0 bis 100 und wurde begrenzt.";
inline constexpr const char* MeldungVarianten =
    "Die Zahl der Sanierungsvarianten lag außerhalb von 0 bis 30 und wurde begrenzt.";

} // namespace grenzen

// A loaded document asks for what no house can be; what() says in German
// which value, and the loader turns it into its own error.
class DokumentBeschaedigt : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Holds a house just read to the limits above. Storey and variant counts
// outside their range are brought into it, with one message each to the
// notifier; too many roofs or dormers, or a length, area or volume that is
// not a number or beyond its limit, raise DokumentBeschaedigt and leave the
// house as it was.
void PruefeDokumentgrenzen(Haus& haus, Notifier& notifier);

// The counts of PruefeDokumentgrenzen held to a project document that is
// open for reading (loaded or read as it goes), in two steps, so that a
// hundred thousand roofs are refused before they are built: before the house
// is read, the archive is told the limits (its roof and dormer arrays then
// make no records beyond them and count what their elements hold); once the
// house is read, the counts are held to them. Raises DokumentBeschaedigt.
void BegrenzeAnzahlenImDokument(CXmlArchiveFile& ar);
void PruefeGezaehlteAnzahlen(const CXmlArchiveFile& ar);

} // namespace zeva
