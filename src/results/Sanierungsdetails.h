#pragma once
// The renovation details: one key figure of one variant broken down into
// the six component groups, and the page that shows them. Plain C++; the
// views put the page into the style template and hand the rounded values to
// the chart.
#include <array>
#include <string>

namespace zeva {

class DOptionen;
class Haus;

namespace sandetail {

inline constexpr int AnzahlKriterien = 5; // costs, KEA, CO2, saving, cost saving
inline constexpr int AnzahlGruppen = 6;   // Dach, Decke, Wand, Fenster, Boden, Heizung

// "Sanierungskosten", "KEA", "CO<sub>2</sub>", "Energieeinsparung",
// "Heizkosteneinsparung"; empty outside 0..4.
std::string KriteriumTitel(int kriterium);
// "EUR", "kWh", "t", "kWh/a", "EUR/a"; empty outside 0..4.
std::string Einheit(int kriterium);
std::string GruppenName(int gruppe);
// The group's colour as 0xRRGGBB.
unsigned GruppenFarbe(int gruppe);
// The tab of the variant dialog a group's link opens (Fenster 5, Boden 4).
int GruppenTab(int gruppe);

// The value of group g of variant v for a criterion; 0 outside the ranges.
double Wert(const Haus& haus, const DOptionen& optionen, int kriterium, int variante, int gruppe);

// The page body for criterion and variant; werte receives the six rounded
// group values and the rounded total (the sum of the unrounded values).
std::string Seite(const Haus& haus, const DOptionen& optionen, int kriterium, int variante,
                  std::array<double, 7>& werte);

} // namespace sandetail
} // namespace zeva
