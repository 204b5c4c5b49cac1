#include "results/Ergebnisseiten.h"

#include "model/DBedarf.h"
#include "model/Haus.h"
#include "model/Kennzahlen.h"
#include "model/Zahlentext.h"

#include <charconv>
#include <cmath>

namespace zeva {

std::string Werttext(double x)
{
    if (!std::isfinite(x))
        return {};
    // The shortest exact text of the rounded figure: the cut to two decimals
    // is then made on its digits, half away from zero as everywhere in the
    // program (0.625 shows "0,63").
    char puffer[400];
    const double gerundet = RundeSignifikant(x, 3);
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, gerundet, std::chars_format::fixed);
    if (fehler != std::errc())
        return {};
    std::string text(puffer, ende);
    if (!FormatiereTausender(text, false, 3))
        return {};
    return text;
}

std::string_view Zeilenklasse(int zeile)
{
    return zeile % 2 != 0 ? std::string_view("oddLine") : std::string_view("evenLine");
}

void SchreibeZeile(std::string& seite, std::string_view name, std::string_view wert, int zeile)
{
    seite += "<tr class=\"";
    seite += Zeilenklasse(zeile);
    seite += "\"><td class=\"dataName\">";
    seite += name;
    seite += "</td><td class=\"dataValue\">";
    seite += wert;
    seite += "</td></tr>";
}

std::string HtmlText(std::string_view text)
{
    std::string ergebnis;
    ergebnis.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&': ergebnis += "&amp;"; break;
        case '<': ergebnis += "&lt;"; break;
        case '>': ergebnis += "&gt;"; break;
        case '"': ergebnis += "&quot;"; break;
        default: ergebnis += c;
        }
    }
    return ergebnis;
}

namespace {

struct Zeile {
    const char* name;
    double wert;
    bool gueltig = true;
};

void SchreibeBlock(std::string& seite, std::initializer_list<Zeile> zeilen)
{
    int nummer = 0;
    for (const Zeile& z : zeilen)
        SchreibeZeile(seite, z.name, z.gueltig ? Werttext(z.wert) : std::string(KeinWert), nummer++);
}

} // namespace

std::string Bilanzseite(const DBedarf& b, int verfahren, int variante, bool heizungGueltig)
{
    // Codes below the annual balance read as the monthly balances; codes
    // above it have no rows.
    const bool monatlich = verfahren < BerechnungWSVO95;
    const bool jaehrlich = verfahren == BerechnungWSVO95;

    std::string seite =
        "<table><colgroup><col width=\"75%\"><col width=\"25%\"></colgroup><thead><tr><th class=\"pageTitle\">"
        "Berechnung der Energiebilanz</th><th>&nbsp;</th></tr><tr><th class=\"pageSubTitle\">";
    seite += variante == 0 ? std::string("Bestand") : "Variante " + std::to_string(variante);
    seite += "</th><th>&nbsp;</th></tr></thead><tbody><tr><th class=\"headerRef\">Bedarf</th>"
             "<th class=\"headerValue\">kWh/m<sup>2</sup></th></tr>";
    if (monatlich)
        SchreibeBlock(seite, {{"Heizenergiebedarf", Heizenergiebedarf(b, BerechnungEnEV), heizungGueltig},
                              {"Heizwärmebedarf", Heizwaermebedarf(b, BerechnungEnEV)}});
    else if (jaehrlich)
        SchreibeBlock(seite, {{"Heizwärmebedarf", Heizwaermebedarf(b, BerechnungWSVO95)}});

    seite += "<tr><td colspan=\"2\">&nbsp;</td></tr><tr><th class=\"headerRef\">Gewinnpfad</th>"
             "<th class=\"headerValue\">kWh/m<sup>2</sup></th></tr>";
    if (monatlich)
        SchreibeBlock(seite, {{"Nutzbare interne Gewinne", b.PersonenNutzbar + b.ElektrizitaetNutzbar},
                              {"Nutzbare solare Gewinne", b.Fenstergewinnnutzbarsumme}});
    else if (jaehrlich)
        SchreibeBlock(seite, {{"Nutzbare solare Wärmegewinne", b.Fenstergewinnsumme},
                              {"Nutzbare interne Wärmegewinne", b.Elektrizitaet}});

    seite += "<tr><td colspan=\"2\">&nbsp;</td></tr><tr><td class=\"headerRef\">Verlustpfad</td>"
             "<td class=\"headerValue\">kWh/m<sup>2</sup></td></tr>";
    if (monatlich)
        SchreibeBlock(seite, {{"Verluste im Heizungssystem", b.Heizungsverlust, heizungGueltig},
                              {"Lüftungsverluste", b.Lueftung},
                              {"Wärmeverluste Dach", b.Flachdachsumme + b.Steildachsumme},
                              {"Wärmeverluste Decke", b.Deckesumme},
                              {"Wärmeverluste Wand", b.Wandsumme},
                              {"Wärmeverluste Boden", b.Bodensumme},
                              {"Wärmeverluste Fenster", b.Fensterverlustsumme}});
    else if (jaehrlich)
        SchreibeBlock(seite, {{"Transmissionswärmeverluste Boden", b.Bodensumme},
                              {"Transmissionswärmeverluste Dach", b.Deckesumme + b.Steildachsumme + b.Flachdachsumme},
                              {"Transmissionswärmeverluste Fenster", b.Fensterverlustsumme},
                              {"Transmissionswärmeverluste Wand", b.Wandsumme},
                              {"Lüftungswärmeverluste", b.Lueftung}});
    seite += "</table>";
    seite += "<p>Nach der Energieeinsparverordnung (EnEV) ohne Ber&uuml;cksichtigung der Warmwasseranlage.</p>";
    return seite;
}

} // namespace zeva
