#include "database/Datenbankdateien.h"

#include "database/Bestandsdatenbank.h"
#include "platform/StandardDatenbankort.h"

namespace zeva {

namespace {

// Set and read on the user-interface thread only.
std::filesystem::path gesetzterBestand;
std::filesystem::path gesetzteSanierung;

} // namespace

std::filesystem::path Bestandsdatenbankdatei()
{
    if (!gesetzterBestand.empty())
        return gesetzterBestand;
    return Datenbankdatei(StandardDatenbankort(), BestandsdatenbankDatei);
}

void SetzeBestandsdatenbankdatei(const std::filesystem::path& datei)
{
    gesetzterBestand = datei;
}

std::filesystem::path Sanierungsdatenbankdatei()
{
    if (!gesetzteSanierung.empty())
        return gesetzteSanierung;
    return Datenbankdatei(StandardDatenbankort(), SanierungsdatenbankDatei);
}

void SetzeSanierungsdatenbankdatei(const std::filesystem::path& datei)
{
    gesetzteSanierung = datei;
}

} // namespace zeva
