#pragma once
// Where the Glaser check gets its layer build-up from: a component as it would
// be after a renovation measure. The measure pages implement it with their
// pairs of component records; the check itself knows no component record.
#include "results/SanierungsSchicht.h"

#include <cstddef>
#include <iterator>
#include <string>
#include <vector>

namespace zeva {

// The values of one layer that the Glaser check reads.
struct GlaserSchicht {
    std::string Name; // "Luftschicht" marks an air layer
    double Dicke = 0;  // m
    double Lambda = 0; // W/(m·K)
    double Mu = 0;     // water-vapour diffusion resistance factor
};

class CSchichtquelle {
public:
    virtual ~CSchichtquelle() = default;

    // The current build-up, innermost layer first. None in the base.
    virtual std::vector<GlaserSchicht> HoleSchichtaufbau() const { return {}; }

    // Makes the build-up the existing component's layers with the measure's
    // layers placed into it (PlatziereSanierungsschichten). Nothing in the base.
    virtual void UebernehmeSanierungsschichten(const std::vector<SanierungsSchicht>& schichten)
    {
        (void)schichten;
    }
};

// One insertion into a build-up: the measure layer `Schicht` (index into the
// measure's list) goes to position `Index` of the list as it is at that moment.
struct SchichtEinfuegung {
    std::size_t Index = 0;
    std::size_t Schicht = 0;
};

// The insertions, to be applied in order, that place the measure layers into a
// build-up of `anzahl` layers by their placement codes. The series are taken
// in the order 1, 2, …; −1, −2, …; 9, 8, …; 11, 12, …; each stops at the first
// code no layer carries. Of several layers with one code only the first is
// placed, no code is placed twice, and codes 0 and 10 never. A position that
// lies outside the list at that moment goes to the list's nearer end.
std::vector<SchichtEinfuegung> PlatziereSanierungsschichten(std::size_t anzahl,
                                                            const std::vector<SanierungsSchicht>& schichten);

// Applies the placement to a list with insert(iterator, value); `erzeuge`
// makes the list's element from a measure layer.
template <class Liste, class Erzeuge>
void FuegeSanierungsschichtenEin(Liste& liste, const std::vector<SanierungsSchicht>& schichten, Erzeuge erzeuge)
{
    for (const SchichtEinfuegung& e : PlatziereSanierungsschichten(liste.size(), schichten))
        liste.insert(std::next(liste.begin(), static_cast<std::ptrdiff_t>(e.Index)), erzeuge(schichten[e.Schicht]));
}

} // namespace zeva
