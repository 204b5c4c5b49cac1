#pragma once
// The order of the wizard's steps, without any window: which step "Weiter >>"
// and "<< Zurück" lead to, what the house does on the way, and the three
// step names a panel shows (previous, current, next).
//
// The names follow the moves: "previous" is where "<< Zurück" goes and "next"
// where "Weiter >>" goes, so a house with a pitched roof never announces a
// step it then skips.
#include <QString>

namespace zeva {

class Haus;
class Notifier;

namespace Schrittfolge {

inline constexpr int Intro = 0;
inline constexpr int Projekt1 = 1;
inline constexpr int Grundriss = 8;
inline constexpr int Ausrichtung = 10;
inline constexpr int Hoehen = 13;
inline constexpr int Dach = 14;
inline constexpr int Editier3D = 15;
inline constexpr int Gauben = 16;
inline constexpr int Heizung = 17;
inline constexpr int Projekt2 = 18;
inline constexpr int Ende = 19;

// The step after "Weiter >>" and after "<< Zurück"; `steildach` is the
// house's Steildach == 1.
int Naechster(int phase, bool steildach);
int Vorheriger(int phase, bool steildach);

// The name of a step on the panels: the step names of the wizard, "3D" for
// the 3D editing step and "ENDE" for the end of the input; "" for the steps
// that are never entered.
QString Name(int phase);

struct Beschriftung {
    QString vorher;
    QString ist;
    QString nach;
};
Beschriftung Beschriftungen(int phase, bool steildach);

// The north read-out of step 10 for the house's Ausrichtung A in degrees:
// 90 − A turned into 0 … 359 and rounded to whole degrees ("0" for 360).
QString Nordwinkel(double ausrichtung);

// True for the steps shown on a panel of their own (0 to 7, 17, 18).
bool IstPanelschritt(int phase);

// "Weiter >>" on the house: the work the step leaves behind (the zone the
// closed outline appended goes again at 8, the component labels at 15, the
// net areas at 17, the existing state's demand at 18), then the next step.
// Returns the new step.
int Weiter(Haus& haus, Notifier& notifier);
// "<< Zurück" on the house (at 10 the zone of the outline comes back).
int Zurueck(Haus& haus);

} // namespace Schrittfolge
} // namespace zeva
