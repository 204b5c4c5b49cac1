#pragma once
// The rules of the 3D view that need no OpenGL: how the scene is framed, which
// hit of a pick counts, what a picked surface opens, and the hidden key
// sequences that switch parts of the picture.
#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace zeva::ansicht3d {

// Framing of a house: the model centre, the start eye distance d0 and the
// far clipping plane. d0 is ten times the house height when half the plan
// width is below it, else ten times the plan width.
struct Rahmung {
    double mitteX = 0;
    double mitteY = 0;
    double d0 = 0;
    double fern = 0;
};
Rahmung BerechneRahmung(double realAreaWidth, double haushoehe);

// Names below this are no surfaces (edges, the north arrow, normals: 0).
inline constexpr std::uint32_t KleinsterFlaechenname = 1000000;

// The nearest surface of a selection buffer: `treffer` hit records of the
// form {name count, min depth, max depth, names…}. Ten nearest hits are
// ranked by their minimum depth (unsigned; equal depths keep buffer order),
// names below KleinsterFlaechenname are skipped. -1 when no surface was hit
// (also for treffer <= 0, an overflowed buffer).
int NaechsteFlaeche(std::span<const std::uint32_t> puffer, int treffer);

// What a picked plane ID opens.
enum class Aktion { Nichts, Boden, Wand, Decke, Flachdach, Steildach, Popup };

// The commands of popup menu 103.
inline constexpr int BefehlFlaecheEditieren = 32811;
inline constexpr int BefehlGaubeLoeschen = 32813;
inline constexpr int BefehlGaubePlazieren = 32815;
inline constexpr int BefehlGaubeBearbeiten = 32816;

struct Popupeintrag {
    int befehl = 0;
    const char* text = "";
    bool aktiv = false;
};
using Popup = std::array<Popupeintrag, 4>;

struct Auswahl {
    Aktion aktion = Aktion::Nichts;
    int id = -1;
    Popup popup{};
};

// The right click's dispatch by the kind of the picked ID.
Auswahl Verteile(int id);
// "Fläche editieren": a pitched-roof face or a dormer roof opens its pitched
// roof, a dormer's front or side wall its wall. A dormer ceiling has no
// record of its own; its area belongs to the attic ceiling `deckenID`, which
// opens (Aktion::Nichts when the house has none, -1).
Auswahl FlaecheEditieren(int id, int deckenID = -1);

// The hidden key sequences of the main view.
enum class Folge {
    Keine,
    AllesAn,      // WUXTOR
    Kanten,       // WUXHOLMEN
    Nordpfeil,    // WUXSEDA
    Normalen,     // WUXPIRTEL
    Boeden,       // WUXFALMO
    Zonendecken,  // WUXQUIRE
    Flaechen,     // WUXBRANTIL
    GLFehler,     // QOVINTA
    Explosion,    // ZEPHAK
};

// The typed keys: every key counts while fewer than 20 were counted, a letter
// A to Z is also kept; a sequence matches when the count equals its length
// and the kept letters begin with it. So one wrong key spoils every sequence
// until Leere (Pause, the next scene set-up).
class Tastenfolgen {
public:
    static constexpr int MaxTasten = 20;
    // `buchstabe` is 'A' … 'Z' or 0 for any other key. A match empties the
    // keys.
    Folge Taste(char buchstabe);
    void Leere();
    int Anzahl() const { return m_anzahl; }

private:
    std::string m_tasten;
    int m_anzahl = 0;
};

} // namespace zeva::ansicht3d
