#include "results/CReportXml.h"

#include "model/DaempfbarerNotifier.h"
#include "model/DOptionen.h"
#include "model/Haus.h"
#include "model/Kennzahlen.h"
#include "model/Zahlentext.h"
#include "results/Ergebnisseiten.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <ostream>
#include <sstream>

namespace zeva {

namespace {

// The climate regions of the climate file, by Klimazone.
constexpr std::array<const char*, 14> Klimaregionen{"",
                                                   "Nord-/Ostsee",
                                                   "Norddeutsches Tiefland",
                                                   "Ballungsgebiete",
                                                   "Mittelgebirge ohne Hochlagen",
                                                   "Franken / nördl. Baden-Württemberg",
                                                   "Nördl. Oberrheingraben",
                                                   "Südl. Oberrheingraben",
                                                   "Donaubecken",
                                                   "Alpenvorland (600 - 1000 m)",
                                                   "Schwarzwald",
                                                   "Mittelgebirge / Hochlagen",
                                                   "Bodensee",
                                                   "Klimadaten nach DIN 4108-6"};

std::string Ganzzahl(int n)
{
    return std::to_string(n);
}

} // namespace

CReportXml::CReportXml(std::filesystem::path ordner) : m_Ordner(std::move(ordner))
{
    InitXsl();
}

CReportXml::~CReportXml()
{
    ReleaseXsl();
}

std::string CReportXml::Zahl(double x, bool gerundet)
{
    if (gerundet)
        x = RundeSignifikant(x, 3);
    if (!std::isfinite(x))
        return std::string();
    if (x == 0)
        x = 0; // no "-0"
    std::array<char, 64> puffer{};
    const auto [ende, fehler] = std::to_chars(puffer.data(), puffer.data() + puffer.size(), x,
                                              std::chars_format::general, 15);
    if (fehler != std::errc())
        return std::string();
    return std::string(puffer.data(), ende);
}

std::string CReportXml::Klimaregion(int zone)
{
    if (zone < 0 || zone >= static_cast<int>(Klimaregionen.size()))
        return std::string();
    return Klimaregionen[static_cast<std::size_t>(zone)];
}

std::string CReportXml::Kopftext(const std::string& version)
{
    static const std::string oe = "Ö";
    std::string text;
    text.reserve(version.size());
    for (std::size_t i = 0; i < version.size();) {
        if (version.compare(i, oe.size(), oe) == 0) {
            text += "&Ouml;";
            i += oe.size();
        } else {
            text += version[i++];
        }
    }
    return text;
}

std::string CReportXml::OrdnerAdresse(const std::filesystem::path& ordner)
{
    std::string pfad = ordner.generic_string();
    while (pfad.size() > 1 && pfad.back() == '/')
        pfad.pop_back();
    if (!pfad.empty() && pfad.front() == '/')
        return "file://" + pfad;
    return "file:///" + pfad;
}

// ----- building the document ------------------------------------------------------------

void CReportXml::SchreibeZahl(const std::string& name, const std::string& zahl, const std::string& text)
{
    // The number stays the element's content for every other reader of the
    // document; the text the report shows stands beside it, made as the pages
    // make it, so that the sheet rounds nothing.
    try {
        if (!CreateChildElement(name, zahl.empty() ? std::nullopt : std::optional<std::string>(zahl)))
            return;
        if (!DescendToCursor())
            return;
        SetAttribute("Text", text);
        EndElement();
    } catch (const std::exception&) {
    }
}

void CReportXml::SchreibeEnergie(const std::string& name, double x)
{
    SchreibeZahl(name, Zahl(x), Werttext(x));
}

void CReportXml::SchreibeGeld(const std::string& name, double betrag)
{
    SchreibeZahl(name, Zahl(GanzeEuro(betrag), false), Geldtext(betrag));
}

void CReportXml::SchreibeUWert(const std::string& name, double u)
{
    SchreibeZahl(name, Zahl(RundeNachkomma(u, 3), false), Zahltext(u, 3));
}

void CReportXml::SchreibeFlaeche(const std::string& name, double x)
{
    SchreibeZahl(name, Zahl(x, false), Zahltext(x, 2));
}

void CReportXml::SchreibeKeinWert(const std::string& name)
{
    SchreibeZahl(name, std::string(), std::string(KeinWert));
}

bool CReportXml::SchreibeSicher(const std::string& name, const std::string& wert, bool attribut)
{
    // A value the document cannot take goes missing; the build goes on.
    try {
        if (attribut)
            return SetAttribute(name, wert);
        return CreateChildElement(name, wert);
    } catch (const std::exception&) {
        return false;
    }
}

void CReportXml::Betrete(const std::string& name)
{
    if (CreateChildElement(name))
        DescendToCursor();
}

void CReportXml::Verlasse()
{
    EndElement();
}

void CReportXml::ErstelleReportXml(Haus& haus, const DOptionen& optionen, Notifier& notifier)
{
    m_pHaus = &haus;
    m_pOptionen = &optionen;
    m_Legenden.clear();
    m_LegendenFolge.clear();

    {
        // The figures of every state for the house's present method; a
        // message the calculation has for many states is shown once.
        DaempfbarerNotifier gedaempft(notifier);
        {
            DaempfbarerNotifier::Stumm stumm(gedaempft);
            for (int n = 0; n < haus.AnzahlZustaende(); ++n)
                haus.BerechneBedarf(n, gedaempft);
        }
        for (const std::string& text : gedaempft.VerschluckteTexte())
            notifier.Nachricht(text, Notifier::Art::Warnung);
    }

    LoadXML(Starttext);
    FindElement("VykeZevaReport");
    SchreibeSicher("Version", "VykZEVA", true);
    SchreibeProjektDaten();
    SchreibeBauteile();
    SchreibeBestand();
    SchreibeSanierungsvarianten();
    SchreibeLegenden();
    Save(m_Ordner / "Report.xml");
}

void CReportXml::SchreibeProjektDaten()
{
    const Haus& h = *m_pHaus;
    Betrete("ProjektDaten");
    SchreibeSicher("Beschreibung", h.Beschreibung);
    SchreibeSicher("Strasse", h.Strasse);
    SchreibeSicher("Ort", h.Ort);
    SchreibeSicher("Kommentar", h.Kommentar);
    SchreibeSicher("Baujahr", Ganzzahl(h.Baujahr));
    SchreibeEnergie("Heizgradtage", JahresGradtage(h));
    SchreibeSicher("Klimaregion", Klimaregion(h.Klimazone));
    SchreibeFlaeche("BeheiztesGebaeudebruttovolumen", h.Bruttovolumen());
    SchreibeFlaeche("BeheiztesLuftvolumen", h.Volumen);
    SchreibeFlaeche("Energiebezugsflaeche", h.Energiebezugsflaeche);
    // Every figure of the report belongs to this method.
    SchreibeSicher("Berechnungsverfahren", Verfahrensname(h.Berechnungsverfahren));
    Verlasse();
}

void CReportXml::SchreibeBauteile()
{
    const Haus& h = *m_pHaus;
    Betrete("Bauteile");
    SchreibeBauteilListe("Waende", "Wand", h.m_aWand);
    SchreibeBauteilListe("Flachdaecher", "Flachdach", h.m_aFlachdach);
    SchreibeBauteilListe("Steildaecher", "Steildach", h.m_aSteildach);
    SchreibeBauteilListe("Decken", "Decke", h.m_aDecke);
    SchreibeBauteilListe("Boeden", "Boden", h.m_aBoden);
    SchreibeFensterListe();
    SchreibeHeizungen();
    Verlasse();
}

template <class A>
void CReportXml::SchreibeBauteilListe(const std::string& liste, const std::string& element, const A& bauteile)
{
    Betrete(liste);
    int nummer = 0;
    for (const auto& b : bauteile) {
        using B = std::decay_t<decltype(b)>;
        Betrete(element);
        SchreibeSicher("Nummer", Ganzzahl(++nummer), true);
        SchreibeSicher("Name", b.Name);
        SchreibeSicher("Position", b.Kurzname.str());
        SchreibeFlaeche("Flaeche", b.Flaeche);
        SchreibeUWert("kWert", b.kWert);
        for (std::size_t n = 1; n < b.m_aSan.size(); ++n) {
            const auto& m = b.m_aSan[n];
            if (m.IstLeer())
                continue;
            MerkeLegende(element, m.Name, m.Langtext, static_cast<int>(n));
            const double u = Haus::UWertMitMassnahme(b.kWert, m, Haus::LuftschichtFall<B>());
            SchreibeSanierung(static_cast<int>(n), m.Name, m.Preis, u, m.Kea, m.Co2);
        }
        Verlasse();
    }
    Verlasse();
}

void CReportXml::SchreibeFensterListe()
{
    Betrete("Fenster");
    int nummer = 0;
    for (const DFenster& f : m_pHaus->m_aFenster) {
        Betrete("Fenster");
        SchreibeSicher("Nummer", Ganzzahl(++nummer), true);
        // Glazing and frame, a comma between them only when both are named.
        SchreibeSicher("Name", f.NameGlas.empty() || f.NameRahmen.empty() ? f.NameGlas + f.NameRahmen
                                                                           : f.NameGlas + "," + f.NameRahmen);
        SchreibeSicher("Position", f.Kurzname.str());
        SchreibeFlaeche("Flaeche", f.Flaeche);
        SchreibeUWert("kWert", f.UWert());
        for (std::size_t n = 1; n < f.m_aSan.size(); ++n) {
            const DSFenster& m = f.m_aSan[n];
            if (m.IstLeer())
                continue;
            MerkeLegende("Fenster", m.Name, m.Langtext, static_cast<int>(n));
            const double u = (1 - m.Rahmenanteil) * m.kWertGlas + m.Rahmenanteil * m.kWertRahmen;
            SchreibeSanierung(static_cast<int>(n), m.Name, m.Preis, u, m.Kea, m.Co2);
        }
        Verlasse();
    }
    Verlasse();
}

void CReportXml::SchreibeHeizungen()
{
    const auto& heizungen = m_pHaus->m_aHeizung;
    Betrete("Heizungen");
    for (std::size_t i = 0; i < heizungen.size(); ++i) {
        const DHeizung& h = heizungen[i];
        if (i > 0 && h.Name == heizungen[0].Name && !(h.Preis > 0))
            continue;
        Betrete("Heizung");
        SchreibeSicher("VarianteNr", Ganzzahl(static_cast<int>(i)), true);
        SchreibeSicher("Name", h.Name);
        if (h.Einzelheiz == 1) {
            SchreibeEnergie("Wirkungsgrad", h.EtaEinzel * 100);
        } else {
            SchreibeEnergie("Leistung", h.Nennwaermeleistung);
            SchreibeEnergie("Gesamtnutzungsgrad", h.Verteilungsnutzungsgrad * h.Jahresnutzungsgrad * 100);
        }
        if (i > 0) {
            SchreibeEnergie("CO2", h.Co2);
            SchreibeEnergie("Kea", h.Kea);
            SchreibeGeld("Preis", h.Preis);
            MerkeLegende("Heizung", h.Name, h.Langtext, static_cast<int>(i));
        }
        Verlasse();
    }
    Verlasse();
}

void CReportXml::SchreibeSanierung(int n, const std::string& name, double preis, double kWert, double kea, double co2)
{
    Betrete("Sanierung");
    SchreibeSicher("VarianteNr", Ganzzahl(n), true);
    SchreibeGeld("Preis", preis);
    SchreibeSicher("Name", name);
    SchreibeUWert("kWert", kWert);
    SchreibeEnergie("Kea", kea);
    SchreibeEnergie("CO2", co2);
    Verlasse();
}

double CReportXml::Preis(int zustand) const
{
    const auto& heizungen = m_pHaus->m_aHeizung;
    if (zustand < 0 || static_cast<std::size_t>(zustand) >= heizungen.size())
        return 0;
    return m_pOptionen->Brennstoffpreis(heizungen[static_cast<std::size_t>(zustand)].Brennstoff);
}

void CReportXml::SchreibeBestand()
{
    Betrete("Bestand");
    if (!m_pHaus->m_aBedarf.empty())
        SchreibeErgebnis(m_pHaus->m_aBedarf[0], 0);
    Verlasse();
}

void CReportXml::SchreibeErgebnis(const DBedarf& b, int n)
{
    // The figures as the energy-balance page and the heating pane derive
    // them from the record for the house's method; what the page shows as
    // "–" (a heating that turns no heat into fuel energy) is "–" here too.
    const int verfahren = m_pHaus->Berechnungsverfahren;
    const double flaeche = m_pHaus->Energiebezugsflaeche;
    const bool heizungGueltig = m_pHaus->EndenergieBerechenbar(n);
    // The one rule for every figure that rests on the heating.
    const auto mitHeizung = [&](const std::string& name, double x, bool geld = false) {
        if (!heizungGueltig)
            SchreibeKeinWert(name);
        else if (geld)
            SchreibeGeld(name, x);
        else
            SchreibeEnergie(name, x);
    };
    SchreibeEnergie("InterneGewinne", b.Personen + b.Elektrizitaet);
    SchreibeEnergie("InterneGewinneNutzbar", NutzbareInterneGewinne(b, verfahren));
    SchreibeEnergie("SolareGewinne", b.Fenstergewinnsumme);
    SchreibeEnergie("SolareGewinneNutzbar", NutzbareSolareGewinne(b, verfahren));
    mitHeizung("Heizenergiebedarf", Heizenergiebedarf(b, verfahren));
    SchreibeEnergie("Heizwaermebedarf", Heizwaermebedarf(b, verfahren));
    mitHeizung("VerlusteImHeizungssystem", b.Heizungsverlust);
    SchreibeEnergie("Lueftungsverluste", b.Lueftung);
    Betrete("Waermeverluste");
    SchreibeEnergie("Dach", b.Flachdachsumme + b.Steildachsumme);
    SchreibeEnergie("Decke", b.Deckesumme);
    SchreibeEnergie("Wand", b.Wandsumme);
    SchreibeEnergie("Boden", b.Bodensumme);
    SchreibeEnergie("Fenster", b.Fensterverlustsumme);
    Verlasse();
    const double brennstoff = Heizenergiebedarf(b, verfahren);
    const double p = Preis(n);
    Betrete("Brennstoffbedarf");
    mitHeizung("ProA", flaeche * brennstoff);
    mitHeizung("ProQmA", brennstoff);
    Verlasse();
    Betrete("Brennstoffkosten");
    mitHeizung("ProA", p * flaeche * brennstoff, true);
    // A rate per m², with the cents it has.
    mitHeizung("ProQmA", p * brennstoff);
    Verlasse();
}

void CReportXml::SchreibeKosten(int n)
{
    // Every row that the total counts, in whole euros: the printed rows add
    // up to the printed total.
    Betrete("Kosten");
    for (const Haus::Kostenposten& p : m_pHaus->Kostenzeilen(n, *m_pOptionen)) {
        Betrete("Posten");
        SchreibeSicher("Bauteilgruppe", p.gruppe);
        SchreibeSicher("Position", p.position);
        SchreibeSicher("Name", p.massnahme ? p.name : (p.gruppe == "Heizung" ? "Erneuerung der alten Heizung (ohnehin fällig)" : "ohnehin fällige Instandsetzung"));
        SchreibeGeld("Preis", p.preis);
        Verlasse();
    }
    Verlasse();
}

void CReportXml::SchreibeSanierungsvarianten()
{
    Haus& h = *m_pHaus;
    Betrete("Sanierungsvarianten");
    for (std::size_t n = 1; n < h.m_aBedarf.size(); ++n) {
        const int v = static_cast<int>(n);
        h.BerechneKosten(v, *m_pOptionen);
        h.BerechneCo2(v);
        h.BerechneKea(v);
        Betrete("Sanierungsvariante");
        SchreibeSicher("VarianteNr", Ganzzahl(v), true);
        const DBedarf& b = h.m_aBedarf[n];
        SchreibeErgebnis(b, v);
        SchreibeKosten(v);
        SchreibeGeld("Gesamtkosten", b.Gesamtkosten);
        SchreibeEinsparungen("Energieeinsparungen", Energieeinsparungen(h, v), false);
        SchreibeEinsparungen("Heizkosteneinsparungen", Heizkosteneinsparungen(h, v, *m_pOptionen), true);
        Verlasse();
    }
    Verlasse();
}

void CReportXml::SchreibeEinsparungen(const std::string& name, const Gruppeneinsparungen& einsparungen, bool geld)
{
    // The rows as the detail page shows them; with the interaction they add
    // up to what the variant saves as a whole (Summe). Energy keeps three
    // significant digits, money whole euros.
    const Gruppeneinsparungen e = geld ? einsparungen.InGanzenEuro() : einsparungen.Gerundet(3);
    const auto schreibe = [&](const char* element, double x, bool wechselwirkung) {
        if (geld)
            SchreibeZahl(element, Zahl(x, false), Geldtext(x));
        else if (wechselwirkung)
            SchreibeZahl(element, Zahl(RundeNachkomma(x, 2), false), Zahltext(x, 2));
        else
            SchreibeZahl(element, Zahl(x, false), Werttext(x));
    };
    const auto gruppe = [&](const char* element, int g) { schreibe(element, e.gruppen[static_cast<std::size_t>(g)], false); };
    Betrete(name);
    gruppe("Daecher", 0);
    gruppe("Decken", 1);
    gruppe("Waende", 2);
    gruppe("Boeden", 4);
    gruppe("Fenster", 3);
    gruppe("Heizung", 5);
    schreibe("Wechselwirkung", e.Wechselwirkung(), true);
    schreibe("Summe", e.gesamt, false);
    Verlasse();
}

void CReportXml::MerkeLegende(const std::string& gruppe, const std::string& name, const std::string& langtext, int n)
{
    auto it = m_Legenden.find(name);
    if (it == m_Legenden.end()) {
        it = m_Legenden.emplace(name, Legende{gruppe, name, langtext, {}}).first;
        m_LegendenFolge.push_back(name);
    }
    it->second.varianten.insert(n);
}

void CReportXml::SchreibeLegenden()
{
    Betrete("Legenden");
    for (const std::string& name : m_LegendenFolge) {
        const Legende& l = m_Legenden.at(name);
        Betrete("Legende");
        SchreibeSicher("Bauteilgruppe", l.gruppe);
        SchreibeSicher("Name", l.name);
        SchreibeSicher("Langtext", l.langtext);
        // The variants the measure belongs to: a variant's report lists
        // only its own measures.
        for (const int n : l.varianten)
            SchreibeSicher("VarianteNr", Ganzzahl(n));
        Verlasse();
    }
    Verlasse();
}

// ----- variables and transformation ---------------------------------------------------------

void CReportXml::SchreibeReportVars(int n, const std::vector<std::string>* abschnitte)
{
    if (n >= 0)
        m_nVariante = n;

    CXmlArchive vars;
    vars.Load(m_Ordner / "ancillary.xml");
    if (vars.FindElement("ReportVars")) {
        const std::string adresse = OrdnerAdresse(m_Ordner);
        vars.CreateChildElement("Header");
        vars.SetChildText(Kopftext(m_strVersion), true);
        vars.CreateChildElement("DocPath");
        vars.SetChildText(adresse, true);
        vars.CreateChildElement("DataPath");
        vars.SetChildText(adresse, true);
        vars.CreateChildElement("SanVarNr", Ganzzahl(m_nVariante));
        if (vars.CreateChildElement("Details") && vars.DescendToCursor()) {
            if (abschnitte) {
                for (const std::string& name : *abschnitte) {
                    if (vars.CreateChildElement("Detail") && vars.DescendToCursor()) {
                        vars.SetAttribute("name", name);
                        vars.EndElement();
                    }
                }
            }
            vars.EndElement();
        }
    }
    vars.Save(m_Ordner / "ReportVars.xml");

    // The sheet is read anew for every page: a sheet mended while the
    // program runs shows with the next "Aktualisieren". A sheet that cannot
    // be read or that fails while it transforms stops the report with
    // libxslt's reason and the file; the stream keeps the previous page.
    const std::filesystem::path blatt = m_Ordner / "Report.xsl";
    if (!LoadStylesheet(blatt))
        throw CXmlArchiveException(0, 0, 0, XslError(), blatt.string());
    std::string seite;
    {
        std::ostringstream aus;
        if (!TransformToStream(aus))
            throw CXmlArchiveException(0, 0, 0, XslError(), blatt.string());
        seite = std::move(aus).str();
    }
    m_Stream.SetSize(0);
    {
        CMemStreamBuf puffer(m_Stream);
        std::ostream aus(&puffer);
        aus.write(seite.data(), static_cast<std::streamsize>(seite.size()));
        aus.flush();
    }
    m_Stream.Seek(0, 0, nullptr);
}

} // namespace zeva
