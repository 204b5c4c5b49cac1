#include "geometry/Plangeometrie.h"

#include "model/Haus.h"
#include "model/Zahlentext.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zeva {

namespace {

// Below this, coordinates of the plan (metres) count as equal: far below the
// grid, far above the rounding of a few arithmetic steps.
constexpr double Eps = 1e-9;
// A crossing this close to an end of the tested segment is that end itself.
constexpr double EndToleranz = 1e-6;

constexpr double GradProRad = 180.0 / std::numbers::pi;

// A segment with its ends ordered by x (a vertical one by y), and its line.
struct Geordnet {
    Punkt2D l;
    Punkt2D r;
    bool senkrecht = false;
    double m = 0;
    double c = 0;

    // y of the line at x; exact at the ends, so that segments meeting at a
    // shared end point agree there to the last bit.
    double YBei(double x) const
    {
        if (x == l.x)
            return l.y;
        if (x == r.x)
            return r.y;
        return m * x + c;
    }
};

Geordnet Ordne(const Punkt2D& p, const Punkt2D& q)
{
    Geordnet g;
    if (std::fabs(p.x - q.x) <= Eps) {
        g.senkrecht = true;
        g.l = p.y <= q.y ? p : q;
        g.r = p.y <= q.y ? q : p;
        return g;
    }
    g.l = p.x < q.x ? p : q;
    g.r = p.x < q.x ? q : p;
    g.m = (g.r.y - g.l.y) / (g.r.x - g.l.x);
    g.c = g.l.y - g.m * g.l.x;
    return g;
}

double Null(double d)
{
    return std::fabs(d) <= Eps ? 0.0 : d;
}

void Spur(Pruefspur* spur, const Geordnet& s1, const Geordnet& s2, int art)
{
    if (!spur)
        return;
    spur->Pruefstrecken = {s1.l, s1.r, s2.l, s2.r};
    spur->Schnittart = art;
}

} // namespace

double Richtungswinkel(const Punkt2D& P, const Punkt2D& Q)
{
    const double dx = Q.x - P.x;
    const double dy = Q.y - P.y;
    const double l = std::sqrt(dx * dx + dy * dy);
    if (l <= 0)
        return -1;
    const double a = std::acos(std::clamp(dx / l, -1.0, 1.0)) * GradProRad;
    return dy >= 0 ? a : 360.0 - a;
}

double Abstand(const Punkt2D& P, const Punkt2D& Q)
{
    return std::hypot(Q.x - P.x, Q.y - P.y);
}

bool PunktInUmriss(const Punkt2D& q, const Punkt2DArray& umriss)
{
    bool innen = false;
    const std::size_t n = umriss.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const Punkt2D& pi = umriss[i];
        const Punkt2D& pj = umriss[j];
        if ((pi.y <= q.y && q.y < pj.y) || (pj.y <= q.y && q.y < pi.y)) {
            const double x = pi.x + (pj.x - pi.x) * (q.y - pi.y) / (pj.y - pi.y);
            if (x > q.x)
                innen = !innen;
        }
    }
    return innen;
}

