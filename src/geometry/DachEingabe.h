#pragma once
// The roof's side of the mouse dialogue of the roof step: placing the base
// rectangle (first corner, opposite corner, turning), picking a point or an
// edge, dragging it under the rules of the roof's form, snapping, and turning
// the ridge. The plan editor converts the mouse to plan coordinates and calls
// these functions on the roof it works on; what the roof needs of the editor
// window (snap to the outlines, plan to window pixels, mouse capture, redraw,
// the cursor jump) comes through DachAnsicht, passed with every call.
//
// The roof must be an element of the roof array of the Dachumfeld: after a
// change of its points the junctions of all roofs are recomputed when there
// are several.
#include "geometry/CPolygon2D.h"
#include "geometry/Strecke2D.h"
#include "model/CDach.h"

namespace zeva {

class Haus;

// Mouse flags of the calls.
namespace mausflag {
inline constexpr int Links = 0x01;
inline constexpr int Rechts = 0x02;
inline constexpr int Strg = 0x08;
} // namespace mausflag

// What the roof needs of the plan editor window.
class DachAnsicht {
public:
    virtual ~DachAnsicht() = default;
    // Snaps a plan point to the zone outlines (in place).
    virtual void FangePunkt(Punkt2D& p) = 0;
    // Plan point to window pixels (not rounded).
    virtual Punkt2D ModellZuFenster(const Punkt2D& p) const = 0;
    // The window takes every mouse event from now on / gives them back.
    virtual void FangeMaus() = 0;
    virtual void GibMausFrei() = 0;
    virtual void Neuzeichnen() = 0;
    // Puts the mouse cursor on a window pixel.
    virtual void SetzeCursor(int x, int y) = 0;
};

// Where the roof works: the house's roofs, its plan grid and the window.
struct Dachumfeld {
    CObjektArray<CDach>& daecher;
    double raster; // the house's OpenGLGrid
    DachAnsicht& ansicht;
};
Dachumfeld UmfeldVon(Haus& haus, DachAnsicht& ansicht);

// Pick radius of points and edges, plan units.
inline constexpr double Fangradius = 0.15;

// Point count of the form, then waiting for the first corner.
void BeginneNeu(CDach& dach);

// The three mouse handlers (flags of mausflag, plan point as delivered; the
// roof snaps itself). A press on a finished roof returns the hit value.
int OnLButtonDown(CDach& dach, int flags, Punkt2D p, Dachumfeld& umfeld);
void OnLButtonUp(CDach& dach, int flags, Punkt2D p, Dachumfeld& umfeld);
void OnMouseMove(CDach& dach, int flags, Punkt2D p, Dachumfeld& umfeld);

// The view's snap, then the first junction point closer than 3 grid steps.
Punkt2D FangePunkt(const CDach& dach, Punkt2D p, Dachumfeld& umfeld);

// Hit test: 2 for a point, 1 for an edge, 0 for nothing (or a second click
// on the selected edge away from any other). Without select the selection
// stays as it was.
int WaehleElement(CDach& dach, const Punkt2D& p, bool auswaehlen);

// 1 inside the outline plus the hit value; the selection is kept.
int Trefferwert(CDach& dach, const Punkt2D& p);

// Drags the selected point or edge towards p.
void Ziehe(CDach& dach, const Punkt2D& p, Dachumfeld& umfeld);

// Moves the selected point to a (b null) or the selected edge to (a, b);
// false, with nothing changed, when the move would fold the face it tests or
// break the rule of the form.
bool VerschiebeElement(CDach& dach, Punkt2D a, const Punkt2D* b, Dachumfeld& umfeld);

// The face that guards a point or edge move, with the moved points in place;
// sets Testflaeche.
CPolygon2D TestpolygonPunkt(CDach& dach, int v, const Punkt2D& a);
CPolygon2D TestpolygonKante(CDach& dach, int e, const Punkt2D& a, const Punkt2D& b);

// Turns the ridge by a quarter turn: every point is rebuilt from corner 0,
// the size and the angle (hand edits are lost).
void DreheFirst(CDach& dach, Dachumfeld& umfeld);

// Edge e of the roof's edge list; an empty segment for an unknown edge.
Strecke2D Kante(const CDach& dach, int e);

// Length of the selected edge, 0 without one.
double LaengeAuswahlKante(const CDach& dach);

} // namespace zeva
