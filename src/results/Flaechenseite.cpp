#include "results/Flaechenseite.h"

#include "model/Haus.h"
#include "model/Zahlentext.h"
#include "results/Ergebnisseiten.h"

namespace zeva {

Flaechenkennzahlen BerechneFlaechenkennzahlen(const Haus& h)
{
    Flaechenkennzahlen k;
    k.luftvolumen = h.Volumen;
    k.bruttovolumen = h.Bruttovolumen();
    k.huellflaeche = h.Huellflaeche();
    k.energiebezugsflaeche = h.Energiebezugsflaeche;
    for (const DFenster& f : h.m_aFenster) {
        k.fenster.Addiere(f.Flaeche, f.UWert());
        if (f.Richtung >= 0 && f.Richtung < 8)
            k.fensterNach[static_cast<std::size_t>(f.Richtung)].Addiere(f.Flaeche, f.UWert());
    }
    for (const DWand& w : h.m_aWand) {
        k.wand.Addiere(w.Flaeche, w.kWert);
        if (w.Zone == 0)
            k.wandAussenluft.Addiere(w.Flaeche, w.kWert);
        else if (w.Zone == 2)
            k.wandErdreich.Addiere(w.Flaeche, w.kWert);
        else if (w.Zone >= 3 && w.Zone <= 6)
            k.wandUnbeheizt.Addiere(w.Flaeche, w.kWert);
    }
    for (const DDecke& d : h.m_aDecke)
        k.decke.Addiere(d.Flaeche, d.kWert);
    for (const DSteildach& d : h.m_aSteildach)
        k.steildach.Addiere(d.Flaeche, d.kWert);
    for (const DFlachdach& d : h.m_aFlachdach)
        k.flachdach.Addiere(d.Flaeche, d.kWert);
    for (const DBoden& b : h.m_aBoden)
        k.boden.Addiere(b.Flaeche, b.kWert);
    return k;
}

namespace {

class Zeilenschreiber {
public:
    explicit Zeilenschreiber(std::string& seite) : m_seite(seite) {}

    void Zeile(const char* name, double wert, bool kubik)
    {
        Anfang(name, wert, kubik);
        m_seite += "<td class=\"dataName\">&nbsp;</td></tr>";
    }
    void Zeile(const char* name, const Flaechensumme& summe)
    {
        if (!(summe.flaeche > 0)) {
            Zeile(name, summe.flaeche, false);
            return;
        }
        Anfang(name, summe.flaeche, false);
        m_seite += "<td class=\"dataValue\">";
        m_seite += Zahltext(summe.MittlererUWert(), 3);
        m_seite += "</td></tr>";
    }

private:
    void Anfang(const char* name, double wert, bool kubik)
    {
        m_seite += "<tr class=\"";
        m_seite += Zeilenklasse(m_nZeile++);
        m_seite += "\"><td class=\"dataName\">";
        m_seite += name;
        m_seite += "</td><td class=\"dataValue\">";
        // Areas and volumes to the centimetre's share, not to three digits:
        // 123,5 m² is "123,50 m²".
        m_seite += Zahltext(wert, 2);
        m_seite += kubik ? " m³</td>" : " m²</td>";
    }

    std::string& m_seite;
    int m_nZeile = 0;
};

} // namespace

std::string Flaechenseite(const Haus& h)
{
    const Flaechenkennzahlen k = BerechneFlaechenkennzahlen(h);
    std::string seite =
        "<table width=\"100%\"><col width=\"50%\"><col width=\"25%\"><col width=\"25%\"><thead><tr><th class=\"pageTitle\" "
        "colspan=\"2\">Volumen und Fl&auml;chen</th><td class=\"navLink\" align=\"right\"><a "
        "href=\"#close\">Schließen</a></td></tr><tr><th class=\"pageSubTitle\" colspan=\"2\">";
    seite += HtmlText(h.Beschreibung);
    seite += "</th><th style=\"text-align: center;\">mittlerer U-Wert<br> in W/(m<sup>2</sup>K)</th></tr></thead>";

    Zeilenschreiber z(seite);
    z.Zeile("beheiztes Bruttovolumen:", k.bruttovolumen, true);
    z.Zeile("beheiztes Luftvolumen:", k.luftvolumen, true);
    z.Zeile("Hüllfläche des beheizten Gebäudevolumens:", k.huellflaeche, false);
    static constexpr const char* richtungen[8] = {
        "Fensterfläche Nord:",  "Fensterfläche Nordost:", "Fensterfläche Ost:",  "Fensterfläche Südost:",
        "Fensterfläche Süd:",   "Fensterfläche Südwest:", "Fensterfläche West:", "Fensterfläche Nordwest:"};
    for (std::size_t r = 0; r < 8; ++r)
        z.Zeile(richtungen[r], k.fensterNach[r]);
    z.Zeile("Gesamtfläche Fenster", k.fenster);
    z.Zeile("Wandfläche gegen unbeheizt:", k.wandUnbeheizt);
    z.Zeile("Wandfläche gegen Außenluft:", k.wandAussenluft);
    z.Zeile("Wandfläche gegen Erdreich:", k.wandErdreich);
    z.Zeile("Gesamtfläche Wand:", k.wand);
    z.Zeile("Gesamtfläche Decke:", k.decke);
    z.Zeile("Gesamtfläche Steildach:", k.steildach);
    z.Zeile("Gesamtfläche Flachdach:", k.flachdach);
    z.Zeile("Gesamtfläche Boden:", k.boden);
    z.Zeile("Energiebezugsfläche:", k.energiebezugsflaeche, false);
    seite += "</table>";
    return seite;
}

} // namespace zeva
