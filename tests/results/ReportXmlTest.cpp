// The report writer: the report document, the report variables, the memory
// stream and the transformation with the shipped style sheet.
#include "results/CMemStream.h"
#include "results/CReportXml.h"
#include "results/ReportTestHilfen.h"
#include "results/Ergebnisseiten.h"
#include "results/Sanierungsdetails.h"

#include "model/Kennzahlen.h"
#include "model/Zahlentext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <regex>
#include <set>

namespace zeva {
namespace {

using test::LiesDatei;
using test::ReportOrdnerKopie;
using test::SchreibeDatei;
using test::XPathDokument;

// A number of the report document, read whatever the runtime locale.
double Punktzahl(const std::string& text)
{
    double x = 0;
    return LeseZahl(text, x, '.') && !text.empty() ? x : std::nan("");
}

class ReportXmlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        optionen.Brennstoffkosten1 = 0.08; // gas, EUR per kWh
        optionen.Brennstoffkosten2 = 0.10;
        test::ReportTestHaus(haus, optionen);
    }

    XPathDokument Baue()
    {
        CReportXml xml(ordner.Pfad());
        xml.ErstelleReportXml(haus, optionen, notifier);
        return XPathDokument(LiesDatei(ordner.Pfad() / "Report.xml"));
    }

    ReportOrdnerKopie ordner;
    DOptionen optionen;
    Haus haus;
    test::AntwortNotifier notifier;
};

// Building the report computes every state on the house itself: the
// existing boiler keeps its stored efficiency, so variant 1, which kept the
// existing heating, still counts as "heating unchanged" with its costs.
TEST_F(ReportXmlTest, BuildingTheReportKeepsTheVariantsHeatingJudgement)
{
    for (const std::size_t i : {0u, 1u}) {
        haus.m_aHeizung[i].Jahresnutzungsgrad = 0.8; // not what the losses give
        haus.m_aHeizung[i].SanMuss = 1;
    }
    ASSERT_TRUE(haus.m_aHeizung[1].IstGleich(haus.m_aHeizung[0]));
    Haus vorher(haus);
    vorher.BerechneKosten(1, optionen);
    Baue();
    Baue();
    EXPECT_EQ(haus.m_aHeizung[0].Jahresnutzungsgrad, 0.8);
    EXPECT_TRUE(haus.m_aHeizung[1].IstGleich(haus.m_aHeizung[0]));
    Haus nachher(haus);
    nachher.BerechneKosten(1, optionen);
    EXPECT_EQ(nachher.m_aBedarf[1].Gesamtkosten, vorher.m_aBedarf[1].Gesamtkosten);
}

TEST_F(ReportXmlTest, DocumentHasItsSectionsInOrderAndIsWellFormed)
{
    const XPathDokument doc = Baue();
    ASSERT_TRUE(doc.Gueltig());
    const std::string pfad = (ordner.Pfad() / "Report.xml").string();
    EXPECT_EQ(std::system(("xmllint --noout '" + pfad + "'").c_str()), 0);
    EXPECT_EQ(doc.Text("/VykeZevaReport/@Version"), "VykZEVA");
    EXPECT_EQ(doc.Text("name(/VykeZevaReport/*[1])"), "ProjektDaten");
    EXPECT_EQ(doc.Text("name(/VykeZevaReport/*[2])"), "Bauteile");
    EXPECT_EQ(doc.Text("name(/VykeZevaReport/*[3])"), "Bestand");
    EXPECT_EQ(doc.Text("name(/VykeZevaReport/*[4])"), "Sanierungsvarianten");
    EXPECT_EQ(doc.Text("name(/VykeZevaReport/*[5])"), "Legenden");
    EXPECT_EQ(doc.Anzahl("/VykeZevaReport/*"), 5);
    // The style sheet the page is made with, under its real name.
    EXPECT_NE(LiesDatei(pfad).find("href=\"./Report.xsl\""), std::string::npos);
    EXPECT_EQ(doc.Text("/VykeZevaReport/ProjektDaten/Beschreibung"), "Einfamilienhaus Musterweg");
    EXPECT_EQ(doc.Text("/VykeZevaReport/ProjektDaten/Baujahr"), "1958");
    // The gross volume the air volume was made from (a house of two storeys:
    // 0,76 of it), not a fixed 1,25 times the air volume.
    ASSERT_DOUBLE_EQ(haus.Luftvolumenfaktor(), 0.76);
    EXPECT_EQ(doc.Text("/VykeZevaReport/ProjektDaten/BeheiztesGebaeudebruttovolumen/@Text"),
              Zahltext(haus.Volumen / 0.76, 2));
    EXPECT_NEAR(Punktzahl(doc.Text("/VykeZevaReport/ProjektDaten/BeheiztesGebaeudebruttovolumen")), haus.Volumen / 0.76,
                1e-9);
}

TEST_F(ReportXmlTest, ComponentsCountPositionsAndRoundAsWritten)
{
    const XPathDokument doc = Baue();
    EXPECT_EQ(doc.Text("//Waende/Wand[1]/@Nummer"), "1");
    EXPECT_EQ(doc.Text("//Waende/Wand[2]/@Nummer"), "2");
    // The area is written unrounded, every other number with 3 digits.
    EXPECT_EQ(doc.Text("//Waende/Wand[2]/Flaeche"), "12.3456");
    EXPECT_EQ(doc.Text("//Waende/Wand[2]/kWert"), "1.2");
    EXPECT_EQ(doc.Text("//Waende/Wand[1]/Sanierung[@VarianteNr=1]/Kea"), "0.0123");
    EXPECT_EQ(doc.Text("//Fenster/Fenster[1]/Name"), "Glas,Rahmen");
    EXPECT_EQ(doc.Text("//Fenster/Fenster[1]/kWert"), "1.22"); // 0.7·1.1 + 0.3·1.5
    // U with the measure as the variant computes it: outside insulation,
    // and a cavity fill replacing a wall's air layer (case 0, not 1).
    EXPECT_EQ(doc.Text("//Waende/Wand[1]/Sanierung[@VarianteNr=1]/kWert"), "0.333");
    EXPECT_EQ(doc.Text("//Waende/Wand[2]/Sanierung[@VarianteNr=1]/kWert"), "0.431");
    EXPECT_EQ(doc.Text("//Waende/Wand[1]/Sanierung[@VarianteNr=1]/Preis"), "12000");
    EXPECT_EQ(doc.Text("//Fenster/Fenster[1]/Sanierung[@VarianteNr=1]/kWert"), "1.16"); // 0.7·1.1 + 0.3·1.3
    // Only slots with a measure.
    EXPECT_EQ(doc.Anzahl("//Sanierung[@VarianteNr=2]"), 0);
    EXPECT_EQ(doc.Anzahl("//Decken/Decke/Sanierung"), 0);
    EXPECT_EQ(doc.Anzahl("//Waende/Wand/Sanierung"), 2);
}

TEST_F(ReportXmlTest, AWindowsNameHasACommaOnlyBetweenGlazingAndFrame)
{
    struct Fall {
        const char* glas;
        const char* rahmen;
        const char* name;
    };
    for (const Fall& f : {Fall{"Zweischeiben", "Holz", "Zweischeiben,Holz"}, Fall{"Zweischeiben", "", "Zweischeiben"},
                          Fall{"", "Holz", "Holz"}, Fall{"", "", ""}}) {
        haus.m_aFenster[0].NameGlas = f.glas;
        haus.m_aFenster[0].NameRahmen = f.rahmen;
        EXPECT_EQ(Baue().Text("//Fenster/Fenster[1]/Name"), f.name) << f.glas << "|" << f.rahmen;
    }
}

