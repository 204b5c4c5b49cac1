#pragma once
// An opaque wall: outer wall, wall to the ground or to an unheated space.
#include "model/DBauteilOpaqueBasis.h"

namespace zeva {

class DWand : public DBauteilOpaqueBasis<DWand, DSWand> {
public:
    static constexpr const char* XmlElementName = "DWand";
    static constexpr bool HatZone = true;
    static constexpr bool HatWarmdach = false;

    // Renovation possible inside / as a core fill / outside by default: 0 / 1 / 1.
    DWand() : DBauteilOpaqueBasis(0, 1, 1) {}
    DWand(const DWand&) = default;
    DWand& operator=(const DWand&) = default;

    // Border kind: 0 "Außenluft", 1 "beheizt", 2 "Erdreich", 3 to 6
    // "unbeheizt + 2°C" to "unbeheizt + 8°C".
    std::int32_t Zone = 0;
};

using CDWandArray = CXmlObjektArray<DWand>;

} // namespace zeva