namespace {

enum class Schnitt { Keiner, Punkt, Ueberlappung };

// With `mitEnden` the segments are closed everywhere: a touch at an end, also
// of a vertical segment or of two segments on one line, is a point in common.
Schnitt Schneide(const Punkt2D& a1, const Punkt2D& a2, const Punkt2D& b1, const Punkt2D& b2, Punkt2D& schnitt,
                 Pruefspur* spur, bool mitEnden = false)
{
    const Geordnet s1 = Ordne(a1, a2);
    const Geordnet s2 = Ordne(b1, b2);

    if (!s1.senkrecht && !s2.senkrecht) {
        const double a = std::max(s1.l.x, s2.l.x);
        const double b = std::min(s1.r.x, s2.r.x);
        if (a > b)
            return Schnitt::Keiner;
        const double y1a = s1.YBei(a), y1b = s1.YBei(b);
        const double y2a = s2.YBei(a), y2b = s2.YBei(b);
        const double unten = std::max(std::min(y1a, y1b), std::min(y2a, y2b));
        const double oben = std::min(std::max(y1a, y1b), std::max(y2a, y2b));
        if (unten > oben + Eps)
            return Schnitt::Keiner;
        if (Null(y1b - y2b) * Null(y1a - y2a) > 0)
            return Schnitt::Keiner;
        const bool parallel = std::fabs(s1.m - s2.m) <= Eps * std::max({1.0, std::fabs(s1.m), std::fabs(s2.m)});
        if (parallel) {
            // On one line: a touch at a shared end is no crossing, a common
            // stretch always is, reported at its end farther from a1.
            if (b - a <= Eps) {
                if (!mitEnden)
                    return Schnitt::Keiner;
                schnitt = Punkt2D(a, y1a);
                Spur(spur, s1, s2, 1);
                return Schnitt::Punkt;
            }
            const Punkt2D ea(a, y1a);
            const Punkt2D eb(b, y1b);
            schnitt = Abstand(a1, ea) >= Abstand(a1, eb) ? ea : eb;
            Spur(spur, s1, s2, 1);
            return Schnitt::Ueberlappung;
        } else {
            const double x = std::clamp((s2.c - s1.c) / (s1.m - s2.m), a, b);
            schnitt = Punkt2D(x, s1.YBei(x));
        }
        Spur(spur, s1, s2, 1);
        return Schnitt::Punkt;
    }

    if (s1.senkrecht != s2.senkrecht) {
        const Geordnet& v = s1.senkrecht ? s1 : s2;
        const Geordnet& o = s1.senkrecht ? s2 : s1;
        const double x = v.l.x;
        const double r = mitEnden ? -Eps : Eps;
        if (!(x > o.l.x + r && x < o.r.x - r))
            return Schnitt::Keiner;
        const double y = o.YBei(x);
        if (!(y > v.l.y + r && y < v.r.y - r))
            return Schnitt::Keiner;
        schnitt = Punkt2D(x, y);
        Spur(spur, s1, s2, 2);
        return Schnitt::Punkt;
    }

    // Two vertical segments cross only where they overlap.
    if (std::fabs(s1.l.x - s2.l.x) > Eps)
        return Schnitt::Keiner;
    const double unten = std::max(s1.l.y, s2.l.y);
    const double oben = std::min(s1.r.y, s2.r.y);
    if (mitEnden && std::fabs(oben - unten) <= Eps) {
        schnitt = Punkt2D(s1.l.x, unten);
        Spur(spur, s1, s2, 2);
        return Schnitt::Punkt;
    }
    if (!(unten < oben - Eps))
        return Schnitt::Keiner;
    schnitt = Punkt2D(s1.l.x, a1.y <= a2.y ? oben : unten);
    Spur(spur, s1, s2, 2);
    return Schnitt::Ueberlappung;
}

} // namespace

bool SchnittpunktStrecken(const Punkt2D& a1, const Punkt2D& a2, const Punkt2D& b1, const Punkt2D& b2,
                          Punkt2D& schnitt, Pruefspur* spur)
{
    return Schneide(a1, a2, b1, b2, schnitt, spur) != Schnitt::Keiner;
}

bool Lotpunkt(const Punkt2D& s1, const Punkt2D& s2, const Punkt2D& p, Punkt2D& fuss, Haus& haus, Pruefspur* spur)
{
    const double alpha = Richtungswinkel(s1, s2);
    if (alpha < 0)
        return false;
    const double W = haus.OpenGLWidth;
    const double H = haus.OpenGLHeight;
    const double plus = (alpha + 90) / GradProRad;
    const double minus = (alpha - 90) / GradProRad;
    const Punkt2D l1(p.x + std::cos(plus) * W, p.y + std::sin(plus) * H);
    const Punkt2D l2(p.x + std::cos(minus) * W, p.y + std::sin(minus) * H);
    Punkt2D f;
    Pruefspur lokal;
    if (!SchnittpunktStrecken(s1, s2, l1, l2, f, &lokal))
        return false;
    if (Abstand(f, p) > 4 * haus.OpenGLGrid)
        return false;
    if (spur)
        *spur = lokal;
    haus.m_2DKnotenGrundriss = f;
    fuss = f;
    return true;
}

bool SchneidetUmriss(const Punkt2D& A, const Punkt2D& B, Punkt2D& schnitt, const Punkt2DArray& umriss, int modus,
                     Pruefspur* spur)
{
    const int n = umriss.GetSize();
    const auto gleich = [](const Punkt2D& p, const Punkt2D& q) { return Abstand(p, q) <= EndToleranz; };
    // The outline being drawn stays simple: the segment may touch it only
    // where it shares a corner with it, at the start point or at the last
    // fixed one; every other point in common, a corner on the segment or
    // the segment's end on an edge, is a crossing.
    const auto gemeinsameEcke = [&](const Punkt2D& s, const Punkt2D& p, const Punkt2D& q) {
        if (!gleich(s, A) && !gleich(s, B))
            return false;
        const bool ecke = gleich(s, umriss[0]) || (n >= 2 && gleich(s, umriss[static_cast<std::size_t>(n - 2)]));
        return ecke && (gleich(s, p) || gleich(s, q));
    };
    auto pruefe = [&](const Punkt2D& p, const Punkt2D& q) {
        Punkt2D s;
        Pruefspur lokal;
        const Schnitt art = Schneide(A, B, p, q, s, &lokal, modus == 1);
        if (art == Schnitt::Keiner)
            return false;
        // Running along an edge is a crossing wherever it ends. Another
        // outline may be met at the segment's own ends.
        if (art == Schnitt::Punkt && modus == 1 && gemeinsameEcke(s, p, q))
            return false;
        if (art == Schnitt::Punkt && modus != 1 && (gleich(s, A) || gleich(s, B)))
            return false;
        schnitt = s;
        if (spur)
            *spur = lokal;
        return true;
    };
    const int erste = modus == 0 ? n - 1 : n - 2;
    for (int k = erste; k >= 1; --k)
        if (pruefe(umriss[static_cast<std::size_t>(k)], umriss[static_cast<std::size_t>(k - 1)]))
            return true;
    if (modus == 0 && n >= 2)
        return pruefe(umriss[static_cast<std::size_t>(n - 1)], umriss[0]);
    return false;
}