TEST_F(ReportXmlTest, HeatingOnlyForTheExistingStateAndANewOne)
{
    haus.m_aHeizung[2].Einzelheiz = 1;
    haus.m_aHeizung[2].EtaEinzel = 0.95;
    const XPathDokument doc = Baue();
    EXPECT_EQ(doc.Anzahl("//Heizungen/Heizung"), 2);
    EXPECT_EQ(doc.Text("//Heizungen/Heizung[1]/@VarianteNr"), "0");
    EXPECT_EQ(doc.Text("//Heizungen/Heizung[1]/Leistung"), "20");
    EXPECT_EQ(doc.Anzahl("//Heizungen/Heizung[1]/Gesamtnutzungsgrad"), 1);
    EXPECT_EQ(doc.Anzahl("//Heizungen/Heizung[1]/Preis"), 0);
    EXPECT_EQ(doc.Text("//Heizungen/Heizung[2]/@VarianteNr"), "2");
    EXPECT_EQ(doc.Text("//Heizungen/Heizung[2]/Wirkungsgrad"), "95");
    EXPECT_EQ(doc.Anzahl("//Heizungen/Heizung[2]/Leistung"), 0);
    EXPECT_EQ(doc.Text("//Heizungen/Heizung[2]/Preis"), "8000");
    EXPECT_EQ(doc.Text("//Heizungen/Heizung[2]/Kea"), "3000");
    EXPECT_EQ(doc.Text("//Legende[Name='Brennwertkessel']/Bauteilgruppe"), "Heizung");
}

TEST_F(ReportXmlTest, BalanceAndSavingsComeFromEachStatesOwnRecordsAndPrices)
{
    haus.m_aFlachdach.Add(test::Opak<DFlachdach>(30, 0.9));
    haus.m_aSteildach.Add(test::Opak<DSteildach>(40, 1.1));
    haus.NeueVariante(true, optionen); // variant 3: both roofs insulated, oil heating
    haus.m_aFlachdach[0].m_aSan[3] = test::OpakeMassnahme<DSFlachdach>("Dach", 0.3, DSBauteilOpaque::Aussen);
    haus.m_aSteildach[0].m_aSan[3] = test::OpakeMassnahme<DSSteildach>("Dach", 0.25, DSBauteilOpaque::Innen);
    haus.m_aHeizung[3].Brennstoff = BrennstoffOel;
    const XPathDokument doc = Baue();

    const DBedarf& b0 = haus.m_aBedarf[0];
    const DBedarf& b3 = haus.m_aBedarf[3];
    const double f = haus.Energiebezugsflaeche;
    ASSERT_GT(b0.Steildachsumme, b3.Steildachsumme);
    auto einsparung = [](double x) { return CReportXml::Zahl(RundeSignifikant(RundeNachkomma(x, 3), 3), false); };
    const std::string v3 = "//Sanierungsvariante[@VarianteNr=3]";
    EXPECT_EQ(doc.Text(v3 + "/Energieeinsparungen/Daecher"),
              einsparung(((b0.Flachdachsumme - b3.Flachdachsumme) + (b0.Steildachsumme - b3.Steildachsumme)) * f));
    EXPECT_EQ(doc.Text(v3 + "/Heizkosteneinsparungen/Waende"),
              einsparung((0.08 * b0.Wandsumme - 0.10 * b3.Wandsumme) * f));
    EXPECT_EQ(doc.Text("/VykeZevaReport/Bestand/Brennstoffkosten/ProQmA"),
              CReportXml::Zahl(0.08 * b0.Brennstoffenergiebedarf));
    EXPECT_EQ(doc.Text(v3 + "/Brennstoffkosten/ProQmA"), CReportXml::Zahl(0.10 * b3.Brennstoffenergiebedarf));
    EXPECT_EQ(doc.Text("/VykeZevaReport/Bestand/Waermeverluste/Dach"),
              CReportXml::Zahl(b0.Flachdachsumme + b0.Steildachsumme));
    EXPECT_EQ(doc.Text("/VykeZevaReport/Bestand/InterneGewinne"), CReportXml::Zahl(b0.Personen + b0.Elektrizitaet));
    EXPECT_GT(b0.Brennstoffenergiebedarf, 0);
    // Costs computed for each variant as it is written.
    EXPECT_EQ(doc.Text("//Sanierungsvariante[@VarianteNr=1]/Gesamtkosten"),
              CReportXml::Zahl(haus.m_aBedarf[1].Gesamtkosten, false));
    EXPECT_GE(haus.m_aBedarf[1].Gesamtkosten, 17900);
    EXPECT_EQ(doc.Anzahl("//Sanierungsvariante"), 3);
    // One legend per measure name, with the group met first.
    EXPECT_EQ(doc.Anzahl("//Legende[Name='Dach']"), 1);
    EXPECT_EQ(doc.Text("//Legende[Name='Dach']/Bauteilgruppe"), "Flachdach");
}

// ----- the report tells what the pages tell --------------------------------------------

// The label → value rows of an HTML table as the pages and the report write
// them; a label met twice gets a trailing "#2".
std::map<std::string, std::string> Datenzeilen(const std::string& html)
{
    static const std::regex zeile(R"re(<td class="dataName">([^<]*)</td><td class="dataValue"[^>]*>([^<]*)</td>)re");
    std::map<std::string, std::string> zeilen;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), zeile); it != std::sregex_iterator(); ++it) {
        std::string name = (*it)[1];
        while (zeilen.contains(name))
            name += "#2";
        zeilen[name] = (*it)[2];
    }
    return zeilen;
}

// The value of a German number text ("1.234,5" → 1234.5); NaN for no number.
double DeutscheZahl(std::string text)
{
    std::erase(text, '.');
    std::replace(text.begin(), text.end(), ',', '.');
    double x = 0;
    return LeseZahl(text, x, '.') && !text.empty() ? x : std::nan("");
}

std::string Stream(CReportXml& xml)
{
    CMemStream& s = xml.HoleReportStream();
    s.Seek(0, 0, nullptr);
    std::string seite(s.Size(), '\0');
    std::uint32_t gelesen = 0;
    if (!seite.empty())
        s.Read(seite.data(), s.Size(), &gelesen);
    return seite;
}

