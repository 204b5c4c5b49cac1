#pragma once
// The plane ID code: every surface of the house carries a decimal number
//
//   ID = Z·100 000 000 + T·1 000 000 + N·10 000 + M·100 + K
//
// Z the zone (0 for dormer parts and windows), T the kind of surface
// (Flaechenart), N a running number (for windows the window number on its
// carrier), M the storey and K a running index (outline edge, roof face).
// Each group is a decimal digit pair; division and remainder truncate towards
// zero, so the default ID -1 decodes to Z = T = N = M = 0, K = -1.
#include <cstdint>
#include <optional>
#include <span>

namespace zeva {

namespace flaechenart {
inline constexpr int KellerBoden = 1;      // floor of a heated basement
inline constexpr int KellerWand = 2;       // basement wall
inline constexpr int Bodenplatte = 3;      // floor of the lowest storey
inline constexpr int Geschosswand = 4;     // storey wall
inline constexpr int DeckeUnterDach = 5;   // ceiling under a roof
inline constexpr int Drempel = 6;          // knee wall
inline constexpr int Flachdach = 7;        // flat roof
inline constexpr int Giebelwand = 8;       // gable or other vertical wall made by a roof
inline constexpr int Steildach = 9;        // pitched roof face
inline constexpr int Gaube = 10;           // the dormer itself (10 000 000 + dormer number)
inline constexpr int GaubenDach = 11;      // dormer roof
inline constexpr int GaubenFront = 12;     // dormer front wall
inline constexpr int GaubenLinks = 13;     // dormer left wall
inline constexpr int GaubenRechts = 14;    // dormer right wall
inline constexpr int GaubenDecke = 15;     // dormer ceiling
inline constexpr int Fenster = 50;         // + the carrier's kind: window on that carrier
inline constexpr int DachGeometrie = 90;   // roof face, geometry only
inline constexpr int DachSenkrecht = 91;   // vertical roof face, geometry only
inline constexpr int GaubenGeometrie = 92; // dormer geometry plane (exactly 92 000 000)
inline constexpr int OhneFlaeche = 99;     // component entered without a plane (exactly 99 000 000)
} // namespace flaechenart

inline constexpr std::int32_t IdZoneFaktor = 100000000;
inline constexpr std::int32_t IdArtFaktor = 1000000;
inline constexpr std::int32_t IdNummerFaktor = 10000;
inline constexpr std::int32_t IdGeschossFaktor = 100;

// The five digit groups of an ID.
constexpr int ZoneAusID(std::int32_t id) { return id / IdZoneFaktor; }
constexpr int ArtAusID(std::int32_t id) { return (id - ZoneAusID(id) * IdZoneFaktor) / IdArtFaktor; }
constexpr int NummerAusID(std::int32_t id)
{
    return (id - ZoneAusID(id) * IdZoneFaktor - ArtAusID(id) * IdArtFaktor) / IdNummerFaktor;
}
constexpr int GeschossAusID(std::int32_t id)
{
    return (id - ZoneAusID(id) * IdZoneFaktor - ArtAusID(id) * IdArtFaktor - NummerAusID(id) * IdNummerFaktor)
           / IdGeschossFaktor;
}
constexpr int IndexAusID(std::int32_t id)
{
    return id - ZoneAusID(id) * IdZoneFaktor - ArtAusID(id) * IdArtFaktor - NummerAusID(id) * IdNummerFaktor
           - GeschossAusID(id) * IdGeschossFaktor;
}

// The ID made of its five groups (each 0 to 99, Z 0 to 21).
constexpr std::int32_t PlaneIDAus(int zone, int art, int nummer, int geschoss, int index)
{
    return zone * IdZoneFaktor + art * IdArtFaktor + nummer * IdNummerFaktor + geschoss * IdGeschossFaktor + index;
}

// The ID of the n-th window (n = 0, 1, …) placed on the carrier with the ID
// traegerID: kind 50 + the carrier's kind, zone 0, the carrier's storey and
// index, and as number 10·n + the carrier's number while n ≤ 9 and the
// carrier's number is below 10, otherwise n. From the eleventh window on, and
// whenever that number is already among belegteIDs (the IDs given so far to
// windows of the same carrying surface, its part areas included), the number
// is the smallest one that no ID of belegteIDs uses, so that two windows of
// one carrying surface never share an ID. nullopt when every number is taken.
std::optional<std::int32_t> FensterPlaneID(std::int32_t traegerID, int n, std::span<const std::int32_t> belegteIDs);

} // namespace zeva
