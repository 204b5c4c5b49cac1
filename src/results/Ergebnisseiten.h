#pragma once
// What every HTML result page is made of (the energy balance, the areas
// and volumes, the renovation details): the value text of a figure, the data
// row with its alternating row class, and the page of the energy balance.
// The pages are plain UTF-8 text without head or body element; the views put
// them into the style template.
#include <string>
#include <string_view>

namespace zeva {

class DBedarf;

// What a field shows for a figure that means nothing (a heating that turns
// no heat into fuel energy).
inline constexpr std::string_view KeinWert = "–";

// A figure as the pages show it: three significant digits, two decimals,
// German grouping whatever the locale (123.456 → "123,00", 1234.5 →
// "1.230,00", 0.0123 → "0,01"). A non-finite figure gives an empty text.
std::string Werttext(double x);

// "evenLine" for an even row number, "oddLine" for an odd one.
std::string_view Zeilenklasse(int zeile);

// One row of a result table: label and value text (inserted as given).
void SchreibeZeile(std::string& seite, std::string_view name, std::string_view wert, int zeile);

// The text of a page's own HTML that stands for `text` (&, <, >, ").
std::string HtmlText(std::string_view text);

// The footnote of the energy balance: the regulation the method follows
// (EnEV, SIA 380/1 or WSVO´95); empty for an unknown code.
std::string Bilanzfussnote(int berechnungsverfahren);

// The energy balance of one building state for the house's method: the
// blocks Bedarf, Gewinnpfad and Verlustpfad of the demand record (methods 0
// and 1 one way, method 2 another, any other code the headings only), the
// subtitle "Bestand" or "Variante n", and the footnote. Without a valid
// heating the fuel energy and the losses of the heating show KeinWert.
std::string Bilanzseite(const DBedarf& bedarf, int berechnungsverfahren, int variante, bool heizungGueltig = true);

} // namespace zeva
