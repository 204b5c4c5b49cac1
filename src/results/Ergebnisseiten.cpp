#include "results/Ergebnisseiten.h"

#include "model/DBedarf.h"
#include "model/Haus.h"
#include "model/Kennzahlen.h"
#include "model/Zahlentext.h"

#include <cmath>

namespace zeva {

std::string Werttext(double x)
{
    return Zahltext(x, 2, 3);
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

std::string Bilanzfussnote(int verfahren)
{
    switch (verfahren) {
    case BerechnungEnEV:
        return "<p>Nach der Energieeinsparverordnung (EnEV) ohne Ber&uuml;cksichtigung der Warmwasseranlage.</p>";
    case BerechnungSIA:
        return "<p>Nach der Norm SIA 380/1 ohne Ber&uuml;cksichtigung der Warmwasseranlage.</p>";
    case BerechnungWSVO95:
        return "<p>Nach der W&auml;rmeschutzverordnung (WSVO&acute;95) ohne Ber&uuml;cksichtigung der Heizungs- und "
               "Warmwasseranlage.</p>";
    default: return {};
    }
}

std::string Bilanzseite(const DBedarf& b, int verfahren, int variante, bool heizungGueltig)
{
    // Codes below the annual balance read as the monthly balances; codes
    // above it have no rows.
    const bool monatlich = verfahren < BerechnungWSVO95;
    const bool jaehrlich = verfahren == BerechnungWSVO95;

    std::string seite =
        "<table width=\"100%\"><colgroup><col width=\"75%\"><col width=\"25%\"></colgroup><thead><tr><th class=\"pageTitle\">"
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
        SchreibeBlock(seite, {{"Nutzbare interne Gewinne", NutzbareInterneGewinne(b, verfahren)},
                              {"Nutzbare solare Gewinne", NutzbareSolareGewinne(b, verfahren)}});
    else if (jaehrlich)
        SchreibeBlock(seite, {{"Nutzbare solare Wärmegewinne", NutzbareSolareGewinne(b, verfahren)},
                              {"Nutzbare interne Wärmegewinne", NutzbareInterneGewinne(b, verfahren)}});

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
    seite += Bilanzfussnote(verfahren);
    return seite;
}

} // namespace zeva
