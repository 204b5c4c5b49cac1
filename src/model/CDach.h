#pragma once
// A roof placed on the floor plan. The house stores its roofs with the
// document, so the record lives with the other stored records in the model;
// what a roof is made of and how it is built up in space is added by the
// roof geometry. Until then a roof has only its form.
#include "model/CXmlObjektArray.h"
#include "model/CXmlObject.h"

#include <cstdint>

namespace zeva {

class CDach : public CXmlSerializable<CDach> {
public:
    static constexpr const char* XmlElementName = "Dach";

    CDach() = default;
    CDach(const CDach&) = default;
    CDach& operator=(const CDach&) = default;

    // 0 not yet chosen, 1 flat ("Flachdach"), 2 "Satteldach", 3 "Walmdach",
    // 4 "Krüppelwalmdach", 5 "Mansarddach", 6 "Zeltdach".
    std::int32_t Dachtyp = 0;
};

using CDachArray = CXmlObjektArray<CDach>;

} // namespace zeva
