#pragma once
// The roof's faces as planes of the house and as the component records that
// enter the heat balance: pitched-roof faces (DSteildach, kind 9), gable walls
// (DWand, kind 8), flat roofs (DFlachdach, kind 7) and the ceilings under the
// roof space (DDecke, kind 5), besides planes for the 3D view only (kinds 90
// and 91).
#include "model/CDach.h"
#include "model/Plane.h"
#include "model/Zone.h"

#include <span>

namespace zeva {

class DDecke;
class DFlachdach;
class DSteildach;
class DWand;
class Haus;

// Where the component records of a roof go and the wizard's default records
// they are copied from (the house's arrays and defaults).
struct DachBauteilZiel {
    CXmlObjektArray<DFlachdach>& flachdaecher;
    CXmlObjektArray<DSteildach>& steildaecher;
    CXmlObjektArray<DWand>& waende;
    CXmlObjektArray<DDecke>& decken;
    const DFlachdach& defaultFlachdach;
    const DSteildach& defaultSteildach;
    const DWand& defaultWand;
    const DDecke& defaultDecke;
};

// The house's record arrays and default records.
DachBauteilZiel BauteilZielVon(Haus& haus);

// What TeileAufHoehe found.
namespace teilung {
inline constexpr int Geteilt = 0;
inline constexpr int Darunter = -1;
inline constexpr int Sonst = 1;
} // namespace teilung

// Splits a face whose upper edge lies above s and whose lower edge lies below
// it: 0, lower (a, b, ru, lu) and upper (lo, ro, b, a) written, the cut
// corners a and b exactly at height s. Otherwise nothing is written: -1 when
// the face lies below s, 1 else.
int TeileAufHoehe(const Plane& flaeche, double s, Plane& unten, Plane& oben);

// The zone under the roof: the one whose outline overlaps the roof's outline
// most; 0 when none does.
int ZoneUnterDach(const CDach& dach, const CZoneArray& zonen);

// Kinds of ErzeugeBauteil.
namespace bauteilart {
inline constexpr int Dachflaeche = 0;
inline constexpr int Senkrecht = 1;
inline constexpr int Decke = 2;
} // namespace bauteilart

// Gives the plane the IDs of its kind in zone (running numbers from the
// roof's counters) and, where the rules say so, appends a record copied from
// the default, whose plane is a rectangle of the area. The plane itself is
// appended by the caller.
void ErzeugeBauteil(CDach& dach, Plane& plane, int art, int zone, bool bauteil, double flaeche,
                    DachBauteilZiel& ziel);

// Builds the roof's planes and records: the faces are cut where a heated
// neighbouring roof covers them and split at the top of the heated attic
// storey; the planes are appended to planes and lifted onto the zone under
// the roof. alleDaecher is the house's roof array and must hold dach (the
// neighbours are found among the others). Returns the number of planes
// appended; nothing is built without a zone or for a roof without its points.
int ErzeugeFlaechen(CDach& dach, const CZoneArray& zonen, const CObjektArray<CDach>& alleDaecher,
                    CObjektArray<Plane>& planes, DachBauteilZiel& ziel);

// The same on the house: its zones, roofs, record arrays and defaults.
int ErzeugeFlaechen(CDach& dach, Haus& haus, CObjektArray<Plane>& planes);

} // namespace zeva
