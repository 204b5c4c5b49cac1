#pragma once
// The one place where the shell meets the building model's house and the
// options record: the document creates, writes and reads them through these
// functions, and the shell's panes read the few project values they show.
// Everything else of the program that works on the house includes the
// model's headers itself and uses the house the document hands out.
#include <memory>
#include <string>

namespace zeva {

class Haus;
class DOptionen;
class CXmlArchiveFile;
class BinaryArchive;

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

// Writes "Haus", then "Optionen", below the root of the archive.
void SchreibeProjekt(CXmlArchiveFile& ar, Haus& haus, DOptionen& optionen);
// Reads "Haus", runs the house's fix-up after loading, then "Optionen".
void LeseProjekt(CXmlArchiveFile& ar, Haus& haus, DOptionen& optionen);
// Reads the older binary form: the house, then the options with the house's
// document version. Raises BinaryArchiveError when the file is damaged.
void LeseProjekt(BinaryArchive& ar, Haus& haus, DOptionen& optionen);

} // namespace HausAnbindung

} // namespace zeva
