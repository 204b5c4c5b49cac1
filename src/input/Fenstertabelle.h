#pragma once
// What the window table ("Eingabe Fenster") does with the windows of one
// carrying surface, without any window of the screen: the rows (copies of
// the opener's windows on that surface, at least five), paging, taking a page
// over, deleting, the area check, and on OK the planes and IDs of the windows
// and their place in the opener's window array. The dialog only shows, asks
// and calls it.
#include "input/Seitenlage.h"
#include "model/DFenster.h"
#include "model/Plane.h"

#include <array>
#include <cstdint>
#include <string>

namespace zeva {

class Haus;

inline constexpr const char* MeldungFensterZuGross =
    "Die gesamte Fensterfläche ist\ngrößer als die tragende Fläche.\nBitte korrigieren Sie die Eingabe.";
// The orientation list's entries; the index is the window's Richtung.
inline constexpr const char* Fensterrichtungen[] = {"N", "NO", "O", "SO", "S", "SW", "W", "NW"};

class Fenstertabelle : public Seitenlage {
public:

    struct Seitenzeile {
        std::string name;
        double flaeche = 0;
        double rahmenanteil = 0; // per cent
        int richtung = -1;       // list selection, -1 none
    };

    // The windows of `fenster` placed on `traeger` (Traeger2ID = its ID),
    // padded with the house's default window. Every row takes the presets as
    // its Richtung and Neigung, or the carrier's classes when both are -1.
    Fenstertabelle(const Haus& haus, CDFensterArray& fenster, const Plane& traeger, int vorgabeRichtung = -1,
                   int vorgabeNeigung = -1);

    DFenster& Zeile(int r) { return m_aZeilen[static_cast<std::size_t>(r - 1)]; }
    const DFenster& Zeile(int r) const { return m_aZeilen[static_cast<std::size_t>(r - 1)]; }
    const Plane& Traeger() const { return m_Traegerflaeche; }

    Seitenzeile Anzeige(int k) const;
    // A list without a selection keeps the row's Richtung.
    void UebernimmSeite(const std::array<Seitenzeile, ZeilenProSeite>& seite);

    // On the last page a default window (area 0, the carrier's classes) is
    // appended first; nothing at 100 rows.
    bool Runter();
    // Deletes the current row; with five rows a fresh one takes the last place.
    bool LoescheAktuelleZeile();

    // The total of all rows' areas lies below the carrier's plane area.
    bool PruefeFlaechen() const;
    // Drops the rows not filled in, gives the others their planes and IDs and
    // puts them into the opener's array where the carrier's first old window
    // stood (0 when it had none); windows of other carriers keep their places.
    void Zurueckschreiben(int varianten);

private:
    DFenster NeueZeile() const;

    const Haus& m_haus;
    CDFensterArray& m_paFenster;
    Plane m_Traegerflaeche;
    CDFensterArray m_aZeilen;
    CDFensterArray m_aZeilenAlt;
};

} // namespace zeva
