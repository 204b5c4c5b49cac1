#pragma once
// Where the program's data-base files are opened from.
//
// They lie in the folder "DB" beside the program file. The program writes to
// them (the user's own entries); when that folder or file cannot be written
// (an installed program), the file is copied once into the user's data folder
// and that copy is used from then on, so the user's entries are kept across
// runs. Plain C++, no Qt: the two folders are handed in (StandardDatenbankort
// gives the program's own).
#include <filesystem>
#include <functional>
#include <string>

namespace zeva {

struct Datenbankort {
    std::filesystem::path programmOrdner; // folder of the program file
    std::filesystem::path benutzerOrdner; // the user's data folder
};

// The path to open for the data-base file name (e.g. "Bestand2000.db"):
// - the file beside the program when it can be written there;
// - otherwise the user's copy in <benutzerOrdner>/DB, made from the file beside
//   the program when it does not exist yet (an existing copy is never
//   overwritten, it holds the user's entries);
// - the file beside the program when no copy can be made (reading still works,
//   writing reports the data base's error), and also when it is missing and
//   no copy exists (opening then reports the missing file).
std::filesystem::path Datenbankdatei(const Datenbankort& ort, const std::string& dateiname);

// Whether a data-base file can be written where it lies: the file and its
// folder (SQLite writes its journal beside the file). Tests replace the test
// (they run as a user who may write anything); an empty function restores it.
using Schreibbarkeitstest = std::function<bool(const std::filesystem::path& datei)>;
void SetzeSchreibbarkeitstest(Schreibbarkeitstest test);
bool IstSchreibbar(const std::filesystem::path& datei);

} // namespace zeva
