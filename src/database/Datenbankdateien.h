#pragma once
// The two data-base files every data-base dialog and the optimiser open. By
// default they are the user's copies that Datenbankdatei makes from the
// templates beside the program (made or renewed at the first use in a run; a
// failure is shown once with its German sentence); tests and special
// installations point them elsewhere. Needs a QCoreApplication.
#include "platform/Datenbankort.h"

#include <filesystem>
#include <optional>

namespace zeva {

// The existing-components data base ("DB/Bestand2000.db").
std::filesystem::path Bestandsdatenbankdatei();
// An empty path restores the default.
void SetzeBestandsdatenbankdatei(const std::filesystem::path& datei);

// The renovation-measure data base ("DB/San2kvyke.db").
std::filesystem::path Sanierungsdatenbankdatei();
void SetzeSanierungsdatenbankdatei(const std::filesystem::path& datei);

// Where the default files are made from and copied to; without one (the
// default) the program's own folders (StandardDatenbankort). Setting it
// makes the next use of each file choose afresh.
void SetzeDatenbankort(const std::optional<Datenbankort>& ort);

// Whether the file must be opened for reading only: the template beside the
// program, handed out because no user copy could be made. Every connection
// to the two files asks this, so the template is never written.
bool NurZumLesen(const std::filesystem::path& datei);

} // namespace zeva