TEST_F(ReportXmlTest, EveryBalanceFigureOfTheReportIsThePagesFigureForEachMethod)
{
    // Variant 1 insulates two walls and renews the window.
    ASSERT_GE(haus.m_aWand.size(), 2u);
    for (const int verfahren : {BerechnungEnEV, BerechnungSIA, BerechnungWSVO95}) {
        haus.Berechnungsverfahren = verfahren;
        CReportXml xml(ordner.Pfad());
        xml.ErstelleReportXml(haus, optionen, notifier);
        const XPathDokument doc(xml.ToString());
        EXPECT_EQ(doc.Text("//ProjektDaten/Berechnungsverfahren"), Verfahrensname(verfahren));
        for (const int n : {0, 1}) {
            const std::vector<std::string> abschnitte{n == 0 ? "Bestand" : "Sanierungsvariante"};
            xml.SchreibeReportVars(n, &abschnitte);
            const std::string report = Stream(xml);
            const DBedarf& b = haus.m_aBedarf[static_cast<std::size_t>(n)];
            const auto bericht = Datenzeilen(report);
            const auto seite = Datenzeilen(Bilanzseite(b, verfahren, n));
            const std::string fall = Verfahrensname(verfahren) + " Zustand " + std::to_string(n);
            // The method stands beside the figures.
            EXPECT_NE(report.find("Berechnungsverfahren: " + Verfahrensname(verfahren)), std::string::npos) << fall;
            ASSERT_GT(DeutscheZahl(seite.at("Heizwärmebedarf")), 0) << fall;

            const bool monatlich = verfahren != BerechnungWSVO95;
            // Report row → the page's row with the same figure.
            std::vector<std::pair<std::string, std::string>> paare{{"Heizwärmebedarf", "Heizwärmebedarf"}};
            if (monatlich) {
                paare.insert(paare.end(), {{"Heizenergiebedarf", "Heizenergiebedarf"},
                                           {"Brennstoffbedarf pro m²", "Heizenergiebedarf"},
                                           {"Verluste im Heizungssystem", "Verluste im Heizungssystem"},
                                           {"Lüftungsverluste", "Lüftungsverluste"},
                                           {"Transmission Dach", "Wärmeverluste Dach"},
                                           {"Transmission Decke", "Wärmeverluste Decke"},
                                           {"Transmission Wand", "Wärmeverluste Wand"},
                                           {"Transmission Boden", "Wärmeverluste Boden"},
                                           {"Transmission Fensterflächen", "Wärmeverluste Fenster"},
                                           {"davon nutzbar", "Nutzbare interne Gewinne"},
                                           {"davon nutzbar ", "Nutzbare solare Gewinne"}});
            } else {
                paare.insert(paare.end(), {{"Lüftungsverluste", "Lüftungswärmeverluste"},
                                           {"Transmission Wand", "Transmissionswärmeverluste Wand"},
                                           {"Transmission Boden", "Transmissionswärmeverluste Boden"},
                                           {"Transmission Fensterflächen", "Transmissionswärmeverluste Fenster"},
                                           {"davon nutzbar", "Nutzbare interne Wärmegewinne"},
                                           {"davon nutzbar ", "Nutzbare solare Wärmegewinne"}});
                // The annual balance puts roofs and ceilings into one row.
                EXPECT_NEAR(DeutscheZahl(bericht.at("Transmission Dach")) + DeutscheZahl(bericht.at("Transmission Decke")),
                            DeutscheZahl(seite.at("Transmissionswärmeverluste Dach")),
                            0.01 * DeutscheZahl(seite.at("Transmissionswärmeverluste Dach")) + 1e-9)
                    << fall;
            }
            for (const auto& [imReport, aufDerSeite] : paare) {
                ASSERT_TRUE(bericht.contains(imReport)) << fall << ": " << imReport;
                ASSERT_TRUE(seite.contains(aufDerSeite)) << fall << ": " << aufDerSeite;
                EXPECT_DOUBLE_EQ(DeutscheZahl(bericht.at(imReport)), DeutscheZahl(seite.at(aufDerSeite)))
                    << fall << ": " << imReport << " " << bericht.at(imReport) << " / " << aufDerSeite << " "
                    << seite.at(aufDerSeite);
            }
            // Demand after the gains never exceeds the fuel energy that covers it
            // and the losses of the heating.
            if (monatlich) {
                EXPECT_LE(DeutscheZahl(bericht.at("Heizwärmebedarf")),
                          DeutscheZahl(bericht.at("Heizenergiebedarf")) + DeutscheZahl(bericht.at("Verluste im Heizungssystem")) + 1)
                    << fall;
            }
            // Costs as the heating pane has them, each state at its own fuel's
            // price; the annual balance has no fuel and shows none.
            const DHeizung& heizung = haus.m_aHeizung[static_cast<std::size_t>(n)];
            if (monatlich) {
                EXPECT_DOUBLE_EQ(DeutscheZahl(bericht.at("Brennstoffkosten pro m²")),
                                 DeutscheZahl(Werttext(HeizkostenProQm(b, heizung, optionen))))
                    << fall;
                EXPECT_EQ(bericht.at("Brennstoffkosten pro Jahr"),
                          Geldtext(HeizkostenGesamt(b, heizung, optionen, haus.Energiebezugsflaeche)))
                    << fall;
            } else {
                for (const char* ohne : {"Heizenergiebedarf", "Verluste im Heizungssystem", "Brennstoffbedarf pro m²",
                                         "Brennstoffkosten pro Jahr"})
                    EXPECT_FALSE(bericht.contains(ohne)) << fall << ": " << ohne;
            }
        }
    }
}

TEST_F(ReportXmlTest, SavingsByGroupAddUpToWhatTheVariantSaves)
{
    for (const int verfahren : {BerechnungEnEV, BerechnungSIA, BerechnungWSVO95}) {
        haus.Berechnungsverfahren = verfahren;
        CReportXml xml(ordner.Pfad());
        xml.ErstelleReportXml(haus, optionen, notifier);
        const XPathDokument doc(xml.ToString());
        const double f = haus.Energiebezugsflaeche;
        const DBedarf& b0 = haus.m_aBedarf[0];
        const DBedarf& b1 = haus.m_aBedarf[1];
        // What the variant saves as a whole, as the variant pane shows it.
        const double energie = f * (Endbedarf(b0, verfahren) - Endbedarf(b1, verfahren));
        const double p0 = optionen.Brennstoffpreis(haus.m_aHeizung[0].Brennstoff);
        const double p1 = optionen.Brennstoffpreis(haus.m_aHeizung[1].Brennstoff);
        const double kosten = f * (p0 * Endbedarf(b0, verfahren) - p1 * Endbedarf(b1, verfahren));
        ASSERT_GT(energie, 0) << verfahren;
        for (const auto& [tabelle, gesamt] : {std::pair{std::string("Energieeinsparungen"), energie},
                                              std::pair{std::string("Heizkosteneinsparungen"), kosten}}) {
            const std::string e = "//Sanierungsvariante[@VarianteNr=1]/" + tabelle;
            // The six groups and the interaction add up to the sum written
            // beside them: energy to three digits, money in whole euros.
            const bool geld = tabelle == "Heizkosteneinsparungen";
            const double gezeigt = geld ? GanzeEuro(gesamt) : RundeSignifikant(gesamt, 3);
            EXPECT_EQ(doc.Anzahl(e + "/*"), 8) << tabelle;
            const double summe = Punktzahl(doc.Text("sum(" + e + "/*[name() != 'Summe'])"));
            EXPECT_NEAR(summe, gezeigt, 1e-6) << tabelle << " " << verfahren;
            EXPECT_NEAR(Punktzahl(doc.Text(e + "/Summe")), gezeigt, 1e-6) << tabelle << " " << verfahren;
            // The groups alone miss how the new glazing takes solar gains
            // (in whole euros the interaction may round away).
            if (!geld) {
                EXPECT_NE(Punktzahl(doc.Text(e + "/Wechselwirkung")), 0) << tabelle << " " << verfahren;
            }

            // On the page: the rows and the sum the sheet prints agree.
            const std::vector<std::string> abschnitte{tabelle};
            xml.SchreibeReportVars(1, &abschnitte);
            const std::string seite = Stream(xml);
            EXPECT_NE(seite.find("Wechselwirkung der Maßnahmen"), std::string::npos);
            const auto zeilen = Datenzeilen(seite);
            double zeilensumme = 0;
            for (const char* name : {"Dächer", "Decken", "Wände", "Böden", "Fensterflächen", "Heizungssystem",
                                     "Wechselwirkung der Maßnahmen"})
                zeilensumme += DeutscheZahl(zeilen.at(name));
            static const std::regex summenzeile(R"re(<td class="sumValue"[^>]*>([^<]*)</td>)re");
            std::smatch treffer;
            ASSERT_TRUE(std::regex_search(seite, treffer, summenzeile));
            EXPECT_NEAR(DeutscheZahl(treffer[1]), zeilensumme, geld ? 1e-9 : 0.011) << tabelle;
            EXPECT_NEAR(DeutscheZahl(treffer[1]), gezeigt, 0.006) << tabelle;
        }
    }
}

