// The HTML result pages as text: the value text of a figure, the energy
// balance of every method and the areas and volumes of a house.
#include "model/DBedarf.h"
#include "model/Haus.h"
#include "results/Ergebnisseiten.h"
#include "results/Flaechenseite.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <regex>
#include <string>
#include <vector>

namespace zeva {
namespace {

struct Zeile {
    std::string klasse;
    std::string name;
    std::string wert;
    std::string dritte; // third cell of the areas page: "" when empty
    bool operator==(const Zeile&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Zeile& z)
{
    return os << z.klasse << " | " << z.name << " | " << z.wert << " | " << z.dritte;
}

std::vector<Zeile> Bilanzzeilen(const std::string& seite)
{
    static const std::regex muster(
        R"re(<tr class="([a-zA-Z]+)"><td class="dataName">([^<]*)</td><td class="dataValue">([^<]*)</td></tr>)re");
    std::vector<Zeile> zeilen;
    for (auto it = std::sregex_iterator(seite.begin(), seite.end(), muster); it != std::sregex_iterator(); ++it)
        zeilen.push_back({(*it)[1], (*it)[2], (*it)[3], {}});
    return zeilen;
}

std::vector<Zeile> Flaechenzeilen(const std::string& seite)
{
    static const std::regex muster(
        R"re(<tr class="([a-zA-Z]+)"><td class="dataName">([^<]*)</td><td class="dataValue">([^<]*)</td>)re"
        R"re(<td class="(dataName|dataValue)">([^<]*)</td></tr>)re");
    std::vector<Zeile> zeilen;
    for (auto it = std::sregex_iterator(seite.begin(), seite.end(), muster); it != std::sregex_iterator(); ++it) {
        const bool leer = (*it)[4] == "dataName";
        EXPECT_TRUE(!leer || (*it)[5] == "&nbsp;") << (*it)[0];
        zeilen.push_back({(*it)[1], (*it)[2], (*it)[3], leer ? std::string() : std::string((*it)[5])});
    }
    return zeilen;
}

std::string Klasse(int i)
{
    return i % 2 ? "oddLine" : "evenLine";
}

TEST(Werttext, DreiStellenZweiNachkommastellenDeutsch)
{
    struct Fall {
        double x;
        const char* text;
    };
    for (const Fall& f : {Fall{123.456, "123,00"}, Fall{987.65, "988,00"}, Fall{0.0123, "0,01"},
                          Fall{1234.5, "1.230,00"}, Fall{0, "0,00"}, Fall{0.625, "0,63"}, Fall{-45.67, "-45,70"},
                          Fall{2345678, "2.350.000,00"}})
        EXPECT_EQ(Werttext(f.x), f.text) << f.x;
    EXPECT_EQ(Werttext(std::numeric_limits<double>::quiet_NaN()), "");
    EXPECT_EQ(Werttext(std::numeric_limits<double>::infinity()), "");
}

DBedarf Beispielbedarf()
{
    DBedarf b;
    b.Brennstoffenergiebedarf = 123.456;
    b.Waermebedarf = 200;
    b.PersonenNutzbar = 10;
    b.ElektrizitaetNutzbar = 5;
    b.Fenstergewinnnutzbarsumme = 20;
    b.Heizungsverlust = 11;
    b.Lueftung = 30;
    b.Flachdachsumme = 1;
    b.Steildachsumme = 2;
    b.Deckesumme = 4;
    b.Wandsumme = 40;
    b.Bodensumme = 50;
    b.Fensterverlustsumme = 60;
    b.Fenstergewinnsumme = 70;
    b.Elektrizitaet = 80;
    return b;
}

// Rows of the three blocks, each block's classes counted from "evenLine".
std::vector<Zeile> Bloecke(std::initializer_list<std::vector<std::pair<const char*, const char*>>> bloecke)
{
    std::vector<Zeile> zeilen;
    for (const auto& block : bloecke) {
        int i = 0;
        for (const auto& [name, wert] : block)
            zeilen.push_back({Klasse(i++), name, wert, {}});
    }
    return zeilen;
}

TEST(Bilanzseite, MonatsbilanzenZeigenZweiZweiUndSiebenZeilen)
{
    const std::vector<Zeile> erwartet = Bloecke({{{"Heizenergiebedarf", "123,00"}, {"Heizwärmebedarf", "165,00"}},
                                                 {{"Nutzbare interne Gewinne", "15,00"},
                                                  {"Nutzbare solare Gewinne", "20,00"}},
                                                 {{"Verluste im Heizungssystem", "11,00"},
                                                  {"Lüftungsverluste", "30,00"},
                                                  {"Wärmeverluste Dach", "3,00"},
                                                  {"Wärmeverluste Decke", "4,00"},
                                                  {"Wärmeverluste Wand", "40,00"},
                                                  {"Wärmeverluste Boden", "50,00"},
                                                  {"Wärmeverluste Fenster", "60,00"}}});
    // A code below the annual balance reads as a monthly balance.
    for (const int verfahren : {0, 1, -1})
        EXPECT_EQ(Bilanzzeilen(Bilanzseite(Beispielbedarf(), verfahren, 0)), erwartet) << verfahren;
}

TEST(Bilanzseite, JahresbilanzZeigtEineZweiUndFuenfZeilen)
{
    const std::vector<Zeile> erwartet = Bloecke({{{"Heizwärmebedarf", "200,00"}},
                                                 {{"Nutzbare solare Wärmegewinne", "70,00"},
                                                  {"Nutzbare interne Wärmegewinne", "80,00"}},
                                                 {{"Transmissionswärmeverluste Boden", "50,00"},
                                                  {"Transmissionswärmeverluste Dach", "7,00"},
                                                  {"Transmissionswärmeverluste Fenster", "60,00"},
                                                  {"Transmissionswärmeverluste Wand", "40,00"},
                                                  {"Lüftungswärmeverluste", "30,00"}}});
    EXPECT_EQ(Bilanzzeilen(Bilanzseite(Beispielbedarf(), 2, 0)), erwartet);
}

TEST(Bilanzseite, KopfUeberschriftenUndFussnoteWortgetreu)
{
    const std::string kopf =
        "<table width=\"100%\"><colgroup><col width=\"75%\"><col width=\"25%\"></colgroup><thead><tr><th class=\"pageTitle\">"
        "Berechnung der Energiebilanz</th><th>&nbsp;</th></tr><tr><th class=\"pageSubTitle\">";
    const std::string bedarf = "</th><th>&nbsp;</th></tr></thead><tbody><tr><th class=\"headerRef\">Bedarf</th>"
                               "<th class=\"headerValue\">kWh/m<sup>2</sup></th></tr>";
    const std::string gewinn = "<tr><td colspan=\"2\">&nbsp;</td></tr><tr><th class=\"headerRef\">Gewinnpfad</th>"
                               "<th class=\"headerValue\">kWh/m<sup>2</sup></th></tr>";
    const std::string verlust = "<tr><td colspan=\"2\">&nbsp;</td></tr><tr><td class=\"headerRef\">Verlustpfad</td>"
                                "<td class=\"headerValue\">kWh/m<sup>2</sup></td></tr>";
    // The footnote names the regulation of the method that gave the figures.
    const std::string fuss[] = {
        "</table><p>Nach der Energieeinsparverordnung (EnEV) ohne Ber&uuml;cksichtigung der Warmwasseranlage.</p>",
        "</table><p>Nach der Norm SIA 380/1 ohne Ber&uuml;cksichtigung der Warmwasseranlage.</p>",
        "</table><p>Nach der W&auml;rmeschutzverordnung (WSVO&acute;95) ohne Ber&uuml;cksichtigung der Heizungs- "
        "und Warmwasseranlage.</p>"};

    // A method the page does not know writes the headings without rows and
    // names no regulation.
    EXPECT_EQ(Bilanzseite(Beispielbedarf(), 3, 0), kopf + "Bestand" + bedarf + gewinn + verlust + "</table>");
    EXPECT_EQ(Bilanzseite(Beispielbedarf(), 3, 3), kopf + "Variante 3" + bedarf + gewinn + verlust + "</table>");
    for (const int verfahren : {0, 1, 2}) {
        const std::string seite = Bilanzseite(Beispielbedarf(), verfahren, 3);
        EXPECT_EQ(seite.rfind(kopf + "Variante 3" + bedarf + "<tr class=\"evenLine\">", 0), 0u);
        EXPECT_NE(seite.find(gewinn + "<tr class=\"evenLine\">"), std::string::npos);
        EXPECT_NE(seite.find(verlust + "<tr class=\"evenLine\">"), std::string::npos);
        EXPECT_TRUE(seite.ends_with(fuss[verfahren])) << verfahren;
        for (int anderes = 0; anderes < 3; ++anderes) {
            if (anderes != verfahren) {
                EXPECT_EQ(seite.find(fuss[anderes].substr(8)), std::string::npos) << verfahren << anderes;
            }
        }
    }
}

TEST(Bilanzseite, UngueltigeHeizungZeigtStrichStattBrennstoffzahlen)
{
    const std::vector<Zeile> zeilen = Bilanzzeilen(Bilanzseite(Beispielbedarf(), 0, 1, false));
    ASSERT_EQ(zeilen.size(), 11u);
    EXPECT_EQ(zeilen[0], (Zeile{"evenLine", "Heizenergiebedarf", "–", {}}));
    EXPECT_EQ(zeilen[1].wert, "165,00");
    EXPECT_EQ(zeilen[4], (Zeile{"evenLine", "Verluste im Heizungssystem", "–", {}}));
    EXPECT_EQ(zeilen[5].wert, "30,00");
    // The annual balance has no fuel figure to distrust.
    EXPECT_EQ(Bilanzzeilen(Bilanzseite(Beispielbedarf(), 2, 1, false))[0].wert, "200,00");
}

DWand Wand(double a, double u, int zone)
{
    DWand w;
    w.Flaeche = a;
    w.kWert = u;
    w.Zone = zone;
    return w;
}

TEST(Flaechenseite, EinSuedfensterUndEineWandGegenBeheizt)
{
    Haus h;
    h.Volumen = 400;
    h.Energiebezugsflaeche = 150;
    DFenster f;
    f.Flaeche = 2;
    f.Richtung = 4;
    f.Rahmenanteil = 0.3;
    f.kWertGlas = 1.1;
    f.kWertRahmen = 1.5;
    h.m_aFenster.Add(f);
    h.m_aWand.Add(Wand(30, 0.5, 1));

    const std::string seite = Flaechenseite(h);
    const std::vector<Zeile> z = Flaechenzeilen(seite);
    ASSERT_EQ(z.size(), 21u);
    for (int i = 0; i < 21; ++i)
        EXPECT_EQ(z[static_cast<std::size_t>(i)].klasse, Klasse(i)) << i;
    // The gross volume the air volume was made from: a house of at most two
    // storeys counts 0,76 of it as air.
    EXPECT_EQ(z[0], (Zeile{"evenLine", "beheiztes Bruttovolumen:", "526,32 m³", ""}));
    EXPECT_EQ(z[1], (Zeile{"oddLine", "beheiztes Luftvolumen:", "400,00 m³", ""}));
    // The envelope holds the wall against a heated space as well.
    EXPECT_EQ(z[2], (Zeile{"evenLine", "Hüllfläche des beheizten Gebäudevolumens:", "32,00 m²", ""}));
    EXPECT_EQ(h.Huellflaeche(), 32);
    const char* richtungen[8] = {"Nord", "Nordost", "Ost", "Südost", "Süd", "Südwest", "West", "Nordwest"};
    for (std::size_t r = 0; r < 8; ++r) {
        const Zeile& zeile = z[3 + r];
        EXPECT_EQ(zeile.name, std::string("Fensterfläche ") + richtungen[r] + ":");
        EXPECT_EQ(zeile.wert, r == 4 ? "2,00 m²" : "0,00 m²");
        EXPECT_EQ(zeile.dritte, r == 4 ? "1,220" : "");
    }
    EXPECT_EQ(z[11], (Zeile{"oddLine", "Gesamtfläche Fenster", "2,00 m²", "1,220"}));
    EXPECT_EQ(z[12], (Zeile{"evenLine", "Wandfläche gegen unbeheizt:", "0,00 m²", ""}));
    EXPECT_EQ(z[13], (Zeile{"oddLine", "Wandfläche gegen Außenluft:", "0,00 m²", ""}));
    EXPECT_EQ(z[14], (Zeile{"evenLine", "Wandfläche gegen Erdreich:", "0,00 m²", ""}));
    EXPECT_EQ(z[15], (Zeile{"oddLine", "Gesamtfläche Wand:", "30,00 m²", "0,500"}));
    EXPECT_EQ(z[16].name, "Gesamtfläche Decke:");
    EXPECT_EQ(z[17].name, "Gesamtfläche Steildach:");
    EXPECT_EQ(z[18].name, "Gesamtfläche Flachdach:");
    EXPECT_EQ(z[19].name, "Gesamtfläche Boden:");
    EXPECT_EQ(z[20], (Zeile{"evenLine", "Energiebezugsfläche:", "150,00 m²", ""}));

    // Written again, the page is the same, classes and all.
    EXPECT_EQ(Flaechenseite(h), seite);
}

TEST(Flaechenseite, KopfWortgetreuUndBeschreibungAlsText)
{
    Haus h;
    h.Beschreibung = "<b>Haus & Hof</b>";
    const std::string seite = Flaechenseite(h);
    EXPECT_EQ(seite.rfind("<table width=\"100%\"><col width=\"50%\"><col width=\"25%\"><col width=\"25%\"><thead><tr>"
                          "<th class=\"pageTitle\" colspan=\"2\">Volumen und Fl&auml;chen</th><td class=\"navLink\" "
                          "align=\"right\"><a href=\"#close\">Schließen</a></td></tr><tr><th class=\"pageSubTitle\" "
                          "colspan=\"2\">&lt;b&gt;Haus &amp; Hof&lt;/b&gt;</th><th style=\"text-align: center;\">"
                          "mittlerer U-Wert<br> in W/(m<sup>2</sup>K)</th></tr></thead><tr class=\"evenLine\">",
                          0),
              0u);
    EXPECT_TRUE(seite.ends_with("</td></tr></table>"));
}

TEST(Flaechenseite, WaendeNachAngrenzungUndFensterOhneRichtung)
{
    Haus h;
    h.m_aWand.Add(Wand(10, 1.0, 0));
    h.m_aWand.Add(Wand(30, 0.5, 0));
    h.m_aWand.Add(Wand(20, 0.4, 2));
    h.m_aWand.Add(Wand(5, 0.8, 3));
    h.m_aWand.Add(Wand(5, 0.6, 6));
    h.m_aWand.Add(Wand(7, 2.0, 7)); // an unknown border counts only in the total
    DFenster f;
    f.Flaeche = 3;
    f.Richtung = 9; // no orientation: only in the total
    f.Rahmenanteil = 0;
    f.kWertGlas = 2.8;
    h.m_aFenster.Add(f);
    DDecke d;
    d.Flaeche = 40;
    d.kWert = 0.3;
    h.m_aDecke.Add(d);

    const Flaechenkennzahlen k = BerechneFlaechenkennzahlen(h);
    EXPECT_DOUBLE_EQ(k.wandAussenluft.flaeche, 40);
    EXPECT_DOUBLE_EQ(k.wandAussenluft.MittlererUWert(), (10 * 1.0 + 30 * 0.5) / 40);
    EXPECT_DOUBLE_EQ(k.wandErdreich.flaeche, 20);
    EXPECT_DOUBLE_EQ(k.wandUnbeheizt.flaeche, 10);
    EXPECT_DOUBLE_EQ(k.wandUnbeheizt.MittlererUWert(), 0.7);
    EXPECT_DOUBLE_EQ(k.wand.flaeche, 77);
    EXPECT_DOUBLE_EQ(k.fenster.flaeche, 3);
    for (const Flaechensumme& s : k.fensterNach)
        EXPECT_EQ(s.flaeche, 0);
    EXPECT_DOUBLE_EQ(k.huellflaeche, h.Huellflaeche());

    const std::vector<Zeile> z = Flaechenzeilen(Flaechenseite(h));
    ASSERT_EQ(z.size(), 21u);
    // Mean U-values to three decimals, as every U-value.
    EXPECT_EQ(z[11], (Zeile{"oddLine", "Gesamtfläche Fenster", "3,00 m²", "2,800"}));
    EXPECT_EQ(z[12], (Zeile{"evenLine", "Wandfläche gegen unbeheizt:", "10,00 m²", "0,700"}));
    EXPECT_EQ(z[13], (Zeile{"oddLine", "Wandfläche gegen Außenluft:", "40,00 m²", "0,625"}));
    EXPECT_EQ(z[14], (Zeile{"evenLine", "Wandfläche gegen Erdreich:", "20,00 m²", "0,400"}));
    EXPECT_EQ(z[16], (Zeile{"evenLine", "Gesamtfläche Decke:", "40,00 m²", "0,300"}));

    // Areas and volumes to two decimals, not to three digits.
    h.Energiebezugsflaeche = 123.5;
    h.Volumen = 27040;
    h.Nutzungstyp = 1;
    const std::vector<Zeile> genau = Flaechenzeilen(Flaechenseite(h));
    EXPECT_EQ(genau[20].wert, "123,50 m²");
    EXPECT_EQ(genau[1].wert, "27.040,00 m³");
    EXPECT_EQ(genau[0].wert, "33.800,00 m³"); // 27040 / 0,8
}

} // namespace
} // namespace zeva