int NaechsterKantenpunkt(const Punkt2D& p, Punkt2D& fuss, const Punkt2DArray& umriss, Haus& haus, Pruefspur* spur)
{
    const int n = umriss.GetSize();
    double bester = 2 * std::max(haus.OpenGLWidth, haus.OpenGLHeight);
    int kante = -1;
    for (int k = 1; k < n; ++k) {
        Punkt2D f;
        if (Lotpunkt(umriss[static_cast<std::size_t>(k)], umriss[static_cast<std::size_t>(k - 1)], p, f, haus, spur)) {
            const double d = Abstand(f, p);
            if (d < bester) {
                bester = d;
                fuss = f;
                kante = k - 1;
            }
        }
    }
    if (kante < 0 && n >= 2) {
        Punkt2D f;
        if (Lotpunkt(umriss[static_cast<std::size_t>(n - 1)], umriss[0], p, f, haus, spur)) {
            fuss = f;
            kante = n - 1;
        }
    }
    return kante;
}

void FangePunkt(Haus& haus, Punkt2D& p, Pruefspur* spur)
{
    const std::size_t zonen = std::min(static_cast<std::size_t>(std::max(haus.Zonen, 0)), haus.m_aZone.size());
    double radius = 4 * haus.OpenGLGrid;
    bool gefunden = false;
    Punkt2D kandidat;
    for (std::size_t z = 0; z < zonen; ++z)
        for (const Punkt2D& ecke : haus.m_aZone[z].m_a2DGrundrissPunkte) {
            const double d = Abstand(ecke, p);
            if (d < radius) {
                radius = d;
                kandidat = ecke;
                gefunden = true;
            }
        }
    for (std::size_t z = 0; z < zonen && !gefunden; ++z) {
        Punkt2D fuss;
        if (NaechsterKantenpunkt(p, fuss, haus.m_aZone[z].m_a2DGrundrissPunkte, haus, spur) >= 0) {
            kandidat = fuss;
            gefunden = true;
        }
    }
    if (gefunden)
        p = kandidat;
}

bool IstImUhrzeigersinn(const Punkt2DArray& umriss)
{
    const std::size_t n = umriss.size();
    double doppelteFlaeche = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const Punkt2D& p = umriss[i];
        const Punkt2D& q = umriss[(i + 1) % n];
        doppelteFlaeche += p.x * q.y - q.x * p.y;
    }
    return doppelteFlaeche < 0;
}

void KehreUm(Punkt2DArray& umriss)
{
    Punkt2DArray umgekehrt;
    for (std::size_t i = umriss.size(); i-- > 0;)
        umgekehrt.Add(umriss[i]);
    umriss = umgekehrt;
}

double RasterRunde(double x, double g)
{
    if (!(g > 0))
        return x;
    return g * std::trunc(x / g + 0.5);
}

bool Planprojektion::Setze(int breite, int hoehe, double W)
{
    if (breite <= 0 || hoehe <= 0 || !(W > 0))
        return false;
    m_breite = breite;
    m_hoehe = hoehe;
    m_W = W;
    m_verhaeltnis = breite > hoehe ? static_cast<double>(breite) / hoehe : static_cast<double>(hoehe) / breite;
    return true;
}

double Planprojektion::XMax() const
{
    return m_breite > m_hoehe ? m_verhaeltnis * m_W : m_W;
}

double Planprojektion::YMax() const
{
    return m_breite > m_hoehe ? m_W : m_verhaeltnis * m_W;
}

double Planprojektion::Massstab() const
{
    return std::min(m_breite, m_hoehe) / m_W;
}

Punkt2D Planprojektion::FensterZuModell(double px, double py) const
{
    if (m_breite <= 0 || m_hoehe <= 0)
        return {};
    const double s = Massstab();
    return {px / s, (m_hoehe - py) / s};
}

Punkt2D Planprojektion::ModellZuFenster(const Punkt2D& p) const
{
    const double s = Massstab();
    return {p.x * s, m_hoehe - p.y * s};
}

std::string Nordwinkeltext(double alpha)
{
    // Clockwise from straight up, whole degrees; a full turn is 0.
    double v = std::fmod(450.0 - alpha, 360.0);
    if (v < 0)
        v += 360.0;
    v = RundeNachkomma(v, 0);
    if (v >= 360.0)
        v -= 360.0;
    std::string text;
    FormatiereStellen(v, text, 10);
    return text;
}

} // namespace zeva