// A heating that turns no heat into fuel energy: the page and the heating
// pane show "–" for its fuel figures, and so does the report, for both
// monthly methods; its losses and fuel count as no saving.
TEST_F(ReportXmlTest, AHeatingWithoutFuelEnergyShowsADashAsThePageDoesAndSavesNothing)
{
    DHeizung ohne; // as a document without a heating record has it
    ohne.Name = "Ohne Angaben";
    haus.m_aHeizung[0] = ohne;
    haus.m_aHeizung[1] = ohne;
    for (const int verfahren : {BerechnungEnEV, BerechnungSIA}) {
        SCOPED_TRACE(Verfahrensname(verfahren));
        haus.Berechnungsverfahren = verfahren;
        CReportXml xml(ordner.Pfad());
        xml.ErstelleReportXml(haus, optionen, notifier);
        ASSERT_FALSE(haus.EndenergieBerechenbar(0));
        ASSERT_FALSE(haus.EndenergieBerechenbar(1));
        const XPathDokument doc(xml.ToString());
        for (const char* zustand : {"/VykeZevaReport/Bestand", "//Sanierungsvariante[@VarianteNr=1]"}) {
            for (const char* feld : {"Heizenergiebedarf", "VerlusteImHeizungssystem", "Brennstoffbedarf/ProA",
                                     "Brennstoffbedarf/ProQmA", "Brennstoffkosten/ProA", "Brennstoffkosten/ProQmA"}) {
                const std::string pfad = std::string(zustand) + "/" + feld;
                EXPECT_EQ(doc.Text(pfad + "/@Text"), "–") << pfad;
                EXPECT_EQ(doc.Text(pfad), "") << pfad;
            }
        }
        // Variant 2's new boiler has its figures.
        EXPECT_NE(doc.Text("//Sanierungsvariante[@VarianteNr=2]/Heizenergiebedarf/@Text"), "–");

        // The page as the user reads it: the same dash as the balance page,
        // no negative fuel figure.
        for (const int n : {0, 1}) {
            const std::vector<std::string> abschnitte{n == 0 ? "Bestand" : "Sanierungsvariante"};
            xml.SchreibeReportVars(n, &abschnitte);
            const auto bericht = Datenzeilen(Stream(xml));
            const auto seite = Datenzeilen(Bilanzseite(haus.m_aBedarf[static_cast<std::size_t>(n)], verfahren, n,
                                                       haus.EndenergieBerechenbar(n)));
            EXPECT_EQ(seite.at("Heizenergiebedarf"), "–");
            for (const char* zeile : {"Heizenergiebedarf", "Verluste im Heizungssystem", "Brennstoffbedarf pro Jahr",
                                      "Brennstoffbedarf pro m²", "Brennstoffkosten pro Jahr", "Brennstoffkosten pro m²"})
                EXPECT_EQ(bericht.at(zeile), "–") << n << " " << zeile;
            for (const auto& [name, wert] : bericht)
                EXPECT_NE(wert.front(), '-') << n << " " << name << " " << wert;
        }

        // The savings of variant 1: the heating saves nothing, and the whole
        // is what the components save.
        for (const char* tabelle : {"Energieeinsparungen", "Heizkosteneinsparungen"}) {
            const std::string e = std::string("//Sanierungsvariante[@VarianteNr=1]/") + tabelle;
            EXPECT_EQ(doc.Text(e + "/Heizung"), "0") << tabelle;
            const double zeilen = Punktzahl(doc.Text("sum(" + e + "/*[name() != 'Summe'])"));
            EXPECT_GT(zeilen, 0) << tabelle;
            EXPECT_NEAR(Punktzahl(doc.Text(e + "/Summe")), zeilen, 1e-6) << tabelle;
        }
        for (const Gruppeneinsparungen& e : {Energieeinsparungen(haus, 1), Heizkosteneinsparungen(haus, 1, optionen)}) {
            EXPECT_EQ(e.gruppen[5], 0);
            EXPECT_EQ(e.Wechselwirkung(), 0);
        }
    }
}

// Money is counted in whole euros: every row of the variant's costs is the
// amount of its measure in whole euros, the total is their sum, and the page
// prints exactly those figures; the variant pane and the detail page show
// the same total.
TEST_F(ReportXmlTest, EveryCostRowAndTheTotalAreWholeEurosAndAddUp)
{
    haus.m_aWand[0].m_aSan[1].Preis = 12141.8732782369;
    haus.m_aWand[1].m_aSan[1].Preis = 900.5; // half a euro rounds up
    haus.m_aFenster[0].m_aSan[1].Preis = 12971.6;
    haus.m_aDecke[0].SanMussAussen = 1; // due anyway without a measure
    haus.m_aDecke[0].SowiesoAussen = 123.45;
    haus.m_aHeizung[2].Preis = 8000.49;
    const XPathDokument doc = Baue();
    struct Erwartet {
        int variante;
        std::vector<std::string> zeilen;
        std::string gesamt;
    };
    const Erwartet faelle[] = {{1, {"123", "12.142", "901", "12.972"}, "26.138"}, {2, {"123", "8.000"}, "8.123"}};
    for (const Erwartet& f : faelle) {
        SCOPED_TRACE(f.variante);
        const std::string v = "//Sanierungsvariante[@VarianteNr=" + std::to_string(f.variante) + "]";
        std::vector<std::string> zeilen;
        double summe = 0;
        for (int i = 1; i <= doc.Anzahl(v + "/Kosten/Posten"); ++i) {
            const std::string p = v + "/Kosten/Posten[" + std::to_string(i) + "]/Preis";
            zeilen.push_back(doc.Text(p + "/@Text"));
            summe += Punktzahl(doc.Text(p));
            EXPECT_EQ(DeutscheZahl(doc.Text(p + "/@Text")), Punktzahl(doc.Text(p)));
        }
        EXPECT_EQ(zeilen, f.zeilen);
        EXPECT_EQ(doc.Text(v + "/Gesamtkosten/@Text"), f.gesamt);
        EXPECT_EQ(Punktzahl(doc.Text(v + "/Gesamtkosten")), summe);
        EXPECT_EQ(haus.m_aBedarf[static_cast<std::size_t>(f.variante)].Gesamtkosten, summe);

        // The page: the rows and the total as printed add up.
        CReportXml xml(ordner.Pfad());
        xml.ErstelleReportXml(haus, optionen, notifier);
        const std::vector<std::string> abschnitte{"Sanierungsvariante", "Waende", "Heizungen"};
        xml.SchreibeReportVars(f.variante, &abschnitte);
        const std::string seite = Stream(xml);
        EXPECT_NE(seite.find("<h2>Kosten der Sanierung</h2>"), std::string::npos);
        static const std::regex preis(R"re(<td class="dataValue"[^>]*>([^<]*)</td><td class="dataUnit">EUR</td>)re");
        double gedruckt = 0;
        std::vector<std::string> gedruckteZeilen;
        for (auto it = std::sregex_iterator(seite.begin(), seite.end(), preis); it != std::sregex_iterator(); ++it) {
            gedruckteZeilen.push_back((*it)[1]);
            gedruckt += DeutscheZahl((*it)[1]);
        }
        // No cents that are not there, no money cut to three digits.
        EXPECT_EQ(gedruckteZeilen, f.zeilen);
        static const std::regex gesamt(R"re(Gesamtkosten der Sanierung</td><td class="sumValue"[^>]*>([^<]*)</td>)re");
        std::smatch treffer;
        ASSERT_TRUE(std::regex_search(seite, treffer, gesamt));
        EXPECT_EQ(treffer[1], f.gesamt);
        EXPECT_EQ(gedruckt, DeutscheZahl(f.gesamt));
        EXPECT_EQ(seite.find("12.100"), std::string::npos);

        // The detail page of the costs has the same rows and total.
        std::array<double, 7> werte{};
        const std::string detail = sandetail::Seite(haus, optionen, 0, f.variante, werte);
        EXPECT_EQ(werte[6], summe);
        EXPECT_NE(detail.find("<td class=\"sumValue\">" + f.gesamt + "</td>"), std::string::npos);
    }
    // In the component tables of variant 1 the prices stand as in the rows.
    CReportXml xml(ordner.Pfad());
    xml.ErstelleReportXml(haus, optionen, notifier);
    const std::vector<std::string> waende{"Waende"};
    xml.SchreibeReportVars(1, &waende);
    const std::string seite = Stream(xml);
    EXPECT_NE(seite.find(">12.142</td>"), std::string::npos);
    EXPECT_NE(seite.find(">901</td>"), std::string::npos);
}

