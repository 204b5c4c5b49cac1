#pragma once
// What the plan editor does with the mouse in the floor-plan step (8) and the
// north-direction step (10), without any window: the user clicks the corners
// of the first zone's outline; a point follows the cursor while the outline
// is open; edges that cross the outline are refused and marked; the outline
// closes by a click near its start or a double click and is then stored
// clockwise; a right click steps back or reopens it. In step 10 a press or a
// drag turns the north arrow about the centre of the drawing square.
//
// Positions are plan positions (y up), already snapped by the caller unless
// said otherwise. The read-outs for the input pane come back as pairs of a
// control number and its text.
#include "geometry/Plangeometrie.h"

#include <string>
#include <utility>
#include <vector>

namespace zeva {

class Haus;
class Notifier;

// Control numbers of the input pane's read-outs.
namespace ablesung {
inline constexpr int Laenge = 1009;  // line length, in step 10 the north angle
inline constexpr int XVersatz = 1010;
inline constexpr int YVersatz = 1011;
inline constexpr int X = 1014;       // absolute position of the cursor
inline constexpr int Y = 1324;
} // namespace ablesung

using Ablesungen = std::vector<std::pair<int, std::string>>;

// A read-out number: two decimals by the program's rule, a negative value as
// an empty field.
std::string Ablesetext(double wert);

class Grundrisseingabe {
public:
    // 1 while a point follows the cursor (step 8) or the north arrow is
    // being dragged (step 10). Not stored with the house.
    int EingabeAktiv = 0;
    // The segments of the last crossing found, for the crossing marker.
    Pruefspur Spur;

    // Step 8: a left click (NeuerGrundrisspunkt). A click that would give the
    // outline more fixed points than the surface generator takes is refused
    // with its message.
    void NeuerGrundrisspunkt(Haus& haus, const Punkt2D& p, Notifier& notifier);
    // Step 8: a double click closes the outline when its closing edge is free.
    void Doppelklick(Haus& haus);
    // Step 8: a right click removes the last point or reopens the outline.
    void Rechtsklick(Haus& haus);
    // Step 8 (and the other steps below 13): the cursor moved to p.
    Ablesungen Bewegung(Haus& haus, const Punkt2D& p);

    // Step 10: press (snapped), drag (unsnapped) and release (snapped).
    Ablesungen NordDruck(Haus& haus, const Punkt2D& p);
    Ablesungen NordBewegung(Haus& haus, const Punkt2D& p);
    void NordLoslassen(Haus& haus, const Punkt2D& p);

    // Strictly inside the drawing square.
    static bool ImZeichenbereich(const Haus& haus, const Punkt2D& p);

private:
    // The closing edge from the last fixed point back to the start is free:
    // it meets the outline only at those two corners.
    bool SchliesskanteFrei(Haus& haus);
    // Closes zone 0 after the removals: a new default zone, counted, and the
    // outline turned clockwise.
    void Schliesse(Haus& haus);
    Ablesungen Nordrichtung(Haus& haus, const Punkt2D& p);
};

} // namespace zeva
