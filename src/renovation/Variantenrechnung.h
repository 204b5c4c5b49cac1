#pragma once
// What the window, heating and calculation pages of a variant and the
// variant pane work out without a window: the row texts of a window with its
// measure, the measure a chosen window row gives, the distribution types and
// single-room generators of the heating page with their efficiencies, the
// test for the automatic boiler efficiency, the figures of the calculation
// page, the key figures of a variant and which groups carry measures. Plain
// C++, no Qt.
#include "model/DFenster.h"
#include "model/Kennzahlen.h"
#include "model/SanierungsZeile.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace zeva {

class DOptionen;
class Haus;

// ----- windows ------------------------------------------------------------------

// The six cell texts of window i with its measure (none: empty measure
// texts): number, short name, glazing, measure name, the measure's overall
// U-value (1 − r)·Ug + r·Uf and its price to the cent.
std::array<std::string, 6> Fensterzeilentexte(int i, const DFenster& fenster, const DSFenster* massnahme);

// Gives measure m the chosen window row: name, texts, glass U and g, life,
// CO2 and KEA from the row; the frame U of the row only when the frame is
// replaced, else the window's own; the price on the window's area. The frame
// share and the picture stay.
void WendeFensterauswahlAn(DSFenster& m, const SanZeileFenster& zeile, double preisfix, double preisProQm,
                           const DFenster& fenster, bool rahmenAustauschen);

// ----- heating ------------------------------------------------------------------------

struct Auswahlwert {
    const char* text;
    double prozent;
};

// The four distribution types and the distribution efficiency (per cent)
// each one sets.
const std::vector<Auswahlwert>& Verteilungsarten();
// The single-room generators of a fuel with their efficiency (per cent), in
// the order of the table; fuels 4 to 7 and unknown codes have none.
const std::vector<Auswahlwert>& Waermeerzeuger(int brennstoff);
// The efficiency a generator text sets: 0 for an empty text, the table's
// value for a known one, else `bisher`.
double WirkungsgradDesErzeugers(int brennstoff, const std::string& text, double bisher);

// The boiler fields of the heating page, as the user typed them (per cent
// where the page shows per cent).
struct Kesselfelder {
    double nennleistung = 0;  // kW
    double einschaltdauer = 0; // h/a
    double abgas = 0;
    double strahlung = 0;
    double bereitschaft = 0;
    double verteilung = 0; // distribution efficiency, per cent
};

// Whether the fields give a boiler whose annual efficiency can be worked out
// for the heat demand d (MJ per year): distribution above 1 %, losses from 0
// to 100 % with one of them not 0, power above 0.1 kW, switch-on time from 0
// to 8760 h and power·time enough for d.
bool KesselnutzungsgradBerechenbar(const Kesselfelder& k, double d);
// Whether a boiler of that power and switch-on time covers d (MJ per year).
bool DecktWaermebedarf(double nennleistung, double einschaltdauer, double d);

// ----- calculation page -----------------------------------------------------------------

struct Berechnungswerte {
    double A = 0;       // Energiebezugsflaeche, m²
    double V = 0;       // Volumen, m³
    double B0 = 0, Bn = 0; // Brennstoffenergiebedarf of states 0 and n, kWh/m²a
    double Q0 = 0, Qn = 0; // Waermebedarf of states 0 and n
    double P0 = 0, Pn = 0; // fuel prices of the two heatings, EUR/kWh
    double Gn = 0;      // Gesamtkosten of the variant, EUR
    double Jn = 0;      // GesamtkostenProJahr of the variant, EUR/a
    double Sowieso = 0; // costs that arise anyway, EUR
};

// The kinds of figure on the calculation page (Berechnungstext).
enum class Feldart {
    Energie, // three significant digits (Kennwerttext)
    Geld,    // whole euros (Geldtext)
    Satz,    // a rate per m² or per 1000 EUR: two decimals
};
// A figure of the calculation page by the rule of its kind; "###" for a
// negative, too large (ten digits) or non-finite value.
std::string Berechnungstext(double x, Feldart art = Feldart::Energie);
// The texts of the calculation page by control id for a method: all sixteen
// for methods 0 and 1, the six of the first group for method 2, none for any
// other code.
std::vector<std::pair<int, std::string>> Berechnungstexte(const Berechnungswerte& w, int verfahren);
// The values of states 0 and n of a computed house, with the options' prices.
Berechnungswerte LeseBerechnungswerte(const Haus& haus, int n, const DOptionen& optionen);

// ----- variant pane --------------------------------------------------------------------

// The key figures of variant n as the pane shows them: per field (costs,
// KEA, CO2, energy saving, heating-cost saving) the whole-house value and
// the value per m² of the heated area.
std::array<std::pair<double, double>, 5> SanKenndaten(const Haus& haus, int n, const DOptionen& optionen);

// Which groups carry a measure in variant n: roof (flat or pitched), ceiling,
// wall, window, floor, and the heating when it differs from the existing one.
enum Massnahmengruppe { MarkeDach, MarkeDecke, MarkeWand, MarkeFenster, MarkeBoden, MarkeHeizung };
std::array<bool, 6> SanierteGruppen(const Haus& haus, int n);
// The tab of the variant dialog a group's button opens ("Dach": pitched roof).
int TabDerGruppe(int gruppe);

} // namespace zeva