// The legend of a variant's report lists the measures of that variant only;
// the existing state has none.
TEST_F(ReportXmlTest, AVariantsReportListsOnlyItsOwnMeasuresInTheLegend)
{
    CReportXml xml(ordner.Pfad());
    xml.ErstelleReportXml(haus, optionen, notifier);
    struct Fall {
        int variante;
        std::vector<std::string> mit;
        std::vector<std::string> ohne;
    };
    const Fall faelle[] = {{1, {"WDVS 12 cm", "Kerndämmung", "Wärmeschutzglas"}, {"Brennwertkessel"}},
                           {2, {"Brennwertkessel"}, {"WDVS 12 cm", "Kerndämmung", "Wärmeschutzglas"}},
                           {0, {"Keine Maßnahmen."}, {"WDVS 12 cm", "Brennwertkessel"}}};
    const std::vector<std::string> legende{"Legende"};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.variante);
        xml.SchreibeReportVars(f.variante, &legende);
        const std::string seite = Stream(xml);
        ASSERT_NE(seite.find("Legende der Maßnahmen"), std::string::npos);
        for (const std::string& t : f.mit)
            EXPECT_NE(seite.find(t), std::string::npos) << t;
        for (const std::string& t : f.ohne)
            EXPECT_EQ(seite.find(t), std::string::npos) << t;
    }
}

TEST_F(ReportXmlTest, TheDetailPagesSavingsAddUpToTheVariantsSavingAsThereportHasIt)
{
    for (int n = 0; n < haus.AnzahlZustaende(); ++n)
        haus.BerechneBedarf(n, notifier);
    for (const int kriterium : {3, 4}) {
        std::array<double, 7> werte{};
        const std::string seite = sandetail::Seite(haus, optionen, kriterium, 1, werte);
        const Gruppeneinsparungen e =
            kriterium == 3 ? Energieeinsparungen(haus, 1) : Heizkosteneinsparungen(haus, 1, optionen);
        const bool geld = kriterium == 4;
        const Gruppeneinsparungen gezeigt = geld ? e.InGanzenEuro() : e.Gerundet(3);
        EXPECT_DOUBLE_EQ(werte[6], gezeigt.gesamt) << kriterium;
        static const std::regex wechsel(R"re(Wechselwirkung der Ma&szlig;nahmen</td><td class="dataValue">([^<]*)<)re");
        std::smatch treffer;
        ASSERT_TRUE(std::regex_search(seite, treffer, wechsel)) << kriterium;
        double zeilen = DeutscheZahl(treffer[1]);
        for (int g = 0; g < 6; ++g)
            zeilen += werte[static_cast<std::size_t>(g)];
        EXPECT_NEAR(zeilen, werte[6], 0.006) << kriterium;
        EXPECT_NE(seite.find("<td class=\"sumName\">Gesamt</td><td class=\"sumValue\">" +
                             (geld ? Geldtext(werte[6]) : Werttext(werte[6]))),
                  std::string::npos);
        // The same groups as the report's table.
        for (int g = 0; g < 6; ++g)
            EXPECT_DOUBLE_EQ(werte[static_cast<std::size_t>(g)], gezeigt.gruppen[static_cast<std::size_t>(g)]);
    }
}

TEST_F(ReportXmlTest, UserTextIsEscapedAndKeptWholeInTheDocumentAndOnThePage)
{
    haus.Beschreibung = "Haus \"Sonne\" <Nord> & Süd";
    haus.Strasse = "Weg <1> & \"2\"";
    haus.Kommentar = "Zeile <eins> & \"zwei\"\nZeile drei";
    CReportXml xml(ordner.Pfad());
    xml.ErstelleReportXml(haus, optionen, notifier);
    const std::string datei = LiesDatei(ordner.Pfad() / "Report.xml");
    const XPathDokument doc(datei);
    ASSERT_TRUE(doc.Gueltig());
    EXPECT_EQ(doc.Text("//ProjektDaten/Beschreibung"), haus.Beschreibung);
    EXPECT_EQ(doc.Text("//ProjektDaten/Strasse"), haus.Strasse);
    EXPECT_EQ(doc.Text("//ProjektDaten/Kommentar"), haus.Kommentar);
    EXPECT_EQ(datei.find("<Nord>"), std::string::npos);
    EXPECT_NE(datei.find("&lt;Nord&gt; &amp; S"), std::string::npos);

    const std::vector<std::string> abschnitte{"Projektdaten"};
    xml.SchreibeReportVars(0, &abschnitte);
    const std::string seite = Stream(xml);
    EXPECT_EQ(seite.find("<Nord>"), std::string::npos);
    EXPECT_EQ(seite.find("<eins>"), std::string::npos);
    EXPECT_EQ(seite.find("<1>"), std::string::npos);
    EXPECT_NE(seite.find("&lt;Nord&gt; &amp; Süd"), std::string::npos);
    EXPECT_NE(seite.find("Weg &lt;1&gt; &amp; \"2\""), std::string::npos);
    // The comment keeps its line break as a break of the page.
    EXPECT_NE(seite.find("Zeile &lt;eins&gt; &amp; \"zwei\"<br>Zeile drei"), std::string::npos) << seite;
    // Read back as a page, the texts are whole again.
    const XPathDokument html("<?xml version=\"1.0\"?>" + std::regex_replace(seite, std::regex("<(meta|br)([^>]*)>"), "<$1$2/>"));
    ASSERT_TRUE(html.Gueltig()) << seite;
    EXPECT_EQ(html.Text("(//td[.='Beschreibung'])[1]/following-sibling::td[1]"), haus.Beschreibung);
    EXPECT_EQ(html.Text("(//td[.='Straße'])[1]/following-sibling::td[1]"), haus.Strasse);
}

TEST_F(ReportXmlTest, ClimateRegionByZone)
{
    for (const auto& [zone, name] : std::vector<std::pair<int, std::string>>{
             {13, "Klimadaten nach DIN 4108-6"}, {0, ""}, {14, ""}, {-1, ""}, {1, "Nord-/Ostsee"}}) {
        haus.Klimazone = zone;
        CReportXml xml(ordner.Pfad());
        xml.ErstelleReportXml(haus, optionen, notifier);
        EXPECT_EQ(XPathDokument(xml.ToString()).Text("//ProjektDaten/Klimaregion"), name) << zone;
    }
}

TEST_F(ReportXmlTest, ASecondBuildListsOnlyItsOwnLegends)
{
    CReportXml xml(ordner.Pfad());
    xml.ErstelleReportXml(haus, optionen, notifier);
    EXPECT_EQ(XPathDokument(xml.ToString()).Anzahl("//Legende[Name='WDVS 12 cm']"), 1);
    Haus anderes;
    test::ReferenzHausMitKessel(anderes);
    anderes.NeueVariante(true, optionen);
    anderes.m_aDecke[0].m_aSan[1] = test::OpakeMassnahme<DSDecke>("Deckendämmung", 0.3, DSBauteilOpaque::Aussen);
    xml.ErstelleReportXml(anderes, optionen, notifier);
    const XPathDokument doc(xml.ToString());
    EXPECT_EQ(doc.Anzahl("//Legende"), 1);
    EXPECT_EQ(doc.Text("//Legende/Name"), "Deckendämmung");
}

