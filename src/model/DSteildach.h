#pragma once
// A pitched roof face.
#include "model/DBauteilOpaqueBasis.h"

namespace zeva {

class DSteildach : public DBauteilOpaqueBasis<DSteildach, DSSteildach> {
public:
    static constexpr const char* XmlElementName = "DSteildach";
    static constexpr bool HatZone = false;
    static constexpr bool HatWarmdach = false;

    // Renovation possible inside / as a core fill / outside by default: 1 / 1 / 1.
    DSteildach() : DBauteilOpaqueBasis(1, 1, 1) {}
    DSteildach(const DSteildach&) = default;
    DSteildach& operator=(const DSteildach&) = default;

};

using CDSteildachArray = CXmlObjektArray<DSteildach>;

} // namespace zeva
