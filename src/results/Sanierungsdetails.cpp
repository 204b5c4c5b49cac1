#include "results/Sanierungsdetails.h"

#include "model/DOptionen.h"
#include "model/Haus.h"
#include "model/Kennzahlen.h"
#include "model/Zahlentext.h"
#include "results/Ergebnisseiten.h"

#include <cstdio>

namespace zeva::sandetail {

namespace {

constexpr std::array<const char*, AnzahlKriterien> Titel{"Sanierungskosten", "KEA", "CO<sub>2</sub>",
                                                         "Energieeinsparung", "Heizkosteneinsparung"};
constexpr std::array<const char*, AnzahlKriterien> Einheiten{"EUR", "kWh", "t", "kWh/a", "EUR/a"};
constexpr std::array<const char*, AnzahlGruppen> Gruppen{"Dach", "Decke", "Wand", "Fenster", "Boden", "Heizung"};
constexpr std::array<unsigned, AnzahlGruppen> Farben{0x0000f0, 0xf0f000, 0xf000f0, 0x00f0f0, 0xf00000, 0x00f000};

template <class B>
const auto* Massnahme(const B& bauteil, int v)
{
    using Zeiger = decltype(&bauteil.m_aSan[0]);
    if (v < 0 || static_cast<std::size_t>(v) >= bauteil.m_aSan.size())
        return Zeiger{nullptr};
    const auto* m = &bauteil.m_aSan[static_cast<std::size_t>(v)];
    return m->IstLeer() ? Zeiger{nullptr} : m;
}

// Σ (per m² figure of the measure) · area over the components with a measure.
template <class A, class F>
double SummeProFlaeche(const A& bauteile, int v, F feld)
{
    double summe = 0;
    for (const auto& b : bauteile)
        if (const auto* m = Massnahme(b, v))
            summe += feld(*m) * b.Flaeche;
    return summe;
}

template <class F>
double GruppeProFlaeche(const Haus& h, int v, int g, F feld)
{
    switch (g) {
    case 0:
        return SummeProFlaeche(h.m_aFlachdach, v, feld) + SummeProFlaeche(h.m_aSteildach, v, feld);
    case 1:
        return SummeProFlaeche(h.m_aDecke, v, feld);
    case 2:
        return SummeProFlaeche(h.m_aWand, v, feld);
    case 3:
        return SummeProFlaeche(h.m_aFenster, v, feld);
    case 4:
        return SummeProFlaeche(h.m_aBoden, v, feld);
    default:
        return 0;
    }
}

// The group's part of the variant's costs: its rows as the total counts
// them, in whole euros, so that the groups add up to Gesamtkosten.
double Kosten(const Haus& h, const DOptionen& o, int v, int g)
{
    static constexpr std::array<const char*, AnzahlGruppen> Zeilengruppen{"Dach", "Decke", "Wand", "Fenster",
                                                                          "Boden", "Heizung"};
    if (g < 0 || g >= AnzahlGruppen)
        return 0;
    double summe = 0;
    for (const Haus::Kostenposten& p : h.Kostenzeilen(v, o)) {
        const bool dach = p.gruppe == "Flachdach" || p.gruppe == "Steildach";
        if ((dach && g == 0) || p.gruppe == Zeilengruppen[static_cast<std::size_t>(g)])
            summe += p.preis;
    }
    return summe;
}

} // namespace

std::string KriteriumTitel(int k)
{
    return k >= 0 && k < AnzahlKriterien ? Titel[static_cast<std::size_t>(k)] : "";
}

std::string Einheit(int k)
{
    return k >= 0 && k < AnzahlKriterien ? Einheiten[static_cast<std::size_t>(k)] : "";
}

std::string GruppenName(int g)
{
    return g >= 0 && g < AnzahlGruppen ? Gruppen[static_cast<std::size_t>(g)] : "";
}

unsigned GruppenFarbe(int g)
{
    return g >= 0 && g < AnzahlGruppen ? Farben[static_cast<std::size_t>(g)] : 0;
}

int GruppenTab(int g)
{
    // The variant dialog has the floor's tab before the window's.
    if (g == 3)
        return 5;
    if (g == 4)
        return 4;
    return g + 1;
}

double Wert(const Haus& h, const DOptionen& o, int k, int v, int g)
{
    if (g < 0 || g >= AnzahlGruppen || !h.IstZustand(v) || v < 1)
        return 0;
    const auto iv = static_cast<std::size_t>(v);
    switch (k) {
    case 0:
        return Kosten(h, o, v, g);
    case 1:
        if (g == 5)
            return h.m_aHeizung[iv].Kea;
        return GruppeProFlaeche(h, v, g, [](const DSBauteil& m) { return m.Kea; });
    case 2:
        if (g == 5)
            return h.m_aHeizung[iv].Co2 * 0.001;
        return GruppeProFlaeche(h, v, g, [](const DSBauteil& m) { return m.Co2; }) * 0.001;
    case 3:
        return Energieeinsparungen(h, v).gruppen[static_cast<std::size_t>(g)];
    case 4:
        return Heizkosteneinsparungen(h, v, o).gruppen[static_cast<std::size_t>(g)];
    default:
        return 0;
    }
}

std::string Seite(const Haus& h, const DOptionen& o, int k, int v, std::array<double, 7>& werte)
{
    std::string s;
    s += "<table cellspacing=\"0px\" cellpadding=\"0px\" width=\"100%\"><tr><td class=\"pageTitle\">";
    s += KriteriumTitel(k);
    s += "</td><td class=\"navLink\" align=\"right\"><a href=\"#close\">Schließen</a></td></tr>"
         "<tr><td class=\"pageSubTitle\">Variante ";
    s += std::to_string(v);
    s += "</td><td class=\"oddLine\" align=\"center\"><a class=\"navLink\" href=\"#prev\">&lt; Vorherige</a>"
         "&nbsp;&nbsp;<a class=\"navLink\" href=\"#next\">N&auml;chste &gt;</a></td></tr></table>";
    s += "<p><table cellspacing=\"0px\" cellpadding=\"4px\" align=\"center\" width=\"100%\" class=\"report\">"
         "<tr><td class=\"headerRef\">&nbsp;</td><td class=\"headerName\">Bauteilgruppe</td><td class=\"headerValue\">";
    s += Einheit(k);
    s += "</td></tr>";
    // The savings add up to what the variant really saves: how the measures
    // act together stands in a row of its own.
    const bool einsparung = k == 3 || k == 4;
    // Money in whole euros (the groups' rows are whole euros already, so
    // they add up to the total); the other figures to three digits.
    const bool geld = k == 0 || k == 4;
    const auto text = [geld](double x) { return geld ? Geldtext(x) : Werttext(x); };
    Gruppeneinsparungen gezeigt;
    if (einsparung) {
        const Gruppeneinsparungen e = k == 3 ? Energieeinsparungen(h, v) : Heizkosteneinsparungen(h, v, o);
        gezeigt = geld ? e.InGanzenEuro() : e.Gerundet(3);
    }
    double summe = 0;
    for (int g = 0; g < AnzahlGruppen; ++g) {
        const double x = Wert(h, o, k, v, g);
        summe += x;
        const double r = geld ? GanzeEuro(x) : RundeSignifikant(x, 3);
        werte[static_cast<std::size_t>(g)] = r;
        const unsigned farbe = GruppenFarbe(g);
        char zeile[512];
        std::snprintf(zeile, sizeof zeile,
                      "<tr class=\"%s\"><td class=\"dataRef\" style=\"color : #%02x%02x%02x\">&#x2588;&#x2588;</td>"
                      "<td class=\"dataName\"><a href=\"#%d\">%s</a></td><td class=\"dataValue\">%s</td></tr>",
                      std::string(Zeilenklasse(g)).c_str(), (farbe >> 16) & 0xff, (farbe >> 8) & 0xff, farbe & 0xff,
                      g, GruppenName(g).c_str(), text(r).c_str());
        s += zeile;
    }
    werte[6] = einsparung ? gezeigt.gesamt : (geld ? GanzeEuro(summe) : RundeSignifikant(summe, 3));
    if (einsparung) {
        s += "<tr class=\"";
        s += Zeilenklasse(AnzahlGruppen);
        s += "\"><td class=\"dataRef\">&nbsp;</td><td class=\"dataName\">Wechselwirkung der Ma&szlig;nahmen</td>"
             "<td class=\"dataValue\">";
        s += geld ? Geldtext(gezeigt.Wechselwirkung()) : Zahltext(gezeigt.Wechselwirkung(), 2);
        s += "</td></tr>";
    }
    // A rule, not a filled row: the view gives an empty cell a full line's
    // height whatever its CSS height says.
    s += "<tr><td colspan=\"3\" class=\"sumDiv\"><hr></td></tr><tr><td class=\"sumRef\">&nbsp;</td>"
         "<td class=\"sumName\">Gesamt</td><td class=\"sumValue\">";
    s += text(werte[6]);
    s += "</td></tr>";
    s += "</tr></table></p>";
    return s;
}

} // namespace zeva::sandetail
