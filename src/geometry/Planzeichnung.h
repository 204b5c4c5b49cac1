#pragma once
// The pictures of the plan editor as lists of drawing primitives (lines,
// closed line loops, filled polygons, with colour, line width and stipple),
// in plan coordinates. The editor's OpenGL view replays them; tests read them
// without any graphics. Later steps (height section, roofs, dormer panels)
// add their own primitives the same way.
#include "geometry/Plangeometrie.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zeva {

class CDach;
class Haus;

struct Zeichenprimitiv {
    enum class Art {
        Linien,         // pairs of points, one line each
        Linienschleife, // a closed line through all points
        Polygon,        // a filled convex polygon
    };
    Art art = Art::Linien;
    std::vector<Punkt2D> punkte;
    std::array<float, 4> farbe{0, 0, 0, 1}; // RGBA
    float linienbreite = 1;
    std::uint16_t muster = 0; // line stipple pattern (factor 1); 0 solid
    // Blended over what is drawn (source alpha, one minus source alpha).
    bool mischen = false;
};

using Zeichenliste = std::vector<Zeichenprimitiv>;

// Grid step in metres for the plot width R: 1 up to 25 m, 2 up to 50, 3 up
// to 75, else 4.
double Rasterschritt(double R);

// The plot grid: solid lines every step, stippled lines midway, over the
// whole visible plan (seitenverhaeltnis of the view), and the plot border.
void ZeichneRaster(Zeichenliste& liste, const Haus& haus, double seitenverhaeltnis);

// The outlines of the counted zones; the closing edge of an outline being
// drawn in step 8 is grey. A zone index other than -1 is drawn highlighted.
void ZeichneUmrisse(Zeichenliste& liste, const Haus& haus, int schritt, bool eingabeAktiv, int schnittzone);

// The red crossing marker and the two segments examined, while the house's
// Flag2DKnotenGrundriss is set.
void ZeichneKnoten(Zeichenliste& liste, const Haus& haus, const Pruefspur& spur);

// The blue north arrow with the letter N, about the centre of the square.
void ZeichneNordpfeil(Zeichenliste& liste, const Haus& haus);

// The schematic vertical section of the height step from the house's
// heights (storeys, basement, knee wall, roof and attic storey): line
// segments over the plan square's width W, the ridge at 0.95 W. Nothing when
// the total height is not positive.
void ZeichneHoehenschnitt(Zeichenliste& liste, const Haus& haus);

// A roof on the plan: its outline and ridge, hip and break lines; the roof
// being edited (ausgewaehlt) also with its faces shaded, its junction points
// and its selected point or edge. Nothing for a roof without its points.
void Zeichne2D(Zeichenliste& liste, const CDach& dach, bool ausgewaehlt);

} // namespace zeva