TEST(ReportZahlTest, NumbersAsTheReportWritesThem)
{
    EXPECT_EQ(CReportXml::Zahl(12.3456), "12.3");
    EXPECT_EQ(CReportXml::Zahl(0.012345), "0.0123");
    EXPECT_EQ(CReportXml::Zahl(12.3456, false), "12.3456");
    EXPECT_EQ(CReportXml::Zahl(123456), "123000");
    EXPECT_EQ(CReportXml::Zahl(-0.0), "0");
    EXPECT_EQ(CReportXml::Zahl(1e20, false), "1e+20");
    EXPECT_EQ(CReportXml::Kopftext("Vyk-ZEVA Version Nr.: 1.3"), "Vyk-ZEVA Version Nr.: 1.3");
    EXPECT_EQ(CReportXml::Kopftext("Ökologie Ö"), "&Ouml;kologie &Ouml;");
    EXPECT_EQ(CReportXml::OrdnerAdresse("/opt/zeva/Report/"), "file:///opt/zeva/Report");
}

// ----- variables and transformation -------------------------------------------------------

TEST_F(ReportXmlTest, VariablesFollowTheTemplateAndKeepTheVariantOnRefresh)
{
    CReportXml xml(ordner.Pfad());
    xml.SetzeVersionstext("Vyk-ZEVA Version Nr.: 1.3 Ö");
    xml.ErstelleReportXml(haus, optionen, notifier);
    const std::vector<std::string> abschnitte{"Projektdaten", "Legende"};
    xml.SchreibeReportVars(1, &abschnitte);
    const std::string text = LiesDatei(ordner.Pfad() / "ReportVars.xml");
    XPathDokument vars(text);
    // The template's own texts first, then the five appended children.
    EXPECT_EQ(vars.Text("name(/ReportVars/*[1])"), "Titel");
    const int n = vars.Anzahl("/ReportVars/*");
    EXPECT_EQ(vars.Text("name(/ReportVars/*[" + std::to_string(n - 4) + "])"), "Header");
    EXPECT_EQ(vars.Text("name(/ReportVars/*[" + std::to_string(n - 3) + "])"), "DocPath");
    EXPECT_EQ(vars.Text("name(/ReportVars/*[" + std::to_string(n - 2) + "])"), "DataPath");
    EXPECT_EQ(vars.Text("name(/ReportVars/*[" + std::to_string(n - 1) + "])"), "SanVarNr");
    EXPECT_EQ(vars.Text("name(/ReportVars/*[" + std::to_string(n) + "])"), "Details");
    EXPECT_NE(text.find("<![CDATA[Vyk-ZEVA Version Nr.: 1.3 &Ouml;]]>"), std::string::npos);
    EXPECT_EQ(vars.Text("/ReportVars/DocPath"), "file://" + ordner.Pfad().string());
    EXPECT_EQ(vars.Text("/ReportVars/DataPath"), vars.Text("/ReportVars/DocPath"));
    EXPECT_EQ(vars.Text("/ReportVars/SanVarNr"), "1");
    EXPECT_EQ(vars.Anzahl("/ReportVars/Details/Detail"), 2);
    EXPECT_EQ(vars.Text("/ReportVars/Details/Detail[2]/@name"), "Legende");

    const std::vector<std::string> keine;
    xml.SchreibeReportVars(-1, &keine);
    XPathDokument danach(LiesDatei(ordner.Pfad() / "ReportVars.xml"));
    EXPECT_EQ(danach.Text("/ReportVars/SanVarNr"), "1");
    EXPECT_EQ(danach.Anzahl("/ReportVars/Details"), 1);
    EXPECT_EQ(danach.Anzahl("/ReportVars/Details/*"), 0);
    EXPECT_EQ(danach.Anzahl("/ReportVars/Header"), 1);
}

TEST_F(ReportXmlTest, ATemplateWithAnotherRootIsSavedUnchanged)
{
    SchreibeDatei(ordner.Pfad() / "ancillary.xml", "<?xml version=\"1.0\"?>\n<Anderes><X>1</X></Anderes>\n");
    CReportXml xml(ordner.Pfad());
    xml.ErstelleReportXml(haus, optionen, notifier);
    xml.SchreibeReportVars(0, nullptr);
    XPathDokument vars(LiesDatei(ordner.Pfad() / "ReportVars.xml"));
    EXPECT_EQ(vars.Anzahl("/Anderes/*"), 1);
    EXPECT_EQ(vars.Text("/Anderes/X"), "1");
}

TEST_F(ReportXmlTest, AMissingTemplateRaisesAndKeepsThePreviousPage)
{
    CReportXml xml(ordner.Pfad());
    xml.ErstelleReportXml(haus, optionen, notifier);
    const std::vector<std::string> alle{"Projektdaten"};
    xml.SchreibeReportVars(0, &alle);
    const std::uint32_t groesse = xml.HoleReportStream().Size();
    ASSERT_GT(groesse, 0u);
    std::filesystem::remove(ordner.Pfad() / "ancillary.xml");
    EXPECT_THROW(xml.SchreibeReportVars(1, &alle), CXmlArchiveException);
    EXPECT_EQ(xml.HoleReportStream().Size(), groesse);
}

// The page the shipped sheet makes of a fixed report document.
class ReportSeiteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SchreibeDatei(ordner.Pfad() / "Report.xml", R"(<?xml version="1.0"?>
<VykeZevaReport Version="VykZEVA">
 <ProjektDaten><Beschreibung>Haus Lindenstraße</Beschreibung><Strasse>Lindenstraße 4</Strasse><Ort>Kassel</Ort>
  <Kommentar/><Baujahr>1962</Baujahr><Heizgradtage>3840</Heizgradtage><Klimaregion>Klimadaten nach DIN 4108-6</Klimaregion>
  <BeheiztesGebaeudebruttovolumen>375</BeheiztesGebaeudebruttovolumen><BeheiztesLuftvolumen>300</BeheiztesLuftvolumen>
  <Energiebezugsflaeche>100</Energiebezugsflaeche></ProjektDaten>
 <Bauteile><Waende><Wand Nummer="1"><Name>Mauerwerk</Name><Position>Wa-EG-01</Position><Flaeche>100</Flaeche><kWert>1</kWert>
   <Sanierung VarianteNr="1"><Preis>12000</Preis><Name>WDVS</Name><kWert Text="0,333">0.333</kWert><Kea>10</Kea><CO2>2</CO2></Sanierung></Wand></Waende>
  <Flachdaecher/><Steildaecher/><Decken/><Boeden/><Fenster/>
  <Heizungen><Heizung VarianteNr="0"><Name>Kessel</Name><Leistung>20</Leistung><Gesamtnutzungsgrad>75</Gesamtnutzungsgrad></Heizung></Heizungen>
 </Bauteile>
 <Bestand><Heizwaermebedarf>180</Heizwaermebedarf></Bestand>
 <Sanierungsvarianten><Sanierungsvariante VarianteNr="1"><Heizwaermebedarf>120</Heizwaermebedarf><Gesamtkosten Text="1.235">1235</Gesamtkosten>
  <Energieeinsparungen><Daecher>0</Daecher><Decken>0</Decken><Waende>6000</Waende><Boeden>0</Boeden><Fenster>0</Fenster><Heizung>0</Heizung></Energieeinsparungen>
  <Heizkosteneinsparungen><Daecher>0</Daecher><Decken>0</Decken><Waende>480</Waende><Boeden>0</Boeden><Fenster>0</Fenster><Heizung>0</Heizung></Heizkosteneinsparungen>
 </Sanierungsvariante></Sanierungsvarianten>
 <Legenden><Legende><Bauteilgruppe>Wand</Bauteilgruppe><Name>WDVS</Name><Langtext>Dämmung außen</Langtext><VarianteNr>1</VarianteNr></Legende></Legenden>
</VykeZevaReport>
)");
    }

    std::string Seite(const std::vector<std::string>& abschnitte)
    {
        CReportXml xml(ordner.Pfad());
        xml.Load(ordner.Pfad() / "Report.xml");
        xml.SchreibeReportVars(1, &abschnitte);
        return Stream(xml);
    }

    // Section name → the heading the sheet gives it.
    static const std::vector<std::pair<std::string, std::string>>& Ueberschriften()
    {
        static const std::vector<std::pair<std::string, std::string>> liste{
            {"Projektdaten", "<h2>Projektdaten</h2>"},
            {"Waende", "Bauteile – Wände"},
            {"Flachdaecher", "Bauteile – Flachdächer"},
            {"Steildaecher", "Bauteile – Steildächer"},
            {"Decken", "Bauteile – Decken"},
            {"Boeden", "Bauteile – Böden"},
            {"Fenster", "Bauteile – Fenster"},
            {"Heizungen", "<h2>Heizungsanlage</h2>"},
            {"Bestand", "Energiebilanz des Bestands"},
            {"Sanierungsvariante", "Energiebilanz der Sanierungsvariante"},
            {"Energieeinsparungen", "Energieeinsparungen nach Bauteilgruppen"},
            {"Heizkosteneinsparungen", "Heizkosteneinsparungen nach Bauteilgruppen"},
            {"Legende", "Legende der Maßnahmen"}};
        return liste;
    }

    ReportOrdnerKopie ordner;
};

