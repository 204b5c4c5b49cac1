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
std::optional<Datenbankort> gesetzterOrt;
std::map<std::string, Datenbankwahl> gewaehlt;

// The user's copy is made or renewed once per run, at the first use of each
// file; a failure is reported once and the old copy (or the template, for
// reading only) stays in use.
std::filesystem::path Benutzerkopie(const char* dateiname)
{
    const auto it = gewaehlt.find(dateiname);
    if (it != gewaehlt.end())
        return it->second.datei;
    Datenbankwahl wahl = Datenbankdatei(gesetzterOrt ? *gesetzterOrt : StandardDatenbankort(), dateiname);
    if (!wahl.meldung.empty())
        Meldung::Hinweis(QString::fromStdString(wahl.meldung));
    return gewaehlt.emplace(dateiname, std::move(wahl)).first->second.datei;
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

void SetzeDatenbankort(const std::optional<Datenbankort>& ort)
{
    gesetzterOrt = ort;
    gewaehlt.clear();
}

bool NurZumLesen(const std::filesystem::path& datei)
{
    for (const auto& [name, wahl] : gewaehlt) {
        if (wahl.nurLesen && wahl.datei == datei)
            return true;
    }
    return false;
}

} // namespace zeva
