#pragma once
// The plane geometry with which the plan editor checks and snaps what the
// user draws: directions, distances, point in outline, the crossing of two
// segments and of a segment with an outline, the foot of a perpendicular,
// snapping to the corners and edges of the zones, the turning sense of an
// outline, and the conversion between the editor's window pixels and its
// plan (model) coordinates. Plan coordinates have y pointing up.
#include "model/Punkt2D.h"
#include "model/Punkt2DArray.h"

#include <array>
#include <string>

namespace zeva {

class Haus;

// The two segments that the crossing routines examined last and the kind of
// crossing found; the plan editor draws them with its crossing marker.
struct Pruefspur {
    std::array<Punkt2D, 4> Pruefstrecken{}; // segment 1 (0, 1), segment 2 (2, 3)
    int Schnittart = 0; // 1 two non-vertical segments, 2 a vertical one involved
};

// Direction of the vector P→Q in degrees in [0, 360), counter-clockwise from
// +x; -1 when the points coincide.
double Richtungswinkel(const Punkt2D& P, const Punkt2D& Q);

double Abstand(const Punkt2D& P, const Punkt2D& Q);

// Crossing-number test of q against the outline taken as closed; the lower
// end of an edge counts, the upper does not (so of a square's left and right
// edges only the left one is inside).
bool PunktInUmriss(const Punkt2D& q, const Punkt2DArray& umriss);

// Whether segment a1–a2 and segment b1–b2 cross; the crossing point goes to
// `schnitt` and, when a trace is given, the two ordered segments and the case
// to it. Segments that meet at a shared end point cross, except where a
// vertical segment is involved (its ends and the other's ends compare
// strictly). Collinear segments that only touch at an end do not cross;
// collinear segments that share more than a point always cross, at the end
// of the common part farther from a1.
bool SchnittpunktStrecken(const Punkt2D& a1, const Punkt2D& a2, const Punkt2D& b1, const Punkt2D& b2,
                          Punkt2D& schnitt, Pruefspur* spur = nullptr);

// The foot of the perpendicular from p onto segment s1–s2, when it lies on
// the segment within 4 × OpenGLGrid of p. The foot also becomes the house's
// m_2DKnotenGrundriss and the two segments go to the trace.
bool Lotpunkt(const Punkt2D& s1, const Punkt2D& s2, const Punkt2D& p, Punkt2D& fuss, Haus& haus,
              Pruefspur* spur = nullptr);

// First crossing of segment A–B with the edges of an outline, examined from
// the end of the list backwards. Mode 1 is the outline being drawn: it leaves
// out the last edge (to the point that follows the cursor) and counts every
// point in common except a touch at a corner that the segment shares with
// the outline's first or last fixed point. Mode 0 is another outline taken as
// closed (the closing edge examined last); there meetings at A or at B
// themselves are not counted.
bool SchneidetUmriss(const Punkt2D& A, const Punkt2D& B, Punkt2D& schnitt, const Punkt2DArray& umriss, int modus,
                     Pruefspur* spur = nullptr);

// The nearest perpendicular foot of p on the outline's edges (the closing
// edge only when no other edge gives one); returns the edge number or -1.
int NaechsterKantenpunkt(const Punkt2D& p, Punkt2D& fuss, const Punkt2DArray& umriss, Haus& haus,
                         Pruefspur* spur = nullptr);

// Snaps p in place to the nearest corner of a counted zone within
// 4 × OpenGLGrid, else onto the first zone edge that gives a foot; never to
// the grid. p stays as it is when nothing is near.
void FangePunkt(Haus& haus, Punkt2D& p, Pruefspur* spur = nullptr);

// True when the outline runs clockwise in the y-up plan (negative shoelace
// area); false with fewer than three points.
bool IstImUhrzeigersinn(const Punkt2DArray& umriss);
void KehreUm(Punkt2DArray& umriss);

// x snapped to the grid g: g·trunc(x/g + 0.5).
double RasterRunde(double x, double g);

// The editor's orthographic map of the W × W plan square onto a client area
// of w × h logical pixels: equal scale on both axes, the longer side shows
// more plan (x 0..r·W or y 0..r·W).
class Planprojektion {
public:
    // False (and nothing changes) for an empty client area.
    bool Setze(int breite, int hoehe, double W);
    int Breite() const { return m_breite; }
    int Hoehe() const { return m_hoehe; }
    double Seitenverhaeltnis() const { return m_verhaeltnis; }
    // Visible plan extent.
    double XMax() const;
    double YMax() const;
    // Pixel (y down) to plan (y up) and back.
    Punkt2D FensterZuModell(double px, double py) const;
    Punkt2D ModellZuFenster(const Punkt2D& p) const;

private:
    double Massstab() const; // pixels per drawing unit
    int m_breite = 0;
    int m_hoehe = 0;
    double m_W = 20;
    double m_verhaeltnis = 1;
};

// The north read-out: the clockwise angle from straight up to the north
// direction α (degrees counter-clockwise from +x), in whole degrees 0 … 359.
std::string Nordwinkeltext(double alpha);

} // namespace zeva
