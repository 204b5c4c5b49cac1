#pragma once
// Turns the drawn building into its 3D surfaces and component records: from
// the zone outlines, the heights and storey counts of each zone and the roofs
// on the plan it rebuilds every derived plane of the house and every wall,
// floor, flat-roof, ceiling and pitched-roof record, so that the component
// areas follow from the drawing.
//
// A rebuild is destructive: all planes, walls, windows, flat roofs, floors,
// ceilings, pitched roofs and dormers go first, with their build-ups and
// measures. The new records are copies of the house's default records.
// Windows and dormers are not recreated; zones, default records, heating and
// demand records stay.
//
// Surfaces of the generator itself (Z the zone index, k the outline edge, i
// the storey; Traeger1ID = Traeger2ID = ID, GaubenID -1):
//   1 floor of a heated basement  Z·10^8 + 1·10^6          DBoden, Zone 2
//   2 basement wall               Z·10^8 + 2·10^6 + k      DWand (Zone 2) when the basement is heated
//   3 floor of the lowest storey  Z·10^8 + 3·10^6          DBoden, Zone 6 over a basement, else 2
//   4 storey wall                 Z·10^8 + 4·10^6 + 100i + k  DWand
//   6 knee wall                   Z·10^8 + 6·10^6 + k      DWand when the roof space is heated
//   7 flat roof                   Z·10^8 + 7·10^6          DFlachdach, Zone 0 (flat-roof houses)
// The walls of one outline edge share the FassadenID 4·10^6 + k. Floors and
// flat roofs have no 3D face: their records carry a rectangle of their area
// and their planes do not enter the house's plane array.
#include "model/CXmlObjektArray.h"
#include "model/Notifier.h"

#include <cstddef>
#include <cstdint>

namespace zeva {

class Haus;
class Plane;
class Zone;

class C3DGenerator {
public:
    // The ID scheme has two digits for the outline edge and reaches the
    // 32-bit limit beyond zone 20.
    static constexpr int MaxGrundrissPunkte = 100;
    static constexpr int MaxZonen = 20;
    static constexpr const char* MeldungZuVielePunkte = "Ein Grundriss darf höchstens 100 Punkte haben.";
    static constexpr const char* MeldungZuVieleZonen = "Es sind höchstens 20 Zonen möglich.";
    static constexpr const char* MeldungZuVieleStockwerke = "Eine Zone darf höchstens 100 Vollgeschosse haben.";
    static constexpr const char* MeldungZuVieleDaecher = "Es sind höchstens 100 Dächer möglich.";

    // The house is not owned; the notifier tells the user why a rebuild was
    // refused.
    C3DGenerator(Haus& haus, Notifier& notifier);
    C3DGenerator(const C3DGenerator&) = delete;
    C3DGenerator& operator=(const C3DGenerator&) = delete;

    // Rebuilds the planes and component records of the house (roofs first,
    // then zone by zone: flat roof, basement walls, floor, storey walls,
    // knee walls) and recomputes the net areas. Returns 1. Returns 0 and
    // changes nothing when an outline has more than MaxGrundrissPunkte points,
    // more than MaxZonen zones would be built, a zone has more than
    // grenzen::MaxStockwerke storeys or the house more than
    // grenzen::MaxDaecher roofs; the notifier says which.
    int Erzeuge3DFlaechen();

    // Area of the horizontal section through the zone at height h, in the
    // drawing units of the outline (squared): the outline's area up to the
    // eaves, 0 from the ridge on, in between the polygon of the points where
    // the side edges of the pitched roof faces pierce the height. 0 for a
    // zone index the house does not have.
    double Schnittflaeche(double h, int zonenIndex) const;

    // The result of the last rebuild (1 from construction on).
    int Ergebnis() const { return m_ergebnis; }

private:
    bool PruefeGrenzen();
    // Zones whose surfaces are built (the zones in use that the array holds).
    int ZahlZonen() const;

    void ErzeugeFlachdach();
    void ErzeugeKellerwaende();
    void ErzeugeBodenplatte();
    void ErzeugeAussenwaende();
    void ErzeugeDrempel();

    // One wall per outline edge between the heights, walked backwards from
    // the closing edge; kind and storey give its ID. With mitBauteil each
    // wall also gets a DWand (basement walls with Zone 2).
    void Umlauf(double unten, double oben, int art, int geschoss, bool mitBauteil);
    // Metres per drawing unit.
    double Massstab() const;
    // Room for every record the zones can make, before the first is made.
    void ReserviereFuerZonen();
    // A floor or flat roof of the current zone: a record copied from the
    // default whose plane is a rectangle of the zone's section at the height
    // (IDs of the kind); the plane does not enter the plane array. Returns
    // the record's index.
    template <class X>
    std::size_t FlaechenBauteil(CXmlObjektArray<X>& records, const X& vorlage, double hoehe, int art);

    Haus& m_haus;
    Notifier& m_notifier;
    const Zone* m_zone = nullptr;
    int m_zonenIndex = 0;
    int m_ergebnis = 1;
};

} // namespace zeva
