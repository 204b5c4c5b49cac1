#include "geometry/ProjektdateiPruefung.h"

#include "geometry/C3DGenerator.h"
#include "geometry/Projektdatei.h"
#include "model/CXmlArchive.h"
#include "model/DOptionen.h"
#include "model/Dokumentgrenzen.h"
#include "model/Haus.h"
#include "model/Notifier.h"
#include "platform/BinaryArchive.h"
#include "support/Rechenzeit.h"

#include <exception>
#include <fstream>
#include <memory>

namespace zeva::test {

namespace {

class ZaehlNotifier final : public Notifier {
public:
    void Nachricht(const std::string&, Art) override { ++nachrichten; }
    bool Frage(const std::string&) override { return false; }
    int nachrichten = 0;
};

void Schreibe(const std::filesystem::path& pfad, std::span<const std::uint8_t> daten)
{
    std::ofstream out(pfad, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(daten.data()), static_cast<std::streamsize>(daten.size()));
}

// What the program does with a project that opened.
void NachDemOeffnen(Haus& haus, DOptionen& optionen, const std::filesystem::path& arbeitsdatei,
                    const std::string& form, Pruefergebnis& ergebnis)
{
    for (const std::string& u : Unstimmigkeiten(haus))
        ergebnis.funde.push_back(form + ": " + u);
    try {
        StillerNotifier still;
        C3DGenerator(haus, still).Erzeuge3DFlaechen();
        for (int n = 0; n < haus.AnzahlZustaende(); ++n) {
            Haus zustand(haus);
            zustand.WendeVarianteAn(n);
            zustand.Waermebilanz(still);
            haus.BerechneBedarf(n, still);
        }
        std::string text;
        {
            CXmlArchiveFile ar = CXmlArchiveFile::CreateForWrite(arbeitsdatei, CXmlArchiveFile::ProjektVorlage,
                                                                 CXmlArchiveFile::ProjektWurzel);
            haus.WriteXml(ar);
            optionen.WriteXml(ar);
            text = ar.Archive().ToString();
        }
        // What the program saved it must open again.
        Schreibe(arbeitsdatei, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
        DOptionen wieder;
        LadeProjekt(arbeitsdatei, wieder, still);
    } catch (const std::exception& e) {
        ergebnis.funde.push_back(form + ": Ausnahme nach dem Öffnen: " + e.what());
    }
}

} // namespace

std::vector<std::string> Unstimmigkeiten(const Haus& haus)
{
    std::vector<std::string> u;
    auto pruefe = [&](bool gut, const std::string& was) {
        if (!gut)
            u.push_back(was);
    };
    pruefe(haus.Version == Haus::AktuelleVersion, "Version " + std::to_string(haus.Version));
    pruefe(haus.Varianten >= 0 && haus.Varianten <= grenzen::MaxVarianten,
           "Varianten " + std::to_string(haus.Varianten));
    pruefe(haus.Stockwerkszahl >= 0 && haus.Stockwerkszahl <= grenzen::MaxStockwerke,
           "Stockwerkszahl " + std::to_string(haus.Stockwerkszahl));
    for (const Zone& z : haus.m_aZone)
        pruefe(z.Stockwerkszahl >= 0 && z.Stockwerkszahl <= grenzen::MaxStockwerke,
               "Stockwerkszahl einer Zone " + std::to_string(z.Stockwerkszahl));
    pruefe(haus.m_aDach.size() <= grenzen::MaxDaecher, std::to_string(haus.m_aDach.size()) + " Dächer");
    pruefe(haus.m_aGaube.size() <= grenzen::MaxGauben, std::to_string(haus.m_aGaube.size()) + " Gauben");
    for (const CDach& d : haus.m_aDach)
        pruefe(!d.IstBeschaedigt(), "ein beschädigtes Dach");
    // The loaders' own check finds nothing more on a house they let through.
    Haus kopie(haus);
    kopie.m_aZone = haus.m_aZone;
    kopie.m_aDach = haus.m_aDach;
    kopie.m_aGaube = haus.m_aGaube;
    kopie.m_aLinien1 = haus.m_aLinien1;
    kopie.m_aLinien2 = haus.m_aLinien2;
    ZaehlNotifier notifier;
    try {
        PruefeDokumentgrenzen(kopie, notifier);
        pruefe(notifier.nachrichten == 0, "Zahlen außerhalb ihrer Grenzen");
    } catch (const DokumentBeschaedigt& e) {
        u.push_back(e.what());
    }
    return u;
}

Pruefergebnis PruefeProjektdatei(std::span<const std::uint8_t> daten, const std::filesystem::path& arbeitsdatei)
{
    const auto beginn = Rechenzeit();
    Pruefergebnis ergebnis;
    auto ausnahme = [&](const std::string& form, const std::exception& e) {
        ergebnis.funde.push_back(form + ": fremde Ausnahme beim Öffnen: " + e.what());
    };

    const std::string binaer = "älteres Dokument";
    try {
        BinaryArchive ar(std::vector<std::uint8_t>(daten.begin(), daten.end()));
        DOptionen optionen;
        StillerNotifier still;
        std::unique_ptr<Haus> haus = LeseAltesProjekt(ar, optionen, still);
        ++ergebnis.geoeffnet;
        NachDemOeffnen(*haus, optionen, arbeitsdatei, binaer, ergebnis);
    } catch (const BinaryArchiveError&) {
        ++ergebnis.abgelehnt;
    } catch (const std::exception& e) {
        ausnahme(binaer, e);
    }

    const std::string xml = "XML-Dokument";
    try {
        Schreibe(arbeitsdatei, daten);
        DOptionen optionen;
        StillerNotifier still;
        std::unique_ptr<Haus> haus = LadeProjekt(arbeitsdatei, optionen, still);
        ++ergebnis.geoeffnet;
        NachDemOeffnen(*haus, optionen, arbeitsdatei, xml, ergebnis);
    } catch (const CXmlArchiveException&) {
        ++ergebnis.abgelehnt;
    } catch (const std::exception& e) {
        ausnahme(xml, e);
    }

    ergebnis.dauer = Rechenzeit() - beginn;
    if (ergebnis.dauer > ZeitProEingabe)
        ergebnis.funde.push_back(
            "zu langsam: "
            + std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(ergebnis.dauer).count()) + " ms");
    return ergebnis;
}

} // namespace zeva::test
