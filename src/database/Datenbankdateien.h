#pragma once
// The two data-base files every data-base dialog and the optimiser open. By
// default they are the user's copies that Datenbankdatei makes from the
// templates beside the program (made or renewed at the first use in a run; a
// failure is shown once with the data base's error message); tests and
// special installations point them elsewhere. Needs a QCoreApplication.
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
