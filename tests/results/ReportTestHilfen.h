#pragma once
// Shared by the report tests: a report folder with the shipped files in a
// temporary directory, the test house with two variants, and XPath answers
// on a written document.
#include "model/DOptionen.h"
#include "model/Haus.h"
#include "model/VariantenTestHaus.h"

#include <filesystem>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include <libxml/parser.h>
#include <libxml/xpath.h>

namespace zeva::test {

// A fresh folder under the system's temporary folder, removed afterwards.
class TempOrdner {
public:
    TempOrdner()
    {
        std::string muster = (std::filesystem::temp_directory_path() / "zeva-report-XXXXXX").string();
        m_pfad = mkdtemp(muster.data());
    }
    ~TempOrdner()
    {
        std::error_code fehler;
        std::filesystem::remove_all(m_pfad, fehler);
    }
    const std::filesystem::path& Pfad() const { return m_pfad; }

private:
    std::filesystem::path m_pfad;
};

// The shipped report files copied into a temporary folder.
class ReportOrdnerKopie : public TempOrdner {
public:
    ReportOrdnerKopie()
    {
        for (const auto& eintrag : std::filesystem::directory_iterator(std::filesystem::path(ZEVA_DATA_DIR) / "Report"))
            std::filesystem::copy_file(eintrag.path(), Pfad() / eintrag.path().filename());
    }
};

inline std::string LiesDatei(const std::filesystem::path& pfad)
{
    std::ifstream ein(pfad, std::ios::binary);
    std::ostringstream text;
    text << ein.rdbuf();
    return text.str();
}

inline void SchreibeDatei(const std::filesystem::path& pfad, const std::string& text)
{
    std::ofstream(pfad, std::ios::binary) << text;
}

// The reference house with its boiler and two variants: variant 1 insulates
// the wall from outside (U 0.5) and replaces the window, variant 2 brings a
// new boiler. A second wall (U 1.2) gets a 6 cm cavity fill in variant 1.
inline void ReportTestHaus(Haus& h, const DOptionen& optionen)
{
    ReferenzHausMitKessel(h);
    h.Beschreibung = "Einfamilienhaus Musterweg";
    h.Strasse = "Musterweg 1";
    h.Ort = "Kassel";
    h.Baujahr = 1958;
    DWand zweite;
    zweite.Flaeche = 12.3456;
    zweite.kWert = 1.2;
    zweite.Name = "Zweischalig";
    h.m_aWand.Add(zweite);
    h.m_aFenster[0].NameGlas = "Glas";
    h.m_aFenster[0].NameRahmen = "Rahmen";
    h.NeueVariante(true, optionen);
    h.NeueVariante(true, optionen);

    auto wdvs = OpakeMassnahme<DSWand>("WDVS 12 cm", 0.5, DSBauteilOpaque::Aussen);
    wdvs.Preis = 12000;
    wdvs.Kea = 0.012345;
    wdvs.Co2 = 25;
    wdvs.Langtext = "Wärmedämmverbundsystem";
    h.m_aWand[0].m_aSan[1] = wdvs;
    auto fuellung = OpakeMassnahme<DSWand>("Kerndämmung", 0.6, DSBauteilOpaque::Zwischen, 0.06);
    fuellung.Preis = 900;
    h.m_aWand[1].m_aSan[1] = fuellung;
    auto fenster = FensterMassnahme("Wärmeschutzglas", 1.1, 0.6, 1.3, 0.3);
    fenster.Preis = 5000;
    h.m_aFenster[0].m_aSan[1] = fenster;

    DHeizung kessel = ReferenzKessel();
    kessel.Name = "Brennwertkessel";
    kessel.Preis = 8000;
    kessel.Co2 = 400;
    kessel.Kea = 3000;
    kessel.Abgasverlust = 0.03;
    h.m_aHeizung[2] = kessel;
}

// XPath answers on a document text.
class XPathDokument {
public:
    explicit XPathDokument(const std::string& text)
        : m_doc(xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, nullptr, XML_PARSE_NONET), xmlFreeDoc)
    {
    }
    bool Gueltig() const { return m_doc != nullptr; }
    // The string value of the expression (string(...)).
    std::string Text(const std::string& ausdruck) const { return Auswerten("string(" + ausdruck + ")"); }
    int Anzahl(const std::string& ausdruck) const { return std::stoi(Auswerten("count(" + ausdruck + ")")); }

private:
    std::string Auswerten(const std::string& ausdruck) const
    {
        if (!m_doc)
            return "?";
        std::unique_ptr<xmlXPathContext, decltype(&xmlXPathFreeContext)> ctx(xmlXPathNewContext(m_doc.get()),
                                                                            xmlXPathFreeContext);
        std::unique_ptr<xmlXPathObject, decltype(&xmlXPathFreeObject)> obj(
            xmlXPathEvalExpression(reinterpret_cast<const xmlChar*>(ausdruck.c_str()), ctx.get()), xmlXPathFreeObject);
        if (!obj)
            return "?";
        xmlChar* s = xmlXPathCastToString(obj.get());
        std::string ergebnis = reinterpret_cast<const char*>(s);
        xmlFree(s);
        return ergebnis;
    }
    std::unique_ptr<xmlDoc, decltype(&xmlFreeDoc)> m_doc;
};

} // namespace zeva::test
