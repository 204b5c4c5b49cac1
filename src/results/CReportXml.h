#pragma once
// The report writer: builds the report data document Report.xml from the
// house and its variants, writes the report variables ReportVars.xml and
// transforms the document with Report.xsl into the report page, which it
// keeps in a memory stream for the report view. All files lie in one
// report folder, the style sheet's own folder, so that the sheet finds
// ReportVars.xml beside itself.
#include "model/CXmlArchive.h"
#include "results/CMemStream.h"

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace zeva {

class DBedarf;
class DHeizung;
class DOptionen;
class Haus;
class Notifier;
struct Gruppeneinsparungen;

class CReportXml : public CXmlArchive {
public:
    // The start text of every build.
    static constexpr const char* Starttext = "<?xml version=\"1.0\"?>\n"
                                             "<?xml-stylesheet type=\"text/xsl\" href=\"./Report.xsl\"?>\n"
                                             "<VykeZevaReport/>\n";

    // The report folder ordner holds Report.xsl, which every transformation
    // reads anew.
    explicit CReportXml(std::filesystem::path ordner);
    ~CReportXml() override;

    // Builds the document and saves ordner/Report.xml. First every state is
    // computed anew with the notifier (so that all figures belong to the
    // house's present method), then the costs, CO2 and KEA of each variant.
    // Raises CXmlArchiveException when the document cannot be saved.
    void ErstelleReportXml(Haus& haus, const DOptionen& optionen, Notifier& notifier);

    // Writes ReportVars.xml from ordner/ancillary.xml for state n (-1 keeps
    // the last one) and the chosen sections (null: an empty Details), then
    // reads ordner/Report.xsl and transforms the last built document into the
    // stream and seeks it to 0. Raises CXmlArchiveException when the template
    // cannot be loaded, the variables cannot be saved, or the sheet cannot be
    // read or fails while it transforms (the reason is libxslt's, the file
    // the sheet's); the stream then keeps the previous page.
    void SchreibeReportVars(int n, const std::vector<std::string>* abschnitte);
    CMemStream& HoleReportStream() { return m_Stream; }

    // The version text of the report head ("Ö" is written as "&Ouml;").
    void SetzeVersionstext(std::string text) { m_strVersion = std::move(text); }
    int Variante() const { return m_nVariante; }
    const std::filesystem::path& Ordner() const { return m_Ordner; }

    // A number as the document holds it for other readers (the report shows
    // the text beside it, see SchreibeZahl): at most 15 significant digits,
    // "." and no grouping, exponent form for very large and small
    // magnitudes; with gerundet first rounded to 3 significant digits.
    static std::string Zahl(double x, bool gerundet = true);
    // The name of a climate zone (0..13); empty for any other zone.
    static std::string Klimaregion(int zone);
    // The header text: every "Ö" as "&Ouml;".
    static std::string Kopftext(const std::string& version);
    // "file:///…/Report": the address of a folder.
    static std::string OrdnerAdresse(const std::filesystem::path& ordner);

private:
    struct Legende {
        std::string gruppe, name, langtext;
        std::set<int> varianten; // the variants that use the measure
    };

    bool SchreibeSicher(const std::string& name, const std::string& wert, bool attribut = false);
    // A figure: the element holds the number (zahl; empty for a figure that
    // means nothing), its attribute Text what the report shows, made by
    // Zahltext with the digits of the figure's kind.
    void SchreibeZahl(const std::string& name, const std::string& zahl, const std::string& text);
    void SchreibeEnergie(const std::string& name, double x); // 3 significant digits, as the pages
    void SchreibeGeld(const std::string& name, double betrag); // whole euros
    void SchreibeUWert(const std::string& name, double u);     // 3 decimals
    void SchreibeFlaeche(const std::string& name, double x);   // areas and volumes, 2 decimals
    void SchreibeKeinWert(const std::string& name);            // "–"
    void Betrete(const std::string& name);
    void Verlasse();

    void SchreibeProjektDaten();
    void SchreibeBauteile();
    template <class A>
    void SchreibeBauteilListe(const std::string& liste, const std::string& element, const A& bauteile);
    void SchreibeFensterListe();
    void SchreibeHeizungen();
    void SchreibeSanierung(int n, const std::string& name, double preis, double kWert, double kea, double co2);
    void SchreibeBestand();
    void SchreibeSanierungsvarianten();
    void SchreibeErgebnis(const DBedarf& bedarf, int n);
    void SchreibeKosten(int n);
    void SchreibeEinsparungen(const std::string& name, const Gruppeneinsparungen& einsparungen, bool geld);
    void SchreibeLegenden();
    void MerkeLegende(const std::string& gruppe, const std::string& name, const std::string& langtext, int n);
    double Preis(int zustand) const;

    std::filesystem::path m_Ordner;
    Haus* m_pHaus = nullptr;
    const DOptionen* m_pOptionen = nullptr;
    // Keyed by measure name; the first group met stays. The order of the
    // entries keeps the first meeting.
    std::map<std::string, Legende> m_Legenden;
    std::vector<std::string> m_LegendenFolge;
    int m_nVariante = 0;
    std::string m_strVersion;
    CMemStream m_Stream;
};

} // namespace zeva
