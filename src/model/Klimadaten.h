#pragma once
// The monthly climate values of one climate zone, as the monthly heat
// balances use them, and the reader of the climate file "klima/klima.rdt".
//
// The file holds one block of eight lines per zone, zone 1 first, no header:
// five lines of monthly irradiation (horizontal, south, west, east, north;
// monthly sums in kWh/m²), one line of monthly mean outdoor temperatures (°C)
// and two lines of integers, the heating days and the degree days (K·d) of
// each month. Reals may carry a decimal comma or point; integers are always
// decimal. The runtime locale plays no part in reading it.
#include <array>
#include <filesystem>
#include <istream>
#include <string>

namespace zeva {

// Climate zones: 1 to 12 the regions, 13 the reference climate of
// DIN V 4108-6; 0 stands for "no climate data loaded".
inline constexpr int KlimazoneKeine = 0;
inline constexpr int KlimazoneDIN4108 = 13;
inline constexpr int KlimazonenAnzahl = 13;
inline constexpr int KlimablockZeilen = 8;

// The name shown for a zone ("Klimaregion 1: Nord-/Ostsee" …
// "Klimadaten nach DIN 4108-6"); empty for any other number.
std::string KlimazonenName(int zone);

struct Klimadaten {
    using Monatsreihe = std::array<double, 12>; // index 0 = January

    // The tables in the order of the lines of a zone block. All are zero
    // until a zone has been loaded.
    Monatsreihe StrahlungHorizontal{}; // kWh/m² per month
    Monatsreihe StrahlungSued{};
    Monatsreihe StrahlungWest{};
    Monatsreihe StrahlungOst{};
    Monatsreihe StrahlungNord{};
    Monatsreihe Aussentemperatur{}; // °C
    Monatsreihe Heiztage{};         // days
    Monatsreihe Gradtage{};         // K·d

    // Line i (0 to 7) of a zone block.
    Monatsreihe& Zeile(int i);
    const Monatsreihe& Zeile(int i) const;
};

// The folder that holds "klima.rdt" and "plz.rdt": by default the folder
// "klima" beside the program file. Tests and installations that keep the
// data elsewhere set it; an empty path restores the default.
std::filesystem::path KlimaOrdner();
void SetzeKlimaOrdner(const std::filesystem::path& ordner);
std::filesystem::path KlimaDatei(); // <KlimaOrdner>/klima.rdt
std::filesystem::path PlzDatei();   // <KlimaOrdner>/plz.rdt

// Loads the block of the zone (1 to 13) from the climate file into the
// tables. Skips (zone - 1) × 8 lines, then reads the 96 values of the block
// as one stream of numbers separated by white space and line ends. Each value
// is stored as soon as it has been read, so a failure part way leaves the
// values read before it and the previous contents after it. Fails for a zone
// outside 1 to 13 (without opening the file), a file that cannot be opened,
// too few lines or values, and a value that is not a number of its kind.
// A UTF-8 byte-order mark and CRLF line ends are accepted; lines may have any
// length. Shows nothing.
bool LeseKlimablock(const std::filesystem::path& datei, int zone, Klimadaten& tabellen);
bool LeseKlimablock(std::istream& datei, int zone, Klimadaten& tabellen);

} // namespace zeva
