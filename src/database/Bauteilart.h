#pragma once
// The five opaque component kinds with the tables that hold their
// construction types and layers in the existing-components data base.
namespace zeva {

enum class Bauteilart { Boden, Decke, Flachdach, Steildach, Wand };

inline constexpr Bauteilart AlleBauteilarten[] = {Bauteilart::Boden, Bauteilart::Decke,
                                                  Bauteilart::Flachdach, Bauteilart::Steildach,
                                                  Bauteilart::Wand};

struct BauteilartTabellen {
    const char* typen;     // "Boden"
    const char* schluessel; // "Boden-ID", in the type and in the layer table
    const char* schichten; // "Bodenschicht"
    // Direction of heat flow for air layers in the build-up U-value of the
    // details dialogs: 0 for walls, 1 for every other kind.
    int luftschichtFall;
};

constexpr BauteilartTabellen Tabellen(Bauteilart art)
{
    switch (art) {
    case Bauteilart::Boden: return {"Boden", "Boden-ID", "Bodenschicht", 1};
    case Bauteilart::Decke: return {"Decke", "Decke-ID", "Deckeschicht", 1};
    case Bauteilart::Flachdach: return {"Flachdach", "Flachdach-ID", "Flachdachschicht", 1};
    case Bauteilart::Steildach: return {"Steildach", "Steildach-ID", "Steildachschicht", 1};
    case Bauteilart::Wand: return {"Wand", "Wand-ID", "Wandschicht", 0};
    }
    return {"Wand", "Wand-ID", "Wandschicht", 0};
}

} // namespace zeva
