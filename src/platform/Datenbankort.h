#pragma once
// Where the program's data-base files are opened from.
//
// The files in the folder "DB" beside the program are templates: the build or
// the installation puts them there, and the program never writes them (a
// rebuild or an update would take the user's entries with them). Each one is
// copied into the user's data folder at first use, and every read and write
// goes to that copy. When the template is newer than the one the copy was
// made from, a fresh copy of it takes the user's own rows over from the old
// copy (UebernimmBenutzerzeilen) before it replaces the old one.
//
// Two programs may start at once: making, checking and renewing a copy runs
// under an exclusive lock on "<copy>.sperre", and every temporary file
// carries the process id in its name.
// Plain C++, no Qt: the two folders are handed in (StandardDatenbankort gives
// the program's own).
#include <chrono>
#include <filesystem>
#include <string>

namespace zeva {

struct Datenbankort {
    std::filesystem::path programmOrdner; // folder of the program file
    std::filesystem::path benutzerOrdner; // the user's data folder
    // How long a program waits for another one that is making or renewing
    // the same copy; after that it uses the copy as it is.
    std::chrono::milliseconds sperrfrist{5000};
};

// The file to open for a data-base file name and how.
struct Datenbankwahl {
    std::filesystem::path datei;
    // The template beside the program, handed out because there is no copy:
    // it must be opened for reading only, so storing is refused.
    bool nurLesen = false;
    // A German sentence for the user when something went wrong (naming the
    // real files, the system's reason and what the program does now), else
    // empty.
    std::string meldung;
};

// The file to open for the data-base file name (e.g. "Bestand2000.db"):
// - the user's copy in <benutzerOrdner>/DB, made from the template beside the
//   program when it does not exist yet, renewed from the template with the
//   user's rows carried over when the template is newer;
// - a damaged copy (PRAGMA quick_check fails, or it is no data base) is set
//   aside under a dated name ("Bestand2000.beschaedigt-<date>.db") and
//   replaced by a fresh copy of the template with every user row that can
//   still be read;
// - when another program holds the lock longer than ort.sperrfrist, the copy
//   as it is, without a message;
// - the template itself, for reading only, when there is no user folder or no
//   copy can be made, and when it is missing and no copy exists (opening then
//   reports the missing file).
// When the copy cannot be renewed the old copy stays in use.
Datenbankwahl Datenbankdatei(const Datenbankort& ort, const std::string& dateiname);

// Which template a copy was made from: the template's version number (the
// highest [Version-Nr] of its table [Versionsnummer], -1 without one) and its
// build time (the file's modification time). Kept in a small file beside the
// copy ("<copy>.vorlage").
struct Vorlagenstand {
    long long version = -1;
    long long bauzeit = 0; // nanoseconds since the file clock's epoch
};

Vorlagenstand StandDerVorlage(const std::filesystem::path& vorlage);

// Whether a template of stand `vorlage` is newer than the template `kopie` was
// made from: by the version numbers when both have one and they differ,
// otherwise by the build time.
bool IstNeuer(const Vorlagenstand& vorlage, const Vorlagenstand& kopie);

// Carries the user's own rows from the data base `alt` into `neu` in one
// transaction: in every table of `neu` with a [Kategorie] column, the rows of
// `alt` with [Kategorie] 0, together with the rows of the other tables that
// refer to them by that table's key (a build-up's layers). A row keeps its key
// where `neu` does not use it yet and gets the next free one otherwise; the
// rows referring to it follow. Columns the new table no longer has are left
// behind, new columns take their defaults. Throws SqlError.
// With nurLesbare (`alt` is damaged), a table whose rows cannot be read is
// passed over and the rest is still carried.
void UebernimmBenutzerzeilen(const std::filesystem::path& alt, const std::filesystem::path& neu,
                            bool nurLesbare = false);

} // namespace zeva
