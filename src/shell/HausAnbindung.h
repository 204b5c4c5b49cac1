#pragma once
// The one place where the shell meets the building model's house and the
// options record: the document creates, writes and reads them through these
// functions, and the shell's panes read the few project values they show.
// Everything else of the program that works on the house includes the
// model's headers itself and uses the house the document hands out.
#include <filesystem>
#include <memory>
#include <string>

namespace zeva {

class Haus;
class DOptionen;
class Notifier;

struct HausLoescher {
    void operator()(Haus* haus) const noexcept;
};
struct OptionenLoescher {
    void operator()(DOptionen* optionen) const noexcept;
};
using HausZeiger = std::unique_ptr<Haus, HausLoescher>;
using OptionenZeiger = std::unique_ptr<DOptionen, OptionenLoescher>;

// The project values of the summary page.
struct Projektangaben {
    std::string Beschreibung;
    std::string Strasse;
    std::string Ort;
    int Baujahr = 0;
};

namespace HausAnbindung {

// A new house with its defaults.
HausZeiger NeuesHaus();
// New options with their defaults.
OptionenZeiger NeueOptionen();
void KopiereOptionen(DOptionen& ziel, const DOptionen& quelle);
// Reads the options from the profile (a missing value keeps the member).
void LeseOptionenAusProfil(DOptionen& optionen);

int Phase(const Haus& haus);
void SetzePhase(Haus& haus, int phase);
Projektangaben Angaben(const Haus& haus);
void SetzeAngaben(Haus& haus, const Projektangaben& angaben);

// Writes house and options as a project document, atomically: the old file
// stays as it was when anything fails. Raises CXmlArchiveException.
void SpeichereProjekt(const std::filesystem::path& pfad, Haus& haus, DOptionen& optionen);
// Reads a project into a new house, with every fix-up after loading (old
// wizard steps, climate tables, roofs): the older binary form for ".zva",
// else the XML document. The options take the file's values only when the
// whole file was read. Raises CXmlArchiveException or BinaryArchiveError.
HausZeiger OeffneProjekt(const std::filesystem::path& pfad, DOptionen& optionen, Notifier& notifier);

} // namespace HausAnbindung

} // namespace zeva
