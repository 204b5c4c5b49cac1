#pragma once
// A ceiling, under an unheated attic or space.
#include "model/DBauteilOpaqueBasis.h"

namespace zeva {

class DDecke : public DBauteilOpaqueBasis<DDecke, DSDecke> {
public:
    static constexpr const char* XmlElementName = "DDecke";
    static constexpr bool HatZone = true;
    static constexpr bool HatWarmdach = false;

    // Renovation possible inside / as a core fill / outside by default: 1 / 1 / 1.
    DDecke() : DBauteilOpaqueBasis(1, 1, 1) {}
    DDecke(const DDecke&) = default;
    DDecke& operator=(const DDecke&) = default;

    // Border kind: 0 "beheizt", 1 to 4 "unbeheizt + 2°C" to "unbeheizt + 8°C".
    std::int32_t Zone = 0;
};

using CDDeckeArray = CXmlObjektArray<DDecke>;

} // namespace zeva
