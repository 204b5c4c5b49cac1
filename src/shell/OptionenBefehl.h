#pragma once
// What the options command of the frame and the input assistant's button
// "Eingabe-Optionen" run. Both report whether the project changed, so that
// the caller can mark the document modified (the options are stored with
// every project, the 3D-input settings with the house).
class QWidget;

namespace zeva {

class DOptionen;
class Haus;
class Profil;

struct DialogErgebnis {
    bool uebernommen = false; // closed with OK
    bool geaendert = false;   // OK changed what the dialog edits
};

// The question after OK of the options sheet.
inline constexpr const char* FrageOptionenAlsStandard =
    "Sollen die Optionen als Standard für\nzukünftige Projekte gespeichert werden?";
// Shown when the profile did not take every value.
inline constexpr const char* FehlerOptionenSpeichern = "Die Optionen konnten nicht als Standard gespeichert werden.";

// Runs the options sheet modally on a copy of `optionen`, offering the
// existing heating of `haus` to the page "Sanierung". OK copies the sheet's
// record back into `optionen`, then asks whether the options become the
// defaults of future projects; Yes writes them to `profil`. The caller shows
// the between page afterwards and marks the document modified when the
// result says so.
DialogErgebnis ZeigeOptionen(QWidget* parent, DOptionen& optionen, const Haus& haus, Profil& profil);

// Asks whether the options become the defaults and writes them to the
// profile on Yes; false only when the profile did not take them (the user
// has been told).
bool SpeichereOptionenAlsStandard(QWidget* parent, const DOptionen& optionen, Profil& profil);

// Runs "Optionen der 3D-Eingabe" modally on the house. After OK the caller
// lays out the plan editor's drawing again with the new size and grid.
DialogErgebnis Zeige3DOptionen(QWidget* parent, Haus& haus);

} // namespace zeva
