#pragma once
// U-value and total thickness of a layer build-up: the one rule that the
// build-up inputs, the data-base save dialogs, the report, the Glaser diagram
// and the variant calculation share.
//
//   R = 0.165 m²K/W (inner and outer surface resistance together)
//     + Dicke / Lambda of every layer with both above 1e-8,
//     + LuftschichtWert(Dicke, fall) for an air layer ("Luftschicht") thicker
//       than 1e-8 m in place of Dicke / Lambda,
//   and a rear ventilation ("Hinterlüftung") swaps the outer surface
//   resistance for 0.25 m²K/W in all and ends the sum: the layers outside it
//   do not count.
//   U = 1/R rounded to 4 significant digits; the thickness is the sum of the
//   thicknesses of all layers, in cm.
//
// luftschichtFall is the direction of heat flow that LuftschichtWert takes:
// 0 wall, 1 roof / flat roof / ceiling, 2 floor.
#include "model/DSchicht.h"

#include <memory>
#include <type_traits>

namespace zeva {

struct SchichtUWert {
    double UWert = 0;   // W/(m²K)
    double DickeCm = 0; // cm
};

// What one layer adds to the thermal resistance of its build-up. A layer
// shows its own resistance only when it has one: the rear ventilation (which
// stands for the changed outer surface), every layer outside it and a layer
// that adds nothing count as not shown.
struct SchichtBeitrag {
    double r = 0;           // m²K/W added to R
    bool eigenerWert = false;
};

class SchichtUWertRechner {
public:
    static constexpr double Oberflaechen = 0.165;
    static constexpr double MitHinterlueftung = 0.25;
    static constexpr double Mindestwert = 1e-8;

    explicit SchichtUWertRechner(int luftschichtFall) : m_fall(luftschichtFall) {}

    SchichtBeitrag Schicht(const DSchicht& s);
    SchichtUWert Ergebnis() const;

private:
    int m_fall;
    double m_r = Oberflaechen;
    double m_dickeM = 0;
    bool m_beendet = false;
};

namespace detail {
inline const DSchicht& AlsSchicht(const DSchicht& s) { return s; }
inline const DSchicht& AlsSchicht(const DSchicht* s) { return *s; }
template <class P>
const DSchicht& AlsSchicht(const P& p)
    requires requires { *p; }
{
    return AlsSchicht(*p);
}
} // namespace detail

// Any range of layers: DSchicht values, pointers or owning pointers, or an
// owning array of layers.
template <class Range>
SchichtUWert BerechneSchichtUWert(const Range& schichten, int luftschichtFall)
{
    SchichtUWertRechner rechner(luftschichtFall);
    for (const auto& s : schichten)
        rechner.Schicht(detail::AlsSchicht(s));
    return rechner.Ergebnis();
}

// Drops the layers equal to a new layer from the end of a build-up, as the
// inputs do before they compute its U-value; empty layers between others
// stay.
void EntferneLeereEndschichten(CObjektArray<DSchicht>& schichten);

} // namespace zeva
