#include "database/Datenbankdateien.h"

#include "database/Bestandsdatenbank.h"
#include "platform/Meldung.h"
#include "platform/StandardDatenbankort.h"

#include <map>
#include <string>

namespace zeva {

namespace {

// Set and read on the user-interface thread only.
std::filesystem::path gesetzterBestand;
std::filesystem::path gesetzteSanierung;

// The user's copy is made or renewed once per run, at the first use of each
// file; a failure is reported once and the old copy stays in use.
std::filesystem::path Benutzerkopie(const char* dateiname)
{
    static std::map<std::string, std::filesystem::path> gefunden;
    const auto it = gefunden.find(dateiname);
    if (it != gefunden.end())
        return it->second;
    std::string fehler;
    auto datei = Datenbankdatei(StandardDatenbankort(), dateiname, &fehler);
    gefunden.emplace(dateiname, datei);
    if (!fehler.empty())
        Meldung::Hinweis(QString::fromStdString(fehler));
    return datei;
}

} // namespace

std::filesystem::path Bestandsdatenbankdatei()
{
    if (!gesetzterBestand.empty())
        return gesetzterBestand;
    return Benutzerkopie(BestandsdatenbankDatei);
}

void SetzeBestandsdatenbankdatei(const std::filesystem::path& datei)
{
    gesetzterBestand = datei;
}

std::filesystem::path Sanierungsdatenbankdatei()
{
    if (!gesetzteSanierung.empty())
        return gesetzteSanierung;
    return Benutzerkopie(SanierungsdatenbankDatei);
}

void SetzeSanierungsdatenbankdatei(const std::filesystem::path& datei)
{
    gesetzteSanierung = datei;
}

} // namespace zeva
