#pragma once
// One part of the building drawn as its own closed floor-plan outline, with
// the heights and storey count from which its walls, floors, knee walls and
// roof base are built.
#include "model/CXmlObject.h"
#include "model/Punkt2DArray.h"

#include <array>
#include <cstdint>

namespace zeva {

class Zone : public CXmlSerializable<Zone> {
public:
    static constexpr const char* XmlElementName = "Zone";
    // Document order (both forms): HoeheUeberGrund after KellerBeheizt.
    static auto GetXmlMembers(Zone& z)
    {
        return std::array{XmlInt("Innerhalb", z.Innerhalb),
                          XmlDouble("Dachhoehe", z.Dachhoehe),
                          XmlDouble("Dachgeschosshoehe", z.Dachgeschosshoehe),
                          XmlDouble("Drempelhoehe", z.Drempelhoehe),
                          XmlDouble("Stockwerkshoehe", z.Stockwerkshoehe),
                          XmlInt("Stockwerkszahl", z.Stockwerkszahl),
                          XmlDouble("Kellerhoehe", z.Kellerhoehe),
                          XmlInt("Geschlossen", z.Geschlossen),
                          XmlInt("StartPunktInZone", z.StartPunktInZone),
                          XmlInt("StartPunktAufLinie", z.StartPunktAufLinie),
                          XmlInt("EndPunktInZone", z.EndPunktInZone),
                          XmlInt("EndPunktAufLinie", z.EndPunktAufLinie),
                          XmlInt("KlimaZone", z.KlimaZone),
                          XmlInt("KellerBeheizt", z.KellerBeheizt),
                          XmlDouble("HoeheUeberGrund", z.HoeheUeberGrund),
                          XmlObject(z.m_a2DGrundrissPunkte)};
    }

    Zone() = default;
    // Copies every member; the outline becomes a copy of the source's points,
    // however many it held before.
    Zone(const Zone&) = default;
    Zone& operator=(const Zone&) = default;

    // Older binary form: the members in document order, then the outline.
    void Serialize(BinaryArchive& ar) override;

    bool operator==(const Zone& o) const;

    std::int32_t Innerhalb = 0; // kept and copied; the model does not read it
    double Dachhoehe = 3.0;         // m
    double Dachgeschosshoehe = 3.0; // m
    double Drempelhoehe = 0;        // m, knee wall
    double Stockwerkshoehe = 2.5;   // m, one full storey
    std::int32_t Stockwerkszahl = 1;
    double Kellerhoehe = 2.5;    // m
    double HoeheUeberGrund = 0;  // m
    // Flags of the plan editor while an outline is drawn.
    std::int32_t Geschlossen = 0;
    std::int32_t StartPunktInZone = 0;
    std::int32_t StartPunktAufLinie = 0;
    std::int32_t EndPunktInZone = 0;
    std::int32_t EndPunktAufLinie = 0;
    // Thermal condition as an index of the border list: 0 "Außenluft",
    // 1 "beheizt", 2 "Erdreich", 3 to 6 "unbeheizt + 2°C" to "unbeheizt + 8°C".
    std::int32_t KlimaZone = 1;
    std::int32_t KellerBeheizt = 0;
    // The outline in the plan editor's drawing units, in drawing order.
    Punkt2DArray m_a2DGrundrissPunkte;
};

using CZoneArray = CXmlObjektArray<Zone>;

} // namespace zeva