TEST_F(ReportSeiteTest, EverySectionGivesItsHeadingAndTheFiguresInGermanForm)
{
    std::vector<std::string> alle;
    for (const auto& [name, ueberschrift] : Ueberschriften())
        alle.push_back(name);
    const std::string seite = Seite(alle);
    for (const auto& [name, ueberschrift] : Ueberschriften())
        EXPECT_NE(seite.find(ueberschrift), std::string::npos) << name;
    EXPECT_NE(seite.find("Klimadaten nach DIN 4108-6"), std::string::npos);
    // The texts the writer put beside the numbers, as they stand: the sheet
    // rounds nothing.
    EXPECT_NE(seite.find(">1.235</td>"), std::string::npos); // Gesamtkosten of variant 1
    EXPECT_EQ(seite.find("1.235,00"), std::string::npos);
    EXPECT_NE(seite.find("WDVS"), std::string::npos);
    EXPECT_NE(seite.find("0,333"), std::string::npos);
}

TEST_F(ReportSeiteTest, OneSectionAloneShowsOnlyItsHeading)
{
    for (const auto& [name, ueberschrift] : Ueberschriften()) {
        const std::string seite = Seite({name});
        for (const auto& [anderer, andere] : Ueberschriften())
            EXPECT_EQ(seite.find(andere) != std::string::npos, anderer == name) << name << " / " << anderer;
    }
}

TEST_F(ReportSeiteTest, EverySectionOfTheShippedPresetsIsKnownToTheSheet)
{
    XPathDokument vorgaben(LiesDatei(ordner.Pfad() / "ReportVorgaben.xml"));
    const int n = vorgaben.Anzahl("//Vorgaben/Vorgabe/Detail");
    ASSERT_GT(n, 0);
    for (int i = 1; i <= n; ++i) {
        const std::string name = vorgaben.Text("(//Vorgaben/Vorgabe/Detail)[" + std::to_string(i) + "]");
        const auto it = std::find_if(Ueberschriften().begin(), Ueberschriften().end(),
                                     [&](const auto& p) { return p.first == name; });
        ASSERT_NE(it, Ueberschriften().end()) << name;
        EXPECT_NE(Seite({name}).find(it->second), std::string::npos) << name;
    }
    // Group label + section label are the presets' keys: no two may join to
    // the same text.
    std::set<std::string> schluessel;
    for (int i = 1; i <= n; ++i) {
        const std::string d = "(//Vorgaben/Vorgabe/Detail)[" + std::to_string(i) + "]";
        EXPECT_TRUE(schluessel.insert(vorgaben.Text(d + "/../@name") + vorgaben.Text(d + "/@name")).second);
    }
    EXPECT_EQ(vorgaben.Text("//Voreinstellung[1]/@name"), "Kurzreport");
    EXPECT_EQ(vorgaben.Anzahl("//Voreinstellung[@name='Vollständiger Report']"), 1);
}

// A sheet that cannot be read, one with a syntax error and one that stops
// itself while it transforms: each raises with libxslt's reason and the
// sheet's file, and the stream keeps the page it had. The sheet is read for
// every page, so a mended sheet shows with the next one.
TEST_F(ReportSeiteTest, ABrokenOrFailingStyleSheetRaisesWithTheReasonAndTheFileAndKeepsThePage)
{
    const std::filesystem::path blatt = ordner.Pfad() / "Report.xsl";
    const std::string gut = LiesDatei(blatt);
    CReportXml xml(ordner.Pfad());
    xml.Load(ordner.Pfad() / "Report.xml");
    const std::vector<std::string> a{"Projektdaten"};
    xml.SchreibeReportVars(1, &a);
    const std::string vorher = Stream(xml);
    ASSERT_NE(vorher.find("Haus Lindenstraße"), std::string::npos);

    struct Fall {
        const char* was;
        std::string text; // empty: no sheet at all
        std::string grund;
    };
    std::string kaputt = gut;
    kaputt.replace(kaputt.find("</xsl:stylesheet>"), 17, "</xsl:stylesheet"); // no closing bracket
    std::string abbruch = gut;
    abbruch.replace(abbruch.find("<xsl:template match=\"/\">"), 24,
                    "<xsl:template match=\"/\"><xsl:message terminate=\"yes\">Blatt bricht ab</xsl:message>");
    std::string unbekannt = gut; // a variable no one declared: libxslt refuses the sheet
    unbekannt.replace(unbekannt.find("<xsl:template match=\"/\">"), 24,
                      "<xsl:template match=\"/\"><xsl:value-of select=\"$gibtsnicht\"/>");
    // The system's reason for a missing file is in the user's language.
    const Fall faelle[] = {{"missing", "", ""},
                           {"syntax error", kaputt, "expected '>'"},
                           {"undeclared variable", unbekannt, "gibtsnicht"},
                           {"xsl:message terminate", abbruch, "Blatt bricht ab"}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        if (f.text.empty())
            std::filesystem::remove(blatt);
        else
            SchreibeDatei(blatt, f.text);
        try {
            xml.SchreibeReportVars(1, &a);
            ADD_FAILURE() << "no exception";
        } catch (const CXmlArchiveException& e) {
            EXPECT_FALSE(e.Reason().empty());
            EXPECT_NE(e.Reason().find(f.grund), std::string::npos) << e.Reason().substr(0, 300);
            EXPECT_EQ(e.File(), blatt.string());
        }
        EXPECT_TRUE(Stream(xml) == vorher);
    }
    // Mended while the program runs: the next page is made with it.
    SchreibeDatei(blatt, std::string(gut).replace(gut.find("<h2>Projektdaten</h2>"), 21, "<h2>Projekt</h2>"));
    xml.SchreibeReportVars(1, &a);
    EXPECT_NE(Stream(xml).find("<h2>Projekt</h2>"), std::string::npos);
}

// ----- values of the renovation details ----------------------------------------------------

