#pragma once
// The two data-base files every data-base dialog opens. By default they are
// where Datenbankdatei puts them for the program's own folders (beside the
// program when writable, else the user's copy); tests and special
// installations point them elsewhere. Needs a QCoreApplication.
#include <filesystem>

namespace zeva {

// The existing-components data base ("DB/Bestand2000.db").
std::filesystem::path Bestandsdatenbankdatei();
// An empty path restores the default.
void SetzeBestandsdatenbankdatei(const std::filesystem::path& datei);

// The renovation-measure data base ("DB/San2kvyke.db").
std::filesystem::path Sanierungsdatenbankdatei();
void SetzeSanierungsdatenbankdatei(const std::filesystem::path& datei);

} // namespace zeva
