#pragma once
// A floor: to the ground, to outside air or above an unheated space.
#include "model/DBauteilOpaqueBasis.h"

namespace zeva {

class DBoden : public DBauteilOpaqueBasis<DBoden, DSBoden> {
public:
    static constexpr const char* XmlElementName = "DBoden";
    static constexpr bool HatZone = true;
    static constexpr bool HatWarmdach = false;

    // Renovation possible inside / as a core fill / outside by default: 1 / 1 / 0.
    DBoden() : DBauteilOpaqueBasis(1, 1, 0) {}
    DBoden(const DBoden&) = default;
    DBoden& operator=(const DBoden&) = default;

    // Border kind: 0 "Außenluft", 1 "beheizt", 2 "Erdreich", 3 to 6
    // "unbeheizt + 2°C" to "unbeheizt + 8°C".
    std::int32_t Zone = 0;
};

using CDBodenArray = CXmlObjektArray<DBoden>;

} // namespace zeva