TEST_F(ReportXmlTest, DetailValuesPerGroupAndCriterion)
{
    using sandetail::Wert;
    // Amounts due anyway count for components without a measure.
    haus.m_aDecke[0].SanMussAussen = 1;
    haus.m_aDecke[0].SowiesoAussen = 700;
    haus.m_aBoden[0].SanMussInnen = 1;
    haus.m_aBoden[0].SowiesoInnen = 300;
    haus.m_aBoden[0].m_aSan[2] = test::OpakeMassnahme<DSBoden>("Kellerdecke", 0.3, DSBauteilOpaque::Innen);
    haus.m_aBoden[0].m_aSan[2].Preis = 2500;
    haus.m_aBoden[0].m_aSan[2].Kea = 40;
    haus.m_aBoden[0].m_aSan[2].Co2 = 6;
    haus.m_aFenster[0].SanMuss = 1;
    haus.m_aFenster[0].Sowieso = 1500;
    optionen.AlteHeizung = 2222;
    for (int n = 0; n < haus.AnzahlZustaende(); ++n)
        haus.BerechneBedarf(n, notifier);

    // Costs: measures' prices, else the amounts due; wall 12000 + 900.
    EXPECT_DOUBLE_EQ(Wert(haus, optionen, 0, 1, 2), 12900);
    EXPECT_DOUBLE_EQ(Wert(haus, optionen, 0, 1, 1), 700);
    EXPECT_DOUBLE_EQ(Wert(haus, optionen, 0, 1, 4), 300);
    EXPECT_DOUBLE_EQ(Wert(haus, optionen, 0, 2, 4), 2500);
    EXPECT_DOUBLE_EQ(Wert(haus, optionen, 0, 1, 3), 5000);
    EXPECT_DOUBLE_EQ(Wert(haus, optionen, 0, 2, 3), 1500);
    // Heating: a new one its price; the old one kept 0, or the renewal of
    // the old one when it must be renovated.
    EXPECT_DOUBLE_EQ(Wert(haus, optionen, 0, 2, 5), 8000);
    haus.m_aHeizung[1] = haus.m_aHeizung[0];
    EXPECT_DOUBLE_EQ(Wert(haus, optionen, 0, 1, 5), 0);
    haus.m_aHeizung[0].SanMuss = 1;
    haus.m_aHeizung[1].SanMuss = 1;
    EXPECT_DOUBLE_EQ(Wert(haus, optionen, 0, 1, 5), 2222);
    // KEA and CO2 per m² times the area; the heating's own figures.
    EXPECT_NEAR(Wert(haus, optionen, 1, 1, 2), 0.012345 * 100, 1e-12);
    EXPECT_DOUBLE_EQ(Wert(haus, optionen, 1, 2, 4), 40 * 50);
    EXPECT_DOUBLE_EQ(Wert(haus, optionen, 2, 2, 4), 6 * 50 * 0.001);
    EXPECT_DOUBLE_EQ(Wert(haus, optionen, 2, 1, 2), 25 * 100 * 0.001);
    EXPECT_DOUBLE_EQ(Wert(haus, optionen, 1, 2, 5), 3000);
    EXPECT_DOUBLE_EQ(Wert(haus, optionen, 2, 2, 5), 0.4);
    // Savings from the demand records; cost savings with each state's price.
    const DBedarf& b0 = haus.m_aBedarf[0];
    const DBedarf& b1 = haus.m_aBedarf[1];
    EXPECT_GT(b0.Wandsumme, b1.Wandsumme);
    EXPECT_DOUBLE_EQ(Wert(haus, optionen, 3, 1, 2), 100 * (b0.Wandsumme - b1.Wandsumme));
    EXPECT_DOUBLE_EQ(Wert(haus, optionen, 3, 1, 5), 100 * (b0.Heizungsverlust - b1.Heizungsverlust));
    haus.m_aHeizung[1].Brennstoff = BrennstoffOel;
    EXPECT_DOUBLE_EQ(Wert(haus, optionen, 4, 1, 3),
                     100 * (0.08 * b0.Fensterverlustsumme - 0.10 * b1.Fensterverlustsumme));
    // Outside the ranges: 0.
    EXPECT_EQ(Wert(haus, optionen, 5, 1, 2), 0);
    EXPECT_EQ(Wert(haus, optionen, 0, 1, 6), 0);
    EXPECT_EQ(Wert(haus, optionen, 0, 9, 2), 0);
}

TEST(SanierungsdetailsTest, TablesOfCriteriaGroupsAndTabs)
{
    EXPECT_EQ(sandetail::KriteriumTitel(2), "CO<sub>2</sub>");
    EXPECT_EQ(sandetail::Einheit(2), "t");
    EXPECT_EQ(sandetail::Einheit(4), "EUR/a");
    EXPECT_EQ(sandetail::Einheit(5), "");
    const std::array<int, 6> tabs{1, 2, 3, 5, 4, 6};
    for (int g = 0; g < 6; ++g)
        EXPECT_EQ(sandetail::GruppenTab(g), tabs[static_cast<std::size_t>(g)]) << g;
    EXPECT_EQ(sandetail::GruppenFarbe(3), 0x00f0f0u);
}

// ----- the memory stream -------------------------------------------------------------------

TEST(CMemStreamTest, ReadWriteSeekAndSizeFollowTheStreamRules)
{
    CMemStream s;
    char ziel[100] = {};
    std::uint32_t n = 99;
    EXPECT_EQ(s.Read(ziel, 10, &n), CMemStream::E_FAIL); // no buffer
    const char zehn[] = "0123456789";
    EXPECT_EQ(s.Write(zehn, 10, &n), CMemStream::S_OK);
    EXPECT_EQ(n, 10u);
    EXPECT_EQ(s.Write("abcde", 5, nullptr), CMemStream::S_OK);
    EXPECT_EQ(s.Size(), 15u);
    std::uint64_t pos = 0;
    EXPECT_EQ(s.Seek(0, 0, &pos), CMemStream::S_OK);
    EXPECT_EQ(s.Read(ziel, 100, &n), CMemStream::S_OK);
    EXPECT_EQ(n, 15u);
    EXPECT_EQ(std::string(ziel, 15), "0123456789abcde");
    EXPECT_EQ(s.Read(ziel, 100, &n), CMemStream::S_OK);
    EXPECT_EQ(n, 0u);
    EXPECT_EQ(s.Read(nullptr, 1, &n), CMemStream::E_FAIL);

    EXPECT_EQ(s.Seek(-5, 1, &pos), CMemStream::S_OK);
    EXPECT_EQ(pos, 10u);
    EXPECT_EQ(s.Seek(0, 2, &pos), CMemStream::S_OK);
    EXPECT_EQ(pos, 15u);
    s.Seek(3, 0, nullptr);
    EXPECT_EQ(s.Seek(16, 0, &pos), CMemStream::E_FAIL);
    EXPECT_EQ(s.Seek(-1, 0, &pos), CMemStream::E_FAIL);
    EXPECT_EQ(s.Seek(INT64_MIN, 1, &pos), CMemStream::E_FAIL);
    EXPECT_EQ(s.Position(), 3u);

    // Writing in the middle overwrites; passing the end grows the stream.
    s.Seek(13, 0, nullptr);
    EXPECT_EQ(s.Write("XYZ", 3, nullptr), CMemStream::S_OK);
    EXPECT_EQ(s.Size(), 16u);
    s.Seek(0, 0, nullptr);
    s.Read(ziel, 100, &n);
    EXPECT_EQ(std::string(ziel, n), "0123456789abcXYZ");

    EXPECT_EQ(s.SetSize(8), CMemStream::S_OK);
    EXPECT_EQ(s.Position(), 8u);
    EXPECT_EQ(s.Size(), 8u);
    s.Seek(0, 0, nullptr);
    s.Read(ziel, 100, &n);
    EXPECT_EQ(std::string(ziel, n), "01234567");
    EXPECT_EQ(s.SetSize(0), CMemStream::S_OK);
    EXPECT_FALSE(s.HatPuffer());
    EXPECT_EQ(s.Position(), 0u);
    EXPECT_EQ(s.Read(ziel, 1, &n), CMemStream::E_FAIL);
}

TEST(CMemStreamTest, AnOstreamWritesThroughTheAdapter)
{
    CMemStream s;
    {
        CMemStreamBuf puffer(s);
        std::ostream aus(&puffer);
        aus << "Seite " << 42 << '!';
        for (int i = 0; i < 1000; ++i)
            aus << 'x';
    }
    EXPECT_EQ(s.Size(), 1009u);
    s.Seek(0, 0, nullptr);
    char anfang[9] = {};
    std::uint32_t n = 0;
    s.Read(anfang, 9, &n);
    EXPECT_EQ(std::string(anfang, 9), "Seite 42!");
}

} // namespace
} // namespace zeva
