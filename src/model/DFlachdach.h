#pragma once
// A flat roof, warm or cold.
#include "model/DBauteilOpaqueBasis.h"

namespace zeva {

class DFlachdach : public DBauteilOpaqueBasis<DFlachdach, DSFlachdach> {
public:
    static constexpr const char* XmlElementName = "DFlachdach";
    static constexpr bool HatZone = true;
    static constexpr bool HatWarmdach = true;

    // Renovation possible inside / as a core fill / outside by default: 1 / 1 / 1.
    DFlachdach() : DBauteilOpaqueBasis(1, 1, 1) {}
    DFlachdach(const DFlachdach&) = default;
    DFlachdach& operator=(const DFlachdach&) = default;

    using DBauteilOpaqueBasis::SetzeSanierung;
    // A row of SanFlachdach; its roof kind plays no part.
    bool SetzeSanierung(int n, const SanZeileFlachdach& zeile) { return SetzeSanierung(n, zeile.AlsOpaque()); }

    // Border kind; the flat-roof inputs offer no list, so it stays 0 unless a
    // document says otherwise. Not in the older binary form.
    std::int32_t Zone = 0;
    // 1 warm roof ("Warmdach"), 0 cold roof ("Kaltdach").
    std::int32_t Warmdach = 1;
};

using CDFlachdachArray = CXmlObjektArray<DFlachdach>;

} // namespace zeva
