#pragma once
// The geometry of the drawn charts: the energy-flow (Sankey) polygons, the
// axis maximum and layout of the bar charts, the mappings and greys of the
// Glaser diagram, and the German number texts they carry. Plain C++ (no Qt),
// so the shapes are computed and tested without a window.
//
// Every chart is laid out in fractions of its drawing area and truncated to
// integers where a coordinate is formed. The same numbers serve the screen
// (pixels, y down) and the printed page (tenths of a millimetre, y up: the
// area's height is negative there).
#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace zeva {

class DBedarf;

namespace diagramm {

// A double as a drawing coordinate: truncated toward zero; a non-finite
// value gives 0 and the result is held within ±2^24, so that no NaN,
// infinity or integer overflow reaches the painter. Several totals of the
// charts can be 0 and are divided by; this is the one place that catches it.
int Ganz(double x);
inline constexpr int GanzGrenze = 1 << 24;
// How many values Ganz had to replace or clamp since the last reset.
std::size_t AnzahlBegrenzt();
void SetzeBegrenztZurueck();

struct Ecke {
    int x = 0;
    int y = 0;
    friend bool operator==(const Ecke&, const Ecke&) = default;
};

// A drawing area: left, top, width and height (the height negative on paper).
struct Bereich {
    double L = 0;
    double T = 0;
    double W = 0;
    double H = 0;
    int X(double f) const { return Ganz(L + f * W); }
    int Y(double f) const { return Ganz(T + f * H); }
};

// German number text with a fixed number of decimals, whatever the locale:
// Zahl(12.34, 1) is "12,3". A non-finite value shows as 0.
std::string Zahl(double x, int nachkomma);

// ---- Energy flow (Sankey)

// Half the band thickness per unit share and unit height.
inline constexpr double SankeyK = 0.119058;

// The annual flows of one building state, kWh/(m²a).
struct Energiefluesse {
    double Intern = 0;
    double Solar = 0;
    double Heizenergie = 0;
    double Dach = 0;
    double Waende = 0;
    double Fenster = 0;
    double Lueftung = 0;
    double Boden = 0;
    double Heizungsverlust = 0; // signed: a condensing boiler gains

    static Energiefluesse Aus(const DBedarf& bedarf);

    double Zufuhr() const { return Heizenergie + Solar + Intern; }
    // Heating losses count only when they are losses.
    double Verlust() const;
};

// The shares of the flows in their totals.
struct Anteile {
    double fH = 0, fS = 0, fI = 0;                         // supply
    double fR = 0, fWa = 0, fWi = 0, fV = 0, fB = 0, fQ = 0; // losses (fQ signed)
    // False when a total is not above 0: then no band can be drawn.
    bool Zeichenbar = false;

    static Anteile Aus(const Energiefluesse& e);
};

struct SankeyPolygone {
    std::array<Ecke, 4> Haus;
    std::array<Ecke, 17> Zufuhr;
    std::array<Ecke, 40> Verluste;
};

// The three polygons for the area and the shares (vertex n of a table is
// index n − 1). `heizungsverlustPositiv` decides the heating-loss arrow.
SankeyPolygone SankeyEcken(const Bereich& b, const Anteile& a, bool heizungsverlustPositiv);

// ---- Bar charts

// The value of the top tick for the largest bar total M: a round number
// just above it. 0 when M is at most 0.5 or not finite (nothing to scale).
long Achsenmaximum(double m);

// The monthly chart's horizontal layout between x0 and x1.
struct Monatslayout {
    int u = 0; // gap unit
    int b = 0; // bar width
    int x0 = 0;
    int BalkenX(int monat) const { return (3 * monat + 1) * u + x0; }
    static Monatslayout Aus(int x0, int x1);
};

// "JAN" … "DEZ".
const std::array<const char*, 12>& Monatsnamen();

// ---- Glaser diagram

struct GlaserLayout {
    int g = 0;       // margin
    int tick = 0;    // tick length
    int hl = 0;      // legend height
    int W = 0;       // width of the sd axis
    int H = 0;       // height of the axes
    // For a drawing w × h; the legend takes h / divisor.
    static GlaserLayout Aus(int w, int h, int legendenteiler);
};

// x on the sd axis (m) → device x; SD the whole sd.
int GlaserX(double x, int x0, int W, double sd);
// Temperature (°C) → device y; −10 °C at the bottom B, 20 °C at the top.
int GlaserTemperaturY(double t, int B, int H);
// Pressure (Pa) → device y; 2500 Pa at the top.
int GlaserDruckY(double p, int B, int H);
// The grey of layer i (0 white, darker by 19.2 per layer, wrapping round).
int SchichtGrau(int i);
// The six labels of the sd axis: SD in fifths, two decimals.
std::vector<std::string> SdBeschriftungen(double sd);

} // namespace diagramm
} // namespace zeva
